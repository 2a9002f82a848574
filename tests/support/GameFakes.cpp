#include "support/GameFakes.h"

#include "core/Session.h"

namespace cardoria::test {

bool RecordingEngine::TryFoundation(Session& session, int card, int foundation) {
  asked.emplace_back(card, foundation);
  if (!accept(card, foundation)) return false;
  FindCardKind(session.piles, session.rules, card, kTakeRemove);
  AppendCard(session.piles, session.cards, PileGroup::Foundation, foundation, card, '1');
  return true;
}

}  // namespace cardoria::test

namespace cardoria::test {

void RecordingEngine::UpdateScore(Session& session) {
  session.store.Set(pos::kScore, 6, std::to_string(StandardScore(session)));
}

bool RecordingEngine::EndGame(Session& session) {
  if (!session.values.Flag(kGameInProgress)) return false;
  const bool won = session.values.Flag(kGameWon);
  session.values.SetFlag(kGameInProgress, false);
  session.values.SetFlag(kClockRunning, false);
  session.values.SetFlag(kGameEnded, true);
  session.values.SetFlag(kGameWon, false);
  return won;
}

}  // namespace cardoria::test
