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
