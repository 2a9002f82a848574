// The pairing and adding games of the catalogue, each played to a win by
// clicks alone on a deal of its own.

#include <gtest/gtest.h>

#include "support/PlayFixture.h"
#include "support/PressSearch.h"

namespace cardoria {
namespace {

struct SelectionWin {
  const char* name;
  int game;
  const char* deal;
};

class SelectionGameWin : public ::testing::TestWithParam<SelectionWin> {};

TEST_P(SelectionGameWin, IsWonByClicksAlone) {
  const SelectionWin c = GetParam();
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(c.game, c.deal));
  test::PressSearch search(20000);
  const auto presses = search.Solve(play.session);
  ASSERT_TRUE(presses.has_value()) << "no win found in " << search.Nodes() << " positions";

  // The same clicks made again on the real table.
  for (const test::PressMove& move : *presses) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress));
    test::Press(play, move);
  }
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, "208");
  EXPECT_EQ(PileCardCount(play.session.piles.Pile(PileGroup::Stock, kSecondWasteItem)), 52);
  EXPECT_TRUE(play.PackIntact());
  std::printf("%d presses, %d positions searched\n", static_cast<int>(presses->size()), search.Nodes());
}

INSTANTIATE_TEST_SUITE_P(
    Games, SelectionGameWin,
    ::testing::Values(SelectionWin{"Fifteens", 35, "4711000142545"}, SelectionWin{"Tens", 36, "4711000000003"},
                      SelectionWin{"FourteenOut", 37, "4711000023757"}, SelectionWin{"Thirteens", 38, "4711000007919"},
                      SelectionWin{"Nestor", 39, "4711000213816"}, SelectionWin{"SimplePairs", 40, "4711000142545"},
                      SelectionWin{"Elevens", 41, "4711000007919"}, SelectionWin{"Eighteens", 42, "4711000007919"},
                      SelectionWin{"Nines", 43, "4711000015838"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cardoria
