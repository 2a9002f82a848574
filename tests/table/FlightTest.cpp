#include "table/Flight.h"

#include <gtest/gtest.h>

#include <map>

#include "core/CatalogueFile.h"

#include "support/PlayFixture.h"
#include "table/Layout.h"

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

// Games without a stock deal from reserve 1, the second waste or foundation
// 1, in that order; never from tableau 1 while one of them is on the table.
TEST(Flight, TheDealComesFromTheFirstPileOnTheTableInOrder) {
  test::PlayFixture play;
  std::map<PileGroup, int> origins;
  for (const std::string& line : TextList(play.session.catalogue)) {
    const int number = LineNumber(line);
    ASSERT_TRUE(play.Start(number, "1")) << number;
    const Session& s = play.session;
    const PileRef origin = DealOrigin(s);
    EXPECT_TRUE(PileShown(s, origin) || (origin == PileRef{PileGroup::Tableau, 0})) << number;
    const bool stockGroup =
        PileShown(s, {PileGroup::Stock, kStockItem}) || PileShown(s, {PileGroup::Stock, kWasteItem});
    if (stockGroup) {
      EXPECT_EQ(origin.group, PileGroup::Stock) << number;
      EXPECT_NE(origin.index, kSecondWasteItem) << number;
    } else if (origin.group == PileGroup::Tableau) {
      for (const PileRef earlier : {PileRef{PileGroup::Stock, kSecondWasteItem}, PileRef{PileGroup::Foundation, 0}})
        EXPECT_FALSE(PileShown(s, earlier)) << number;
    }
    ++origins[origin.group];
  }
  EXPECT_GT(origins[PileGroup::Reserve], 0);
  ASSERT_TRUE(play.Start(1, "6095875189"));  // Freecell: the first free cell
  EXPECT_EQ(DealOrigin(play.session), (PileRef{PileGroup::Reserve, 0}));
  ASSERT_TRUE(play.Start(2, "1"));  // Klondike: its stock
  EXPECT_EQ(DealOrigin(play.session), (PileRef{PileGroup::Stock, kStockItem}));
}

}  // namespace
}  // namespace cardoria
