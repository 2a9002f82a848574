#pragma once
// The straight flight of a card: the positions of its frames.

#include <utility>
#include <vector>

#include "core/Piles.h"

namespace cardoria {

struct FlightPoint {
  int x, y;
  bool operator==(const FlightPoint&) const = default;
};

// Frame positions from (fromX, fromY) to (toX, toY), the target last. The
// major axis advances trunc(D / (0.0128 D + 4) + 0.5) a frame (30% of that
// when fast), never less than one pixel, so every flight ends; a flight of
// no distance has the target as its only frame.
std::vector<FlightPoint> FlightPath(int fromX, int fromY, int toX, int toY, bool fast);

struct Session;

// Where the cards of a new deal fly from: the stock, or the waste when only
// it holds cards; in a game with neither on the table, reserve 1 while it
// holds at most one card, then the second waste, foundation 1, tableau 1.
PileRef DealOrigin(const Session& session);

}  // namespace cardoria
