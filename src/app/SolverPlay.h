#pragma once
// What the window asks of the solver, without the window: copies of the
// game for a search on another thread, hints that follow a known win, and
// the search for a deal that can be won.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Session.h"
#include "persist/SavedGames.h"
#include "solver/Solver.h"

namespace cardoria {

// The game on the table, copied for a search: the preferences file, the
// pictures and the undo steps stay behind, so the copy can go to another
// thread while the player goes on with the original.
Session SearchCopy(const Session& live);

// A copy of `prepared` with game `game` dealt as deal `deal`, as the window
// would deal it (autoplay after the deal included); nothing when the game
// can not be prepared or the deal refused.
std::optional<Session> DealtCopy(const Session& prepared, int game, const std::string& deal);

// Hints that follow one line to the win: once a search has found a win from
// some position, every position along it gets the line's next move without
// searching again, whether the player took the hints or reached it otherwise.
class HintBook {
 public:
  // The move to suggest on the session's table; nothing when none is left.
  std::optional<solver::Move> Next(const Session& session, const solver::SolveOptions& options);
  // A win found elsewhere (the verdict's search) from the session's position.
  void Adopt(const Session& session, const std::vector<solver::Move>& moves) { Learn(session, moves); }
  // The line last found, from the position it was found on.
  const std::vector<solver::Move>& Line() const { return moves_; }
  void Forget();

 private:
  void Learn(const Session& session, const std::vector<solver::Move>& moves);
  // The position before each move of the line.
  std::vector<std::uint64_t> positions_;
  std::vector<solver::Move> moves_;
};

// A demo of deal `deal` of game `game` found by the solver: the search's
// result from the deal's first position, and for a win the recording of it,
// a saved game whose undo history is the win up to its last move (as a demo
// file is). No recording when the win does not play out.
struct FoundDemo {
  solver::Result result;
  std::optional<GameFile> recording;
};
FoundDemo FindDemo(const Session& prepared, int game, const std::string& deal, const solver::SolveOptions& options);

struct WinnableSearch {
  // The deal numbers to try, in order; the last is played when none is proved.
  std::vector<std::string> deals;
  std::int64_t positionsPerDeal = 20000;
  // The whole search stops after this long, the deal being searched counted
  // as not proved; 0: no limit.
  std::chrono::milliseconds timeBudget{0};
  const std::atomic<bool>* cancel = nullptr;
  // Called from the searching thread: deals tried so far and positions searched in all.
  std::function<void(int tried, std::int64_t positions)> progress;
};

struct WinnableDeal {
  std::string deal;  // the deal to play: the winnable one, else the last tried
  bool winnable = false;
  // The game's moves are not all moves the solver makes: no deal is judged.
  bool cannotJudge = false;
  bool cancelled = false;
  bool outOfTime = false;
  int tried = 0;
  std::int64_t positions = 0;
};

// Tries the deals of game `game` in turn until the solver proves one
// winnable within its budget.
WinnableDeal FindWinnableDeal(const Session& prepared, int game, const WinnableSearch& search);

// Draws the deal numbers to try, as New game draws one.
std::vector<std::string> DrawDealNumbers(const std::function<int(int)>& next, int count);

}  // namespace cardoria
