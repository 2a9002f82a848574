#include "engine/StandardEngine.h"

#include <algorithm>

#include "core/Session.h"

namespace cardoria {

int StandardScore(const Session& session) {
  if (session.store.Get(pos::kScoreScheme, 2) != "01") return 0;
  const GameRules& rules = session.rules;
  int score = 5 * rules[41] - rules[284] - 5 * rules[287];
  score += 5 * PileCardCount(session.piles.Pile(PileGroup::Stock, kSecondWasteItem));
  const int foundations = std::clamp(rules[GameRules::kFoundationCount], 0, kFoundationPiles);
  for (int f = 0; f < foundations; ++f) score += 5 * PileCardCount(session.piles.Pile(PileGroup::Foundation, f));
  return score;
}

bool StandardEngine::TryFoundation(Session&, int, int) { return false; }

void StandardEngine::UpdateScore(Session& session) {
  session.store.Set(pos::kScore, 6, std::to_string(StandardScore(session)));
}

bool StandardEngine::EndGame(Session& session) {
  ValueTables& values = session.values;
  if (!values.Flag(kGameInProgress)) return false;
  if (const int target = session.rules[43]; target != 0)
    values.SetFlag(kGameWon, session.store.GetInt(pos::kScore, 6) >= target);
  const bool won = values.Flag(kGameWon);
  values.SetFlag(kClockRunning, false);
  values.SetFlag(kGameInProgress, false);
  values.SetFlag(kGameEnded, true);
  values.SetFlag(kGameWon, false);
  return won;
}

void StandardEngine::AutoplayAfterDeal(Session&) {}

}  // namespace cardoria
