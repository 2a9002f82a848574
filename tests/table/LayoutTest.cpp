#include "table/Layout.h"

#include <gtest/gtest.h>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria {
namespace {

class LayoutTest : public ::testing::Test {
 protected:
  void Tableau(int count, int arrangement, int row = 2) {
    s.rules.Set(rule::TableauCount, count);
    s.rules.Set(rule::TableauArrangement, arrangement);
    s.rules.Set(rule::TableauRow, row);
    s.rules.Set(rule::TableauLayout, 1);
  }
  void Lay(int width = 1024, int height = 768) {
    TableGeometry g;
    g.formWidth = width;
    g.formHeight = height;
    g.clientHeight = height - 60;
    g.screenWidth = std::max(width, 1024);
    g.screenHeight = std::max(height, 768);
    SetCardSize(s, s.store.Get(pos::kCardSize, 1));
    SetFanSteps(s);
    ComputeLayout(s, g);
  }
  Session s;
};

TEST_F(LayoutTest, ArrangementOneCentresTheRow) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(10, 1);
  Lay();
  // TableWidth 1022: gap trunc(312 / 11) = 28, clamped to 20; T1 X = trunc((1022 - 710 - 180) / 2).
  EXPECT_EQ(s.layout.tableWidth, 1022);
  EXPECT_EQ(s.layout.tableauX[0], 66);
  EXPECT_EQ(s.layout.tableauX[1], 66 + 71 + 20);
  EXPECT_EQ(s.layout.tableauX[9], 66 + 9 * 91);
  EXPECT_EQ(s.layout.tableauY[0], s.layout.tableauY[9]);
  EXPECT_TRUE(OffTable(s.layout.tableauX[10]));
}

TEST_F(LayoutTest, TooWideRowsShrinkOrRunOff) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(13, 14);
  Lay(800, 600);
  // 014 shrinks the gap (never below 4) and starts at the left margin.
  const int gap = s.layout.tableauX[1] - s.layout.tableauX[0] - 71;
  EXPECT_GE(gap, 4);
  EXPECT_EQ(s.layout.tableauX[0], 10);
  Tableau(13, 1);
  Lay(800, 600);
  EXPECT_EQ(s.layout.tableauX[0], 10);
  EXPECT_GT(s.layout.tableauX[12] + 71, 798);  // 001 runs off the right edge
}

TEST_F(LayoutTest, StockAndFoundationsOverTheColumns) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(7, 1);
  s.rules.Set(rule::HasStock, 1);
  s.rules.Set(rule::StockDealsToWaste, 1);
  s.rules.Set(rule::StockGroupCount, 2);
  s.rules.Set(rule::StockArrangement, 4);
  s.rules.Set(rule::StockRow, 1);
  s.rules.Set(rule::FoundationCount, 4);
  s.rules.Set(rule::FoundationArrangement, 7);
  s.rules.Set(rule::FoundationRow, 1);
  Lay();
  EXPECT_EQ(PileX(s, {PileGroup::Stock, kStockItem}), s.layout.tableauX[0]);
  EXPECT_EQ(PileX(s, {PileGroup::Stock, kWasteItem}), s.layout.tableauX[1]);
  for (int f = 0; f < 4; ++f) EXPECT_EQ(PileX(s, {PileGroup::Foundation, f}), s.layout.tableauX[3 + f]);
  EXPECT_LT(PileY(s, {PileGroup::Stock, kStockItem}), s.layout.tableauY[0]);
  EXPECT_FALSE(PileShown(s, {PileGroup::Reserve, 0}));
  EXPECT_FALSE(PileShown(s, {PileGroup::Stock, kSecondWasteItem}));
}

