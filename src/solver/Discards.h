#pragma once
// A fast search for the games of one discard pile: the top card of a column
// goes onto the discards when it is one rank from their top card, and the
// stock, if any, deals its cards onto them one at a time. What can still be
// done depends only on how many cards each column and the stock hold and on
// the discards' top card, so a position is those few numbers; whether a card
// fits is the engine's own rule.

#include <optional>

#include "solver/Solver.h"

namespace cardoria::solver {

// The verdict for such a game, or nothing when the table is not one (the
// general search answers then).
std::optional<Result> SolveDiscards(const Session& start, const SolveOptions& options);

}  // namespace cardoria::solver
