// The pairing and adding games of the catalogue, each played to a win by
// clicks alone on a deal of its own.

#include <gtest/gtest.h>

#include "core/RuleIndex.h"
#include "engine/SelectionTests.h"
#include "support/PlayFixture.h"
#include "support/PressSearch.h"

namespace cardoria {
namespace {

struct SelectionWin {
  const char* name;
  int game;
  const char* deal;
  int maxGroup;  // the most cards one removal takes
};

// The game has ended as a win with every card on the discard pile.
void ExpectWon(test::PlayFixture& play) {
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  const int pack = play.session.rules[rule::CardCount];
  EXPECT_EQ(play.table.lastResult.score, std::to_string(4 * pack));
  EXPECT_EQ(PileCardCount(play.session.piles.Pile(PileGroup::Stock, kSecondWasteItem)), pack);
  EXPECT_TRUE(play.PackIntact());
}

class SelectionGameWin : public ::testing::TestWithParam<SelectionWin> {};

TEST_P(SelectionGameWin, IsWonByClicksAlone) {
  const SelectionWin c = GetParam();
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(c.game, c.deal));
  test::PressSearch search(20000, c.maxGroup);
  const auto presses = search.Solve(play.session);
  ASSERT_TRUE(presses.has_value()) << "no win found in " << search.Nodes() << " positions";

  // The same clicks made again on the real table.
  for (const test::PressMove& move : *presses) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress));
    test::Press(play, move);
    // The click lands on the card it aims at: that card is now selected, or
    // gone with its group.
    if (move.card > 0) {
      ASSERT_TRUE(IsSelected(play.session, move.card) || TableauPileOf(play.session, move.card) < 0)
          << "card " << move.card;
    }
  }
  ExpectWon(play);
  std::printf("%d presses, %d positions searched\n", static_cast<int>(presses->size()), search.Nodes());
}

INSTANTIATE_TEST_SUITE_P(
    Games, SelectionGameWin,
    ::testing::Values(SelectionWin{"Fifteens", 35, "1234567890123", 5}, SelectionWin{"Tens", 36, "4711000000003", 4},
                      SelectionWin{"FourteenOut", 37, "4711000023757", 4},
                      SelectionWin{"Thirteens", 38, "4711000007919", 4}, SelectionWin{"Nestor", 39, "0234435102048", 4},
                      SelectionWin{"SimplePairs", 40, "4711000142545", 4},
                      SelectionWin{"Elevens", 41, "4711000007919", 4},
                      SelectionWin{"Eighteens", 42, "2026121100002", 4}, SelectionWin{"Nines", 43, "4711000015838", 4}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cardoria
