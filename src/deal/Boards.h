#pragma once
// The puzzle boards are dealt only as boards that can be solved: the sliding
// board (Eight Puzzle) and the peg board (Peg Solitaire). A board that can be solved
// is left as the pack dealt it; another is mended with the cards already on
// it, so the deal number alone still decides the table.

#include <cstdint>
#include <vector>

namespace cardoria {

struct Session;

// A sliding board can be put in order. `places` holds, row by row, the place
// each card belongs in (0 to places.size() - 2), or -1 for the empty place.
bool SlidingBoardSolvable(const std::vector<int>& places, int columns);
// Jumps can take a peg board down to one card. Bit i of `pegs` is place i of
// a board `columns` wide and `places` long; a card jumps a neighbour in its
// row or column into the empty place beyond it, and the neighbour leaves.
bool PegBoardClears(int places, int columns, std::uint32_t pegs);

// The tableau's board, mended when it cannot be solved: the sliding board by
// an exchange of its first two cards, the peg board by moving the card of
// the first place (from the empty one on) that would leave a board that can
// be cleared into the empty place.
void MakeSlidingBoardSolvable(Session& session);
void MakePegBoardSolvable(Session& session);

}  // namespace cardoria
