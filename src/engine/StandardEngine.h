#pragma once
// The parts of play that starting a game needs from the engine, for the
// games that use the standard rules: the standard score and the end of a game.

#include "deal/GameStart.h"

namespace cardoria {

class StandardEngine : public PlayEngine {
 public:
  // No catalogue game puts cards on the foundations during the deal by the
  // build check yet, so nothing is ever moved here.
  bool TryFoundation(Session& session, int card, int foundation) override;
  void UpdateScore(Session& session) override;
  bool EndGame(Session& session) override;
  void AutoplayAfterDeal(Session& session) override;
};

// 5 x ScoreBase - CardCount - 5 x ScoreDeduct + 5 per card in the second
// waste and on the foundations in use; 0 unless the scheme is "01".
int StandardScore(const Session& session);

}  // namespace cardoria
