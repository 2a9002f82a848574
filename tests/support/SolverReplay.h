#pragma once
// What the solver tests share: a budget in positions, the proof of a
// solution, which is playing it through the mouse on the fixture's table,
// and a table near its end that the window's tests ask about too.

#include <cstdint>
#include <vector>

#include "core/Cards.h"
#include "core/Piles.h"
#include "core/Session.h"
#include "solver/Replay.h"
#include "solver/Solver.h"
#include "support/PlayFixture.h"

namespace cardoria::test {

inline solver::SolveOptions Budget(std::int64_t positions) {
  solver::SolveOptions options;
  options.maxPositions = positions;
  return options;
}

// Plays the moves on the fixture's own table; the count of moves carried
// out before the game was won, or -1 when a move changed nothing or the
// game was not won at the end.
inline int ReplayToWin(PlayFixture& f, const std::vector<solver::Move>& moves) {
  int played = 0;
  for (const solver::Move& move : moves) {
    if (!solver::PlayMove(f.engine, f.session, move)) {
      ADD_FAILURE() << "move " << played + 1 << " changed nothing: " << move.Command();
      return -1;
    }
    ++played;
  }
  return f.table.gamesEnded > 0 && f.table.lastResult.won ? played : -1;
}

// Chain Crossing near its end: two cards left in the first column, where
// no chain can start and reach the right column, every other one discarded.
inline void ChainCrossingWithTwoLeft(Session& s) {
  std::vector<int> left;
  for (auto group : {PileGroup::Stock, PileGroup::Tableau})
    for (std::string& pile : s.piles.Items(group)) {
      for (int i = 0; i < PileCardCount(pile) && left.size() < 2; ++i) left.push_back(CardAt(pile, i));
      pile.clear();
    }
  std::string& discards = s.piles.Pile(PileGroup::Stock, kSecondWasteItem);
  for (int card = 1; card <= 52; ++card)
    if (card != left[0] && card != left[1]) discards += CardCode(card);
  s.piles.Pile(PileGroup::Tableau, 0) = CardCode(left[0]);
  s.piles.Pile(PileGroup::Tableau, 7) = CardCode(left[1]);
  s.store.Set(pos::kScore, 6, "198");  // the points of 50 cards discarded
}

}  // namespace cardoria::test
