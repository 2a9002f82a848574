#include "table/Flight.h"

#include <gtest/gtest.h>

namespace cardoria {
namespace {

TEST(Flight, StraightLinesThatAlwaysEnd) {
  struct Case {
    int fromX, fromY, toX, toY;
    bool fast;
  } cases[] = {
      {0, 0, 500, 100, false}, {500, 400, 10, 10, false}, {0, 0, 3, 0, true},  // a step that rounds to zero
      {7, 7, 7, 7, false},                                                     // no distance at all
      {0, 0, 0, -300, true},
  };
  for (const auto& c : cases) {
    const auto path = FlightPath(c.fromX, c.fromY, c.toX, c.toY, c.fast);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), (FlightPoint{c.toX, c.toY}));
    EXPECT_LE(path.size(), 600u);
    for (std::size_t k = 1; k < path.size(); ++k) {
      // Every frame moves towards the target along the major axis.
      EXPECT_LE(std::abs(path[k].x - c.toX), std::abs(path[k - 1].x - c.toX));
      EXPECT_LE(std::abs(path[k].y - c.toY), std::abs(path[k - 1].y - c.toY));
    }
  }
  // 500 pixels: step trunc(500 / 10.4 + 0.5) = 48, so 11 frames.
  EXPECT_EQ(FlightPath(0, 0, 500, 0, false).size(), 11u);
  EXPECT_EQ(FlightPath(0, 0, 500, 0, false)[0], (FlightPoint{48, 0}));
}

}  // namespace
}  // namespace cardoria
