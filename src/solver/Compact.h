#pragma once
// A fast search for the ordinary games of columns, cells and foundations.
// Its position is a few bytes per pile, but every rule it plays by is read
// from the engine's own judge when the search starts, so it cannot drift
// from the game: what the judge cannot be asked in that form, it refuses.

#include <optional>
#include <vector>

#include "solver/Solver.h"

namespace cardoria::solver {

// The verdict of the compact search, or nothing when the game is not one it
// can play; the general search answers those.
std::optional<Result> SolveCompact(const Session& start, const SolveOptions& options);

// Every move the compact search considers from the position (none forced
// home first), or nothing when it does not play this game.
std::optional<std::vector<Move>> CompactMoves(const Session& start);

}  // namespace cardoria::solver
