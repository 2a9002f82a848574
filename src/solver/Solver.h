#pragma once
// One search for every game of the catalogue: it plays by the engine's own
// rules, so a move the game allows is a move the solver knows, and every
// line it reports can be replayed through the mouse.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cardoria {
struct Session;
}

namespace cardoria::solver {

enum class Verdict {
  Winnable,     // with the moves that win
  CannotBeWon,  // every position reachable was searched and none is a win
  Unknown,      // the budget ran out (or the search was cancelled) first
  CannotJudge,  // the game's moves are not all moves the solver can make
};

// What the search knew of the deal. A game with face-down cards or a stock
// is searched with the whole deal known; the verdict then says that someone
// who knew every card could win it, not that it can be won by play.
enum class Knowledge { FullDeal, Visible };

// One action of the player, as `cardoria-cli play` takes it.
struct Move {
  // End: the game is ended where it stands, as Quit game does; the games
  // won by their score when ended are won that way.
  enum Kind { Drag, Click, Select, End } kind = Drag;
  int card = 0;      // Drag and Select: the card code; Click: 0
  std::string pile;  // Drag: the destination ("Fila3", "Dest1", "Appogg2", "Mazzo_Vis"...); Click: the pile clicked
  int place = 0;     // Drag into a gap of a row: its place in the row, from 1; 0 for the end of the pile
  // "drag 041 Fila3", "drag 041 Fila3 5", "click Mazzo", "select 013", "quit".
  std::string Command() const;
  bool operator==(const Move&) const = default;
};

struct SolveOptions {
  std::int64_t maxPositions = 200000;
  std::size_t maxMemoryBytes = std::size_t{512} << 20;
  // Set from any thread to stop the search; the result is then Unknown.
  const std::atomic<bool>* cancel = nullptr;
  // Called now and then from the searching thread with the positions so far.
  std::function<void(std::int64_t positions)> progress;
};

struct Result {
  Verdict verdict = Verdict::Unknown;
  Knowledge knowledge = Knowledge::FullDeal;
  std::int64_t positions = 0;
  bool cancelled = false;
  std::vector<Move> moves;  // Winnable only: from the position given to the win
  std::string reason;       // CannotJudge only: why, in a sentence for the player
};

// Searches from the position on the session's table; the session is not changed.
Result Solve(const Session& start, const SolveOptions& options = {});

// The move to suggest now: the first move of a win when one is found within
// the options' budget, otherwise the best move by the search's heuristic;
// nothing when no move is left.
std::optional<Move> Hint(const Session& start, const SolveOptions& options = {});

// The verdict in words for the player, e.g. "This deal can be won (with every
// card known): 87 moves."
std::string Describe(const Result& result);

}  // namespace cardoria::solver
