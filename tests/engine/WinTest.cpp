// Whole games played to a win through the mouse handlers alone.

#include <gtest/gtest.h>

#include "support/PlayFixture.h"
#include "support/Solver.h"

namespace cardoria {
namespace {

struct WinCase {
  int game;
  const char* deal;
};

class WinTest : public ::testing::TestWithParam<WinCase> {};

TEST_P(WinTest, PlaysADealToAWin) {
  const WinCase c = GetParam();
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(c.game, c.deal, true));
  test::Solver solver(20000);
  const auto moves = solver.Solve(play.session);
  ASSERT_TRUE(moves.has_value()) << "no win found in " << solver.Nodes() << " positions";

  // The same moves made again, by the mouse, on the real table.
  for (const test::SolverMove& move : *moves) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress));
    if (move.card == 0) {
      play.Click(move.target);
    } else {
      play.Drag(move.card, move.target);
    }
  }
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, std::to_string(4 * play.session.rules[284]));
  EXPECT_EQ(play.table.lastResult.gameNumber, c.game);
  EXPECT_TRUE(play.PackIntact());
  std::printf("%d moves, %d positions searched\n", static_cast<int>(moves->size()), solver.Nodes());
}

INSTANTIATE_TEST_SUITE_P(Games, WinTest, ::testing::Values(WinCase{1, "8"}, WinCase{2, "3"}),
                         [](const auto& info) { return info.param.game == 1 ? "Freecell" : "Klondike"; });

}  // namespace
}  // namespace cardoria
