// The legality tests of the families whose rule no build code expresses,
// judged through the same entry point a drop uses.

#include "engine/FamilyRules.h"

#include <gtest/gtest.h>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Legality.h"

namespace cardoria {
namespace {

constexpr int kAceHearts = 1, kSevenHearts = 7, kKingHearts = 13, kAceDiamonds = 14, kKingDiamonds = 26, kAceClubs = 27,
              kKingClubs = 39, kAceSpades = 40, kQueenSpades = 51, kKingSpades = 52;

class FamilyLegalityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.rules.Set(rule::FoundationCount, 4);
    s.rules.Set(rule::TableauCount, 8);
    s.rules.Set(rule::FoundationCapacity, 13);
    for (int i = 0; i < 8; ++i) s.rules.Set(rule::TableauSpace + i, -1);
    s.drag.dragHeight = s.layout.cardHeight;
  }
  void Pile(PileGroup group, int index, const std::string& text) { s.piles.Pile(group, index) = text; }
  void Tableau(int index, const std::string& text) { Pile(PileGroup::Tableau, index, text); }
  void Waste(const std::string& text) { Pile(PileGroup::Stock, kWasteItem, text); }
  // `count` distinct cards from `first` on.
  static std::string Cards(int first, int count) {
    std::string text;
    for (int k = 0; k < count; ++k) text += CardCode(first + k);
    return text;
  }
  std::string Accepting(int card) {
    std::string piles;
    for (int t = 0; t < s.rules[rule::TableauCount]; ++t)
      if (CanDropOnPile(s, card, "Fila" + std::to_string(t + 1))) piles += std::to_string(t + 1);
    return piles;
  }
  Session s;
};

// The waste card goes only to the pile after the fullest one; the later of
// equal piles counts, and after the last pile the first comes again.
TEST_F(FamilyLegalityTest, StockFirstRuleThreeDesignatesThePileAfterTheFullest) {
  s.rules.Set(rule::TableauCount, 4);
  s.rules.Set(rule::StockFirstRule, 3);
  Waste("049050");
  struct Case {
    int sizes[4];
    const char* accepting;
  } cases[] = {
      {{3, 5, 5, 2}, "4"},
      {{1, 1, 1, 4}, "1"},
      {{0, 0, 0, 0}, "1"},
      {{2, 2, 1, 1}, "3"},
  };
  for (const Case& c : cases) {
    int next = 1;
    for (int t = 0; t < 4; ++t, next += c.sizes[t - 1]) Tableau(t, Cards(next, c.sizes[t]));
    EXPECT_EQ(Accepting(50), c.accepting) << c.sizes[0] << c.sizes[1] << c.sizes[2] << c.sizes[3];
    EXPECT_EQ(Accepting(1), "") << "a tableau card waits for the stock and waste to run out";
  }
}

TEST_F(FamilyLegalityTest, StockFirstRuleTwoCountsThePilesByTheWaste) {
  s.rules.Set(rule::TableauCount, 12);
  s.rules.Set(rule::StockFirstRule, 2);
  s.rules.Set(rule::WasteDealCount, 40);
  struct Case {
    int waste;
    int designated;
  } cases[] = {
      {40, 0}, {39, 1}, {29, 11},
      {28, 0}, {1, 3},  {42, 10},  // more cards than were dealt to it: the count runs backwards
  };
  for (const Case& c : cases) {
    Waste(Cards(1, c.waste));
    for (int t = 0; t < 12; ++t) EXPECT_EQ(DesignatedPile(s, 2, t), t == c.designated) << c.waste << " " << t;
  }
  Waste(Cards(1, 39));
  EXPECT_EQ(Accepting(39), "2");
  Tableau(5, "045");
  EXPECT_EQ(Accepting(45), "") << "only the waste's cards are offered";
}

