#include "table/Fit.h"

#include <gtest/gtest.h>

#include "core/RuleIndex.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

constexpr int kFreecell = 1, kKlondike = 2, kSpider = 4, kFortyThieves = 6, kCanfield = 7, kDoubleKlondike = 19;

// A window of `width` x `height` pixels, as the layout sees it at a scale.
std::function<TableGeometry(double)> Window(int width, int height) {
  return [=](double scale) {
    TableGeometry g;
    g.formWidth = static_cast<int>(width / scale);
    g.clientHeight = static_cast<int>(height / scale);
    g.formHeight = g.clientHeight + 60;
    g.screenWidth = g.formWidth;
    g.screenHeight = g.clientHeight;
    return g;
  };
}

// Nothing beyond the right edge, no two piles on one another.
::testing::AssertionResult ClearOfEdgesAndEachOther(const Session& s) {
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Reserve, PileGroup::Tableau})
    for (int i = 0; i < static_cast<int>(s.piles.Items(group).size()); ++i) {
      const PileRef pile{group, i};
      if (!PileShown(s, pile)) continue;
      const Rect top = TopCardRect(s, pile);
      if (top.left < 0 || top.right > s.layout.tableWidth)
        return ::testing::AssertionFailure()
               << PileName(pile) << " at " << top.left << ".." << top.right << " of " << s.layout.tableWidth;
    }
  if (!OverlappingPiles(s).empty()) return ::testing::AssertionFailure() << "piles overlap";
  return ::testing::AssertionSuccess();
}

TEST(FitScale, NarrowWindowsShrinkTheCardsUntilEveryPileFits) {
  for (int game : {kSpider, kFortyThieves, kDoubleKlondike}) {
    test::PlayFixture play;
    ASSERT_TRUE(play.Start(game, "1"));
    Session& s = play.session;
    const auto window = Window(800, 540);
    ComputeLayout(s, window(1.0));
    EXPECT_FALSE(ClearOfEdgesAndEachOther(s) && TableFits(s)) << game << " fits unscaled";
    const double scale = FitScale(s, window, {});
    EXPECT_LT(scale, 1.0) << game;
    ComputeLayout(s, window(scale));
    EXPECT_TRUE(ClearOfEdgesAndEachOther(s)) << game;
  }
}

TEST(FitScale, WideWindowsGrowTheCardsToTheRoomTheFansNeed) {
  for (int game : {kFreecell, kKlondike, kCanfield}) {
    test::PlayFixture play;
    ASSERT_TRUE(play.Start(game, "1"));
    Session& s = play.session;
    const auto window = Window(1920, 960);
    const double scale = FitScale(s, window, {});
    EXPECT_GT(scale, 1.3) << game;
    ComputeLayout(s, window(scale));
    EXPECT_TRUE(ClearOfEdgesAndEachOther(s)) << game;
    // The longest column can grow by a whole run and still be seen.
    int lowest = 0;
    for (int t = 0; t < kTableauPiles; ++t)
      if (PileShown(s, {PileGroup::Tableau, t})) lowest = std::max(lowest, PileBottom(s, {PileGroup::Tableau, t}));
    EXPECT_LE(lowest + kFanGrowthSteps * s.layout.fan.faceUpDown, s.layout.clientHeight) << game;
    // A few percent larger and it would not (the table's pixels are whole,
    // so the fit is not exact to the last digit).
    ComputeLayout(s, window(scale * 1.05));
    EXPECT_FALSE(TableFits(s)) << game << " at " << scale;
  }
}

// A row game deals its row one card at a time: the table is fitted to the
// row it may come to, the whole pack, not to the empty row of the deal.
TEST(FitScale, ARowGameIsFittedToAWholePackInItsRow) {
  constexpr int kDecade = 50;
  test::PlayFixture play;
  ASSERT_TRUE(play.Start(kDecade, "1"));
  Session& s = play.session;
  const auto window = Window(1280, 740);
  const double scale = FitScale(s, window, {});
  ComputeLayout(s, window(scale));
  const PileRef row{PileGroup::Tableau, 0};
  EXPECT_LE(RowSlotRect(s, row, 51).bottom, s.layout.clientHeight);
  EXPECT_LE(RowSlotRect(s, row, 51).right, s.layout.tableWidth);
  ComputeLayout(s, window(scale * 1.05));
  EXPECT_GT(RowSlotRect(s, row, 51).bottom, s.layout.clientHeight) << scale;
}

// Moved to the middle, a fitted table still fits: its piles move together,
// as far as the room beside them allows and no further. A row game and a
// table that does not fit stay where the layout put them.
TEST(FitScale, TheFittedTableMovedToTheMiddleStillFits) {
  constexpr int kDecade = 50;
  for (int game : {kFreecell, kKlondike, kSpider, kFortyThieves, kCanfield, kDoubleKlondike})
    for (const auto& [width, height] : {std::pair{1600, 1000}, {800, 540}, {1920, 700}}) {
      SCOPED_TRACE(std::to_string(game) + " in " + std::to_string(width) + "x" + std::to_string(height));
      test::PlayFixture play;
      ASSERT_TRUE(play.Start(game, "1"));
      Session& s = play.session;
      const auto window = Window(width, height);
      const double scale = FitScale(s, window, {});
      ComputeLayout(s, window(scale));
      const int firstX = PileX(s, {PileGroup::Tableau, 0}), stockX = PileX(s, {PileGroup::Stock, kStockItem});
      TableGeometry centred = window(scale);
      centred.shiftX = CentringShift(s, centred);
      ComputeLayout(s, centred);
      EXPECT_EQ(PileX(s, {PileGroup::Tableau, 0}), firstX + centred.shiftX);
      EXPECT_EQ(PileX(s, {PileGroup::Stock, kStockItem}), stockX + centred.shiftX);
      EXPECT_TRUE(ClearOfEdgesAndEachOther(s));
      EXPECT_TRUE(TableFits(s));
    }
  test::PlayFixture row;
  ASSERT_TRUE(row.Start(kDecade, "1"));
  EXPECT_EQ(CentringShift(row.session, Window(1280, 740)(1.0)), 0);
  test::PlayFixture spider;
  ASSERT_TRUE(spider.Start(kSpider, "1"));
  EXPECT_EQ(CentringShift(spider.session, Window(300, 200)(1.0)), 0) << "too narrow for the table";
}

TEST(FitScale, NeverBelowTheLowLimit) {
  test::PlayFixture play;
  ASSERT_TRUE(play.Start(kSpider, "1"));
  EXPECT_EQ(FitScale(play.session, Window(200, 150), {}), 0.5);
  EXPECT_EQ(FitScale(play.session, Window(200, 150), {1.0, 2.0}), 1.0);
  // A huge window stops at the high limit.
  EXPECT_EQ(FitScale(play.session, Window(20000, 20000), {0.5, 3.0}), 3.0);
}

}  // namespace
}  // namespace cardoria
