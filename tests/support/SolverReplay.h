#pragma once
// What the solver tests share: a budget in positions, and the proof of a
// solution, which is playing it through the mouse on the fixture's table.

#include <cstdint>
#include <vector>

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

}  // namespace cardoria::test