TEST_F(LayoutTest, TheStockAllowanceOnlyWithAStock) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(13, 14);
  s.rules.Set(rule::StockGroupCount, 0);
  Lay(800, 600);
  EXPECT_EQ(s.layout.tableauX[0], 10);
  s.rules.Set(rule::StockGroupCount, 1);
  s.rules.Set(rule::StockArrangement, 4);
  s.rules.Set(rule::StockRow, 1);
  Lay(800, 600);
  EXPECT_EQ(s.layout.tableauX[0], 10 + 9 + 15);
}

TEST_F(LayoutTest, FannedPilesAndCardPositions) {
  s.store.Set(pos::kCardSize, 1, "L");
  Tableau(1, 1);
  Lay();
  std::string pile;
  for (int card = 1; card <= 13; ++card) pile += CardCode(card);
  s.piles.Pile(PileGroup::Tableau, 0) = pile;
  const PileRef first{PileGroup::Tableau, 0};
  // Little cards: thirteen face-up cards reach 36 pixels below one card.
  EXPECT_EQ(PileBottom(s, first) - PileY(s, first), 32 + 36);
  s.store.Set(pos::kCardSize, 1, "B");
  Lay();
  s.cards.SetCardFace(1, '0');
  EXPECT_EQ(CardPositionY(s, first, 0, false) - PileY(s, first), 4 + 11 * 18);
  EXPECT_EQ(CardPositionY(s, first, 0, true) - PileY(s, first), 4 + 12 * 18);
  EXPECT_EQ(CardPositionY(s, first, 12, false), PileY(s, first));
  EXPECT_EQ(CardRectangle(s, 13), CardInPileRect(s, first, 12));
  EXPECT_TRUE(CardRectangle(s, 40).Empty());
}

TEST_F(LayoutTest, BadRowsAndCountsLeavePilesUnused) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(5, 18, 9);  // row digit 9 does not exist
  s.rules.Set(rule::TableauRows, 0);
  Lay();
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(OffTable(s.layout.tableauY[i]));
  Tableau(1, 14);
  Lay(300, 300);  // one pile: no gap to divide
  EXPECT_FALSE(OffTable(s.layout.tableauX[0]));
  Tableau(6, 18, 1);
  s.rules.Set(rule::TableauRows, 0);
  Lay();
  EXPECT_EQ(s.layout.tableauY[0], s.layout.tableauY[5]);  // zero rows count as one
}

TEST_F(LayoutTest, TheScrollBarComesForLongFans) {
  s.store.Set(pos::kCardSize, 1, "B");
  s.store.Set(243, 1, "Y");
  Tableau(1, 1);
  Lay(1024, 400);
  std::string pile;
  for (int card = 1; card <= 40; ++card) pile += CardCode(card);
  s.piles.Pile(PileGroup::Tableau, 0) = pile;
  EXPECT_TRUE(UpdateScrollBar(s, 340));
  EXPECT_TRUE(s.layout.scrollBarShown);
  EXPECT_FALSE(UpdateScrollBar(s, 340));  // stable once shown
  s.piles.Pile(PileGroup::Tableau, 0) = "001";
  EXPECT_TRUE(UpdateScrollBar(s, 340));
  EXPECT_FALSE(s.layout.scrollBarShown);
  s.store.Set(243, 1, "N");
  s.piles.Pile(PileGroup::Tableau, 0) = pile;
  EXPECT_FALSE(UpdateScrollBar(s, 340));
}

}  // namespace
}  // namespace cardoria

