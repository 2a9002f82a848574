#pragma once
// The small boxes two families show on the table: the next rank each
// foundation wants in the game of intervals, and the count of drops left
// before the tableau may reach the foundations in the family that blocks it.
// Computed from the piles at every redraw, so they never go stale.

#include <string>
#include <vector>

#include "core/PlayState.h"

namespace cardoria {

struct Session;

// A white box with a centred text in screen coordinates; an empty text
// leaves the table's background showing.
struct TableNote {
  Rect box;
  std::string text;
};

// Four boxes above foundations 1-4; none outside the family.
std::vector<TableNote> IntervalHints(const Session& session);
// The box under the waste; none outside the family.
std::vector<TableNote> BlockCounter(const Session& session);

}  // namespace cardoria
