#pragma once
// A search of its own for the chains across a grid of seven columns: a move
// is a whole chain from the left column to the right one, pressed card by
// card, or the redeal of the middle. The engine carries each one out, so the
// refills from the waste and the mixing of a redeal need no model here.

#include <optional>

#include "solver/Solver.h"

namespace cardoria::solver {

// The verdict for the chain game, or nothing when the table is not one.
// Such a game is won by its score when it is ended: a win ends with the
// move that ends it.
std::optional<Result> SolveChains(const Session& start, const SolveOptions& options);

}  // namespace cardoria::solver