// Codes 45 and 38 (Kings) and 48 (Queens) while the waste holds a card: the
// card of the rank opens the first empty pile, any other card goes onto the
// last filled pile, and a tableau card goes nowhere.
TEST_F(FamilyLegalityTest, WasteCardsFillThePilesFromTheLeft) {
  struct Case {
    int code;
    int card;
    const char* accepting;
  } cases[] = {
      {45, kKingHearts, "3"},  {45, kSevenHearts, "2"}, {45, kQueenSpades, "2"}, {38, kKingSpades, "3"},
      {38, kSevenHearts, "2"}, {48, kQueenSpades, "3"}, {48, kKingHearts, "2"},
  };
  for (const Case& c : cases) {
    for (int t = 0; t < 8; ++t) s.rules.Set(rule::TableauBuild + t, c.code);
    Tableau(0, CardCode(kKingClubs));
    Tableau(1, "025024");  // Q, J of diamonds
    for (int t = 2; t < 8; ++t) Tableau(t, "");
    Waste(CardCode(c.card));
    EXPECT_EQ(Accepting(c.card), c.accepting) << c.code << " " << c.card;
    EXPECT_EQ(Accepting(24), "") << c.code << ": a tableau card while the waste holds one";
  }
  for (int t = 0; t < 8; ++t) s.rules.Set(rule::TableauBuild + t, 45);
  for (int t = 0; t < 8; ++t) Tableau(t, Cards(1 + t, 1));
  Waste(CardCode(kSevenHearts + 13));
  EXPECT_EQ(Accepting(kSevenHearts + 13), "8") << "the eighth pile needs only the seventh filled";
  for (int t = 1; t < 8; ++t) Tableau(t, "");
  Tableau(0, CardCode(kKingClubs));
  EXPECT_EQ(Accepting(kSevenHearts + 13), "1") << "the first pile needs only the second empty";
}

// With the waste empty the codes build as their own rules say.
TEST_F(FamilyLegalityTest, KingAndQueenCodesOnceTheWasteIsEmpty) {
  struct Case {
    int code;
    const char* pile;  // what tableau pile 1 holds
    int card;
    bool accepted;
  } cases[] = {
      {45, "", kKingHearts, true},     {45, "", kQueenSpades, false},    {45, "039", kSevenHearts, true},
      {45, "039", kKingHearts, false}, {45, "039025", 24, true},         {45, "039025", 23, false},
      {38, "039", kSevenHearts, true}, {38, "039", kQueenSpades, false}, {38, "039025", 24, false},
      {38, "007", 6, false},           {48, "", kQueenSpades, true},     {48, "051", kKingHearts, true},
      {48, "051", 12, false},          {48, "052", 11, false},
  };
  for (const Case& c : cases) {
    s.rules.Set(rule::TableauBuild, c.code);
    Tableau(0, c.pile);
    Tableau(1, CardCode(c.card));
    EXPECT_EQ(CanDropOnPile(s, c.card, "Fila1"), c.accepted) << c.code << " " << c.pile << " " << c.card;
  }
}

// Aces start foundations 1-2 and Kings 3-4; a pair shares one colour, the
// other pair has the other, and no suit starts twice.
TEST_F(FamilyLegalityTest, AceAndKingFoundationsStartInBalancedColours) {
  for (int code : {58, 64}) {
    for (int f = 0; f < 4; ++f) {
      s.rules.Set(rule::FoundationBuild + f, code);
      s.rules.Set(rule::FoundationDirection + f, f < 2 ? 1 : 0);
    }
    Pile(PileGroup::Foundation, 0, CardCode(kAceHearts));
    Pile(PileGroup::Foundation, 1, "");
    Waste("");
    auto dest = [&](int card, int f) { return CanDropOnPile(s, card, "Dest" + std::to_string(f)); };
    EXPECT_TRUE(dest(kAceDiamonds, 2)) << code;
    EXPECT_FALSE(dest(kAceClubs, 2)) << code;
    EXPECT_FALSE(dest(kAceSpades, 2)) << code;
    EXPECT_TRUE(dest(kKingClubs, 3)) << code;
    EXPECT_TRUE(dest(kKingSpades, 4)) << code;
    EXPECT_FALSE(dest(kKingDiamonds, 3)) << code;
    EXPECT_FALSE(dest(kKingHearts, 4)) << code;
    EXPECT_FALSE(dest(kKingClubs, 2)) << code << ": Kings start only foundations 3-4";
    EXPECT_FALSE(dest(kAceDiamonds, 3)) << code << ": Aces start only foundations 1-2";
    EXPECT_FALSE(dest(2 + 13, 2)) << code;
    Pile(PileGroup::Foundation, 2, CardCode(kKingClubs));
    EXPECT_TRUE(dest(kKingSpades, 4)) << code;
    EXPECT_FALSE(dest(kKingClubs + 52, 4)) << code << ": clubs started already";
    // Built on: up by suit on the Aces, down by suit on the Kings.
    EXPECT_TRUE(dest(2, 1)) << code;
    EXPECT_FALSE(dest(2 + 13, 1)) << code;
    EXPECT_TRUE(dest(kKingClubs - 1, 3)) << code;
    EXPECT_FALSE(dest(2 + 26, 3)) << code;
    Pile(PileGroup::Foundation, 2, "");
  }
}

