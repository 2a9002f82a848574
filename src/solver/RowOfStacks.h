#pragma once
// A fast search for the row of stacks, where a stack goes onto one a few
// places to its left when their top cards match. Only the tops matter to
// what can still be done, so a position is the row of tops and nothing
// else; whether two tops match and how far a stack may go is the engine's
// own rule.

#include <optional>

#include "solver/Solver.h"

namespace cardoria::solver {

// The verdict for a game played on a row of stacks, or nothing when the
// table is not one (the general search answers then).
std::optional<Result> SolveRowOfStacks(const Session& start, const SolveOptions& options);

}  // namespace cardoria::solver
