// The solvability tests behind the deals of the puzzle boards, on boards
// whose answer is known.

#include "deal/Boards.h"

#include <gtest/gtest.h>

namespace cardoria {
namespace {

TEST(Boards, SlidingBoardsOfEitherWidth) {
  struct Case {
    const char* name;
    std::vector<int> places;
    int columns;
    bool solvable;
  } cases[] = {
      {"three wide, in order", {0, 1, 2, 3, 4, 5, 6, 7, -1}, 3, true},
      {"three wide, the last two exchanged", {0, 1, 2, 3, 4, 5, 7, 6, -1}, 3, false},
      {"three wide, the empty place slid to the top", {0, 1, -1, 3, 4, 2, 6, 7, 5}, 3, true},
      {"four wide, in order", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1}, 4, true},
      {"four wide, 14 and 15 exchanged", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, -1}, 4, false},
      // One slide up: the card passes three others and the empty place changes row.
      {"four wide, one slide up", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 12, 13, 14, 11}, 4, true},
      {"four wide, the empty place a row up without a slide",
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 11, 12, 13, 14},
       4,
       false},
  };
  for (const Case& c : cases) EXPECT_EQ(SlidingBoardSolvable(c.places, c.columns), c.solvable) << c.name;
}

TEST(Boards, PegBoards) {
  const std::uint32_t full = 0xFFFFu;
  // On four by four an empty corner leads nowhere, an empty place beside it does.
  EXPECT_FALSE(PegBoardClears(16, 4, full & ~1u));
  EXPECT_TRUE(PegBoardClears(16, 4, full & ~2u));
  // Two cards side by side clear; two apart never meet.
  EXPECT_TRUE(PegBoardClears(16, 4, 0b0011u));
  EXPECT_FALSE(PegBoardClears(16, 4, 0b1001u));
  // A jump never runs over the end of a row into the next.
  EXPECT_FALSE(PegBoardClears(16, 4, 1u << 3 | 1u << 4));
  // Too big a board is not searched.
  EXPECT_FALSE(PegBoardClears(25, 5, 1u));
}

}  // namespace
}  // namespace cardoria
