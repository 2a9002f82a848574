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

// The game has ended as a win with every card on the discard pile.
void ExpectWon(test::PlayFixture& play) {
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, "208");
  EXPECT_EQ(PileCardCount(play.session.piles.Pile(PileGroup::Stock, kSecondWasteItem)), 52);
  EXPECT_TRUE(play.PackIntact());
}

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
  ExpectWon(play);
  std::printf("%d presses, %d positions searched\n", static_cast<int>(presses->size()), search.Nodes());
}

INSTANTIATE_TEST_SUITE_P(
    Games, SelectionGameWin,
    ::testing::Values(SelectionWin{"Tens", 36, "4711000000003"}, SelectionWin{"FourteenOut", 37, "4711000023757"},
                      SelectionWin{"Thirteens", 38, "4711000007919"}, SelectionWin{"Nestor", 39, "4711000213816"},
                      SelectionWin{"SimplePairs", 40, "4711000142545"}, SelectionWin{"Elevens", 41, "4711000007919"},
                      SelectionWin{"Eighteens", 42, "4711000007919"}, SelectionWin{"Nines", 43, "4711000015838"}),
    [](const auto& info) { return std::string(info.param.name); });

// Fifteens takes groups of up to five cards from sixteen piles: too many for
// the search to try in a test. This line was found once by it and is
// replayed here by the mouse, card by card.
TEST(ScriptedSelectionWin, FifteensIsClearedByGroupsThatMakeFifteen) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(35, "4711000087109"));
  const int presses[] = {10, 14, 15, 50, 24, 42, 49, 50, 8,  15, 29, 36, 4,  9,  21, 37, 10, 24, 35, 38,
                         10, 24, 36, 41, 24, 35, 36, 49, 12, 25, 34, 51, 7,  11, 31, 52, 7,  13, 27, 52,
                         24, 37, 45, 50, 7,  31, 42, 28, 30, 35, 45, 27, 28, 5,  27, 28, 41, 5,  28, 34};
  for (int card : presses) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress));
    test::Press(play, {card, {}});
  }
  ExpectWon(play);
}

}  // namespace
}  // namespace cardoria
