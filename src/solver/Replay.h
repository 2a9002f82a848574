#pragma once
// Carrying out a solver move the way a player does, through the table's
// mouse handlers: the search, the tests, the window's hints and the demos
// all replay moves through here, so a line the solver reports is one the
// player could have made.

#include <cstdint>

#include "solver/Solver.h"

namespace cardoria {
class Engine;
struct Session;
}  // namespace cardoria

namespace cardoria::solver {

// Presses, drags and releases as the move says; true when the table changed.
bool PlayMove(Engine& engine, Session& session, const Move& move);

// The same without telling whether anything changed, for callers that judge
// that themselves.
void PerformMove(Engine& engine, Session& session, const Move& move);

// A 64-bit digest of what the player sees and what play still allows: every
// pile with the faces of its cards, the passes through the stock and the
// deals made.
std::uint64_t PositionHash(const Session& session);

}  // namespace cardoria::solver
