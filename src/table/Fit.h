#pragma once
// The table scale that fits a dealt game to the window. The layout keeps
// working in its own pixels; the window shows them `scale` times larger (or
// smaller), and lays the table out for its size divided by the scale.

#include <functional>

#include "table/Layout.h"

namespace cardoria {

struct Session;

// Face-up steps a fanned column is given to grow by below the deal: a run
// from King to Ace added to its top card.
inline constexpr int kFanGrowthSteps = 12;

struct FitLimits {
  double low = 0.5;   // never smaller
  double high = 4.0;  // never larger
};

// Whether the piles as dealt lie inside the laid out table: nothing beyond
// its width, the deal's lowest card and kFanGrowthSteps more face-up steps
// of each fanned column inside its height, and no two piles overlapping
// unless `allowed` already has them overlapping (a picture that overlaps by
// design). Reads the layout in place.
bool TableFits(const Session& session, const std::vector<std::pair<int, int>>& allowed = {});
// The pairs of piles (indexes into the shown piles) whose places overlap.
std::vector<std::pair<int, int>> OverlappingPiles(const Session& session);

// How far right the table laid out for `geometry` moves to stand in the
// middle of the width: its dealt piles (a full stock's thickness included)
// get the same room left and right. 0 when they do not fit the window, and
// for the row games, whose row wraps at the table's edge. Lays the table
// out: the caller lays it out again with the shift.
int CentringShift(Session& session, TableGeometry geometry);

// The largest scale in `limits` at which the layout for `geometryAt(scale)`
// fits (TableFits); `limits.low` when none does. Lays the table out many
// times: the caller lays it out again for the scale it takes.
double FitScale(Session& session, const std::function<TableGeometry(double)>& geometryAt, FitLimits limits);

}  // namespace cardoria