namespace cardoria {
namespace {

TEST_F(LayoutTest, TheCrossOfFivePiles) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(5, 52);
  s.rules.Set(rule::FoundationCount, 4);
  s.rules.Set(rule::StockGroupCount, 2);
  Lay();
  const auto& x = s.layout.tableauX;
  const auto& y = s.layout.tableauY;
  // Piles 1, 3 and 5 form the upright of the cross, 2 and 4 its arms.
  EXPECT_EQ(x[0], x[2]);
  EXPECT_EQ(x[2], x[4]);
  EXPECT_EQ(y[1], y[2]);
  EXPECT_EQ(y[2], y[3]);
  EXPECT_EQ(x[2] - x[1], 71 + 35);
  EXPECT_EQ(x[3] - x[2], 71 + 35);
  EXPECT_LT(y[0], y[2]);
  EXPECT_LT(y[2], y[4]);
  EXPECT_EQ(PileX(s, {PileGroup::Foundation, 0}), x[1] + 7);
  EXPECT_TRUE(OffTable(x[5]));
  for (int f = 0; f < 4; ++f) EXPECT_TRUE(PileShown(s, {PileGroup::Foundation, f}));
}

TEST_F(LayoutTest, ABlockOfColumnsWithTheStockBeside) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(8, 95);
  s.rules.Set(rule::StockGroupCount, 1);
  Lay();
  EXPECT_EQ(s.layout.tableauX[1] - s.layout.tableauX[0], 81);
  EXPECT_EQ(s.layout.tableauX[4], s.layout.tableauX[0]);  // four columns to a row
  EXPECT_GT(s.layout.tableauY[4], s.layout.tableauY[0]);
  EXPECT_EQ(s.layout.tableauX[0] - PileX(s, {PileGroup::Stock, kStockItem}), 70 + 71);
}

TEST_F(LayoutTest, ADiscardBlockKeepsTheStockAndTheDiscardsBesideItsRows) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(13, 110, 1);
  s.rules.Set(rule::TableauRows, 3);
  s.rules.Set(rule::HasStock, 1);
  s.rules.Set(rule::StockGroupCount, 1);
  s.rules.Set(rule::SecondWasteCount, 1);
  Lay();
  const auto& x = s.layout.tableauX;
  const auto& y = s.layout.tableauY;
  // Thirteen piles in three rows: five to a row, the last row short.
  EXPECT_EQ(x[1] - x[0], 81);
  EXPECT_EQ(x[5], x[0]);
  EXPECT_EQ(x[10], x[0]);
  EXPECT_EQ(y[5] - y[0], 96 + 10);
  EXPECT_EQ(y[12], y[10]);
  EXPECT_TRUE(OffTable(x[13]));
  // The block is centred, the stock 70 pixels to its left, the discards under the stock.
  EXPECT_EQ(x[0], (1022 - (5 * 81 - 10)) / 2);
  const PileRef stock{PileGroup::Stock, kStockItem}, discards{PileGroup::Stock, kSecondWasteItem};
  EXPECT_EQ(x[0] - PileX(s, stock), 70 + 71);
  EXPECT_EQ(PileX(s, discards), PileX(s, stock));
  EXPECT_EQ(PileY(s, discards), PileY(s, stock) + 96 + 20);
  EXPECT_FALSE(PileShown(s, {PileGroup::Stock, kWasteItem}));
  EXPECT_FALSE(PileShown(s, {PileGroup::Foundation, 0}));  // the selection's store is never shown

  // Without a stock the discards take its place; a narrow table pulls the block to the margin.
  s.rules.Set(rule::HasStock, 0);
  s.rules.Set(rule::StockGroupCount, 0);
  s.rules.Set(rule::TableauRows, 1);
  Tableau(12, 110, 1);
  Lay(800, 600);
  EXPECT_FALSE(PileShown(s, stock));
  EXPECT_EQ(PileY(s, discards), y[0]);
  EXPECT_EQ(x[0] - PileX(s, discards), 15 + 71);
  EXPECT_EQ(y[11], y[0]);
}