// While the stock holds cards, piles 5-8 feed only the foundation four places
// before them.
TEST_F(FamilyLegalityTest, OuterPilesFeedTheirOwnFoundationWhileTheStockLasts) {
  for (int f = 0; f < 4; ++f) {
    s.rules.Set(rule::FoundationBuild + f, 58);
    s.rules.Set(rule::FoundationDirection + f, f < 2 ? 1 : 0);
  }
  Pile(PileGroup::Foundation, 0, CardCode(kAceHearts));
  Pile(PileGroup::Foundation, 1, CardCode(kAceDiamonds));
  Tableau(4, "002");  // 2 of hearts on pile 5
  Tableau(6, "015");  // 2 of diamonds on pile 7
  Pile(PileGroup::Stock, kStockItem, "030");
  EXPECT_TRUE(CanDropOnPile(s, 2, "Dest1"));
  EXPECT_FALSE(CanDropOnPile(s, 15, "Dest2"));
  Pile(PileGroup::Stock, kStockItem, "");
  EXPECT_TRUE(CanDropOnPile(s, 15, "Dest2"));
}

TEST_F(FamilyLegalityTest, OnlyCardsFromOutsideTheTableauFillAnEmptyPile) {
  for (int t = 0; t < 8; ++t) s.rules.Set(rule::TableauBuild + t, 67);
  Tableau(0, "005");
  Waste("006");
  Pile(PileGroup::Reserve, 0, "007");
  s.rules.Set(rule::ReserveCount, 1);
  EXPECT_TRUE(CanDropOnPile(s, 6, "Fila2"));
  EXPECT_TRUE(CanDropOnPile(s, 7, "Fila2"));
  EXPECT_FALSE(CanDropOnPile(s, 5, "Fila2"));
  EXPECT_FALSE(CanDropOnPile(s, 6, "Fila1"));
}

// A 3 x 3 grid: a card jumps two places along a row or a column into an
// empty pile, over a pile that holds a card, never across a row's end.
TEST_F(FamilyLegalityTest, JumpsGoTwoPlacesOverACard) {
  s.rules.Set(rule::TableauCount, 9);
  s.rules.Set(rule::AdjacencyCols, 3);
  for (int t = 0; t < 9; ++t) s.rules.Set(rule::TableauBuild + t, 71);
  auto lay = [&](const char* grid) {
    for (int t = 0; t < 9; ++t) Tableau(t, grid[t] == 'x' ? CardCode(t + 1) : std::string());
  };
  struct Case {
    const char* grid;
    int card;  // the card of the pile numbered like it
    const char* accepting;
  } cases[] = {
      {"xx.xxxxxx", 1, "3"},  // along the row over pile 2
      {"x.......x", 1, ""},   // nothing to jump over
      {"xxx.xxx.x", 3, ""},   // pile 4 is two away but in the next row
      {"xxxxxx.xx", 1, "7"},  // down the column over pile 4
      {"x.xxxx.xx", 9, "7"},  // along the bottom row over pile 8, not up over 6 (3 is full)
      {"xxxx.xxxx", 5, ""},   // the middle has no two-away places
  };
  for (const Case& c : cases) {
    lay(c.grid);
    EXPECT_EQ(Accepting(c.card), c.accepting) << c.grid << " card " << c.card;
  }
  lay("xx.xxxxxx");
  EXPECT_EQ(JumpedPile(s, 1, 2), 1);
  EXPECT_EQ(JumpedPile(s, 9, 2), 5);
  EXPECT_EQ(JumpedPile(s, 3, 4), -1);
  s.rules.Set(rule::AdjacencyCols, 0);
  EXPECT_EQ(Accepting(1), "") << "no grid, no jump";
}

}  // namespace
}  // namespace cardoria