// The row games keep one long row in tableau pile 1, a hole before each card.
TEST_F(LayoutTest, ARowOfCardsWrapsAtTheEdgeAndClosesUpOverHoles) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(1, 120, 1);
  s.rules.Set(rule::TableauLayout, 8);
  s.rules.Set(rule::StockGroupCount, 1);
  s.rules.Set(rule::SecondWasteCount, 1);
  Lay();
  const PileRef row{PileGroup::Tableau, 0};
  const PileRef stock{PileGroup::Stock, kStockItem}, discards{PileGroup::Stock, kSecondWasteItem};
  // Stock and discards one above the other at the left, the row beside them.
  EXPECT_EQ(PileX(s, discards), PileX(s, stock));
  EXPECT_GE(PileY(s, discards), PileY(s, stock) + 96);
  EXPECT_GT(PileX(s, row), PileX(s, stock) + 71);
  std::string pile;
  for (int card = 1; card <= 20; ++card) pile += "000" + CardCode(card);
  s.piles.Pile(PileGroup::Tableau, 0) = pile;
  const int x0 = PileX(s, row), y0 = PileY(s, row), pitch = 71 + 6;
  const int perRow = (s.layout.tableWidth - x0 + 6) / pitch;
  ASSERT_GT(perRow, 5);
  ASSERT_LT(perRow, 20);
  // Codes 1, 3, 5 ... are the cards; the holes before them take no room.
  EXPECT_EQ(CardInPileRect(s, row, 1), CardRect(x0, y0, 71, 96));
  EXPECT_EQ(CardInPileRect(s, row, 3).left, x0 + pitch);
  EXPECT_EQ(CardRectangle(s, perRow), CardRect(x0 + (perRow - 1) * pitch, y0, 71, 96));
  EXPECT_EQ(CardRectangle(s, perRow + 1), CardRect(x0, y0 + 96 + 10, 71, 96));
  EXPECT_LE(CardRectangle(s, perRow).right, s.layout.tableWidth);
  EXPECT_EQ(PileBottom(s, row), CardRectangle(s, 20).bottom);
  EXPECT_EQ(NextCardRect(s, row), CardInPileRect(s, row, 41));
  // A card taken out with its hole lets the next card close up.
  const Rect second = CardRectangle(s, 2);
  TakeCard(s.piles.Pile(PileGroup::Tableau, 0), 2, kTakeRemoveWithHole);
  EXPECT_EQ(CardRectangle(s, 3), second);
}

TEST_F(LayoutTest, PilesInARowWithTheDiscardsAfterThem) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(13, 121, 1);
  s.rules.Set(rule::SecondWasteCount, 1);
  Lay(1280, 800);
  EXPECT_EQ(s.layout.tableauX[1] - s.layout.tableauX[0], 81);
  EXPECT_EQ(s.layout.tableauY[12], s.layout.tableauY[0]);
  EXPECT_EQ(PileX(s, {PileGroup::Stock, kSecondWasteItem}), s.layout.tableauX[12] + 71 + 25);
  // Centred: as much room at the left as at the right.
  const int right = s.layout.tableWidth - (PileX(s, {PileGroup::Stock, kSecondWasteItem}) + 71);
  EXPECT_NEAR(s.layout.tableauX[0], right, 1);
}

TEST_F(LayoutTest, AGridOfSevenColumnsWithItsStockWasteAndDiscardsAtTheLeft) {
  s.store.Set(pos::kCardSize, 1, "B");
  Tableau(28, 122, 1);
  s.rules.Set(rule::StockGroupCount, 2);
  s.rules.Set(rule::SecondWasteCount, 1);
  Lay();
  EXPECT_EQ(s.layout.tableauX[7], s.layout.tableauX[0]);
  EXPECT_EQ(s.layout.tableauX[6] - s.layout.tableauX[0], 6 * 81);
  EXPECT_EQ(s.layout.tableauY[27] - s.layout.tableauY[0], 3 * 106);
  const int left = PileX(s, {PileGroup::Stock, kStockItem});
  EXPECT_EQ(PileX(s, {PileGroup::Stock, kWasteItem}), left);
  EXPECT_EQ(PileX(s, {PileGroup::Stock, kSecondWasteItem}), left);
  EXPECT_LT(left + 71, s.layout.tableauX[0]);
  EXPECT_EQ(PileY(s, {PileGroup::Stock, kSecondWasteItem}), s.layout.tableauY[14]);
}

}  // namespace
}  // namespace cardoria
