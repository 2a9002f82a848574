#include "engine/Legality.h"

#include <gtest/gtest.h>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "support/CardNames.h"

namespace cardoria {
namespace {

// A table built by hand: piles and rules set directly.
class LegalityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.rules.Set(rule::FoundationCount, 4);
    s.rules.Set(rule::TableauCount, 8);
    s.rules.Set(rule::ReserveCount, 4);
    s.rules.Set(rule::FoundationCapacity, 13);
    for (int i = 0; i < 4; ++i) {
      s.rules.Set(rule::FoundationBase + i, 1);
      s.rules.Set(rule::FoundationDirection + i, 1);
    }
    for (int i = 0; i < 8; ++i) {
      s.rules.Set(rule::TableauBuild + i, 3);
      s.rules.Set(rule::TableauSpace + i, -1);
    }
    Single();
  }
  void Single() { s.drag.dragHeight = s.layout.cardHeight; }
  void Group() { s.drag.dragHeight = s.layout.cardHeight * 3; }
  void Pile(PileGroup group, int index, const std::string& text) { s.piles.Pile(group, index) = text; }
  Session s;
};

// Every card of the pack that a column takes by its build and empty rules,
// one card lifted from a column of its own.
std::string Takes(Session& s, const std::string& column) {
  std::string taken;
  for (int card = 1; card <= 52; ++card) {
    if (column.find(CardCode(card)) != std::string::npos) continue;
    s.piles.Pile(PileGroup::Tableau, 0) = column;
    s.piles.Pile(PileGroup::Tableau, 1) = CardCode(card);
    if (CanDropOnPile(s, card, "Fila1")) taken += (taken.empty() ? "" : " ") + test::CardName(card);
  }
  return taken;
}

TEST_F(LegalityTest, EachBuildRuleTakesItsCards) {
  struct Case {
    const char* rule;
    int build, space, direction;
    const char* column;  // bottom card first
    const char* takes;
  } cases[] = {
      {"down by suit", 0, -1, 0, "KS 8H", "7H"},
      {"down in one colour", 1, -1, 0, "8H", "7H 7D"},
      {"down regardless of suit", 2, -1, 0, "8H", "7H 7D 7C 7S"},
      {"down in alternating colours", 3, -1, 0, "8H", "7C 7S"},
      {"up in alternating colours", 3, -1, 1, "8H", "9C 9S"},
      {"up or down by suit", 0, -1, 2, "8C", "7C 9C"},
      {"nothing on a card", 6, -1, 0, "8H", ""},
      {"an empty column takes a King only", 3, 13, 0, "", "KH KD KC KS"},
      {"an empty column takes nothing", 3, 0, 0, "", ""},
      {"an empty column takes a Five only", 3, 5, 0, "", "5H 5D 5C 5S"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    s.rules.Set(rule::TableauBuild, c.build);
    s.rules.Set(rule::TableauSpace, c.space);
    s.rules.Set(rule::TableauDirection, c.direction);
    EXPECT_EQ(Takes(s, test::Cards(c.column)), c.takes);
  }
  // An empty column that takes any card takes every one.
  s.rules.Set(rule::TableauSpace, -1);
  EXPECT_EQ(Takes(s, "").size(), 52u * 3 - 1);
}

TEST_F(LegalityTest, KingOnlySpacesTakeKingLedGroups) {
  s.rules.Set(rule::TableauSpace, 13);
  s.rules.Set(rule::SequenceRule, 1);
  s.rules.Set(rule::MoveLimit, -1);
  Pile(PileGroup::Tableau, 1, "005039025");  // 5 hearts, K clubs, Q diamonds
  Pile(PileGroup::Tableau, 2, "006038024");  // 6 hearts, Q clubs, J diamonds
  Group();
  EXPECT_TRUE(CanDropOnPile(s, 39, "Fila1"));
  EXPECT_FALSE(CanDropOnPile(s, 38, "Fila1"));
}

TEST_F(LegalityTest, FreeCellMoveLimit) {
  s.rules.Set(rule::MoveLimit, -5);
  // Three empty cells and one empty column (pile 8).
  Pile(PileGroup::Reserve, 0, "052");
  for (int i = 0; i < 7; ++i) Pile(PileGroup::Tableau, i, "051");
  Pile(PileGroup::Tableau, 0, "013051011049009");  // K H, Q S, J H, 10 S, 9 H: a run of five
  struct Case {
    int card;
    bool toEmpty;
    bool allowed;
  } cases[] = {
      {13, false, true},  // five cards onto a non-empty pile: 3 cells + 1 column + 1
      {13, true, false},  // five onto the empty column: only 3 + 1
      {51, true, true},   // four onto the empty column
      {11, false, true},
  };
  for (const auto& c : cases) EXPECT_EQ(WithinMoveLimit(s, c.card, c.toEmpty), c.allowed) << c.card;
  EXPECT_EQ(s.drag.groupTopCard, 9);
  s.rules.Set(rule::MoveLimit, 0);
  EXPECT_FALSE(WithinMoveLimit(s, 9, false));  // not even the top card
  s.rules.Set(rule::MoveLimit, -13);
  EXPECT_TRUE(WithinMoveLimit(s, 13, false));   // the whole pile
  EXPECT_FALSE(WithinMoveLimit(s, 11, false));  // part of it
}

// An empty column is room on the way only when it may hold any card there;
// a column that takes only a King holds nothing in between.
TEST_F(LegalityTest, KingOnlyColumnsGiveNoRoomOnTheWay) {
  s.rules.Set(rule::MoveLimit, -5);
  s.rules.Set(rule::SequenceRule, 1);
  for (int i = 0; i < 8; ++i) s.rules.Set(rule::TableauBuild + i, 0);
  for (int i = 0; i < 4; ++i) Pile(PileGroup::Reserve, i, "052");
  for (int i = 0; i < 6; ++i) Pile(PileGroup::Tableau, i, "051");
  Pile(PileGroup::Tableau, 0, "013012011");  // K, Q, J of hearts
  Pile(PileGroup::Tableau, 1, "044043");     // 5 and 4 of spades; piles 7 and 8 are empty
  struct Case {
    const char* what;
    int space;     // TableauSpace of every column
    int cells;     // empty cells
    int card;      // bottom card of the group
    int toColumn;  // -1: onto a non-empty pile
    bool allowed;
  } cases[] = {
      {"any-card columns and no cell: 2 + 1", -1, 0, 13, -1, true},
      {"any-card columns, into one of them: 1 + 1", -1, 0, 13, 6, false},
      {"any-card columns, two into one of them", -1, 0, 44, 6, true},
      {"King-only columns and no cell: one card", 13, 0, 44, -1, false},
      {"King-only columns and one cell: two cards", 13, 1, 44, -1, true},
      {"King-only columns and one cell: not three", 13, 1, 13, -1, false},
      {"King-only, three King-led into an empty column with two cells", 13, 2, 13, 6, true},
      {"King-only, three King-led into an empty column with one cell", 13, 1, 13, 6, false},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 8; ++i) s.rules.Set(rule::TableauSpace + i, c.space);
    for (int i = 0; i < 4; ++i) Pile(PileGroup::Reserve, i, i < c.cells ? "" : "052");
    Group();
    s.drag.groupTopCard = 0;
    EXPECT_EQ(WithinMoveLimit(s, c.card, c.toColumn >= 0, c.toColumn), c.allowed) << c.what;
  }
}

TEST_F(LegalityTest, AGroupIsNeverDroppedBackOnItsOwnPile) {
  Pile(PileGroup::Tableau, 0, "013051");
  s.drag.groupTopCard = 51;
  EXPECT_FALSE(CanDropOnPile(s, 51, "Fila1"));
}

TEST_F(LegalityTest, FoundationsTurnTheCornerOnlyAboveTheirBase) {
  Pile(PileGroup::Foundation, 0, "013");  // a King on an Ace-based foundation
  EXPECT_FALSE(CanDropOnPile(s, 1, "Dest1"));
  s.rules.Set(rule::FoundationBase, 7);
  s.rules.Set(rule::FoundationCapacity, 14);
  EXPECT_TRUE(CanDropOnPile(s, 1, "Dest1"));
  Pile(PileGroup::Foundation, 1, "");
  EXPECT_TRUE(CanDropOnPile(s, 14, "Dest2"));   // an Ace on an empty Ace foundation
  EXPECT_FALSE(CanDropOnPile(s, 15, "Dest2"));  // not a 2
  Group();
  EXPECT_FALSE(CanDropOnPile(s, 14, "Dest2"));  // foundations take single cards
}

TEST_F(LegalityTest, BuildRulesOnTheTableau) {
  struct Case {
    int code, direction, wrap;
    const char* pile;
    int card;
    bool allowed;
  } cases[] = {
      {3, 0, 0, "013", 51, true},                               // Q S on K H
      {3, 0, 0, "013", 25, false},                              // Q D on K H: same colour
      {0, 0, 0, "013", 12, true},                               // Q H on K H
      {1, 0, 0, "013", 25, true},                               // same colour
      {2, 0, 0, "002", 1, true},                                // an Ace on a 2
      {2, 0, 1, "001", 13, true},                               // a King on an Ace where wrapping is allowed
      {2, 0, 0, "001", 13, false},  {2, 2, 2, "001", 2, true},  // either way, turning at the ends
      {2, 2, 2, "013", 12, true},   {2, 2, 2, "013", 1, false},  {21, 0, 0, "013", 51, true},  // any suit but its own
      {21, 0, 0, "013", 12, false}, {6, 0, 0, "013", 51, false},                               // no building
      {4, 0, 0, "013", 51, false},                                                             // never
      {12, 0, 0, "013", 5, true},                                                              // always
      {14, 1, 0, "005", 7, true},                                                              // two up
      {56, 0, 0, "005", 44, true},                                                             // the same rank
      {68, 0, 0, "001", 13, true},  // King and Ace are neighbours
  };
  for (const auto& c : cases) {
    s.rules.Set(rule::TableauBuild, c.code);
    s.rules.Set(rule::TableauDirection, c.direction);
    s.rules.Set(rule::TableauWrap, c.wrap);
    Pile(PileGroup::Tableau, 0, c.pile);
    EXPECT_EQ(CanDropOnPile(s, c.card, "Fila1"), c.allowed) << "code " << c.code << " card " << c.card;
  }
}

TEST_F(LegalityTest, EmptyPileRules) {
  struct Case {
    int space, card;
    bool allowed;
  } cases[] = {
      {-1, 5, true}, {0, 5, false},        {13, 13, true},      {13, 12, false},
      {5, 18, true}, {rule::kR, 1, false}, {rule::kV, 9, true}, {rule::kX, 9, true},
  };
  for (const auto& c : cases) {
    s.rules.Set(rule::TableauSpace, c.space);
    Pile(PileGroup::Tableau, 0, "");
    EXPECT_EQ(CanDropOnPile(s, c.card, "Fila1"), c.allowed) << "space " << c.space;
  }
  s.rules.Set(rule::TableauSpace, rule::kX);
  Pile(PileGroup::Tableau, 1, "009");
  EXPECT_FALSE(CanDropOnPile(s, 9, "Fila1"));  // "X": not from the tableau
}

TEST_F(LegalityTest, BalancedStartOfKingFoundations) {
  for (int f = 0; f < 4; ++f) s.rules.Set(rule::FoundationBase + f, rule::kT);
  Pile(PileGroup::Foundation, 0, "013");                  // K hearts
  EXPECT_FALSE(FoundationStartAllowed(s, rule::kT, 65));  // the other K of hearts: the suit again
  EXPECT_TRUE(FoundationStartAllowed(s, rule::kT, 26));   // two reds among four foundations
  Pile(PileGroup::Foundation, 1, "026");
  EXPECT_FALSE(FoundationStartAllowed(s, rule::kT, 78));  // a third red
  EXPECT_TRUE(FoundationStartAllowed(s, rule::kT, 39));
  EXPECT_FALSE(FoundationStartAllowed(s, rule::kT, 38));  // not a King
}

TEST_F(LegalityTest, StockFirstKeepsTableauCardsOffTheFoundations) {
  s.rules.Set(rule::StockFirstRule, 1);
  Pile(PileGroup::Tableau, 0, "001");
  Pile(PileGroup::Stock, kWasteItem, "020");
  EXPECT_FALSE(CanDropOnPile(s, 1, "Dest1"));
  Pile(PileGroup::Stock, kWasteItem, "");
  EXPECT_TRUE(CanDropOnPile(s, 1, "Dest1"));
}

TEST_F(LegalityTest, DoubleAndCountedFoundations) {
  s.rules.Set(rule::FoundationBuild, 29);
  std::string pile;
  for (int rank = 1; rank <= 13; ++rank) pile += CardCode(rank);
  Pile(PileGroup::Foundation, 0, pile);
  EXPECT_TRUE(CanDropOnPile(s, 65, "Dest1"));   // the second King of hearts
  EXPECT_FALSE(CanDropOnPile(s, 64, "Dest1"));  // not the Queen yet
  Pile(PileGroup::Foundation, 0, pile + "065");
  EXPECT_TRUE(CanDropOnPile(s, 64, "Dest1"));
  s.rules.Set(rule::FoundationBuild, 20);
  std::string full;
  for (int k = 0; k < 52; ++k) full += CardCode(k % 13 + 1);
  Pile(PileGroup::Foundation, 0, full);
  EXPECT_FALSE(CanDropOnPile(s, 1, "Dest1"));  // 52 cards at most
}

TEST_F(LegalityTest, TheWasteAsATarget) {
  s.rules.Set(rule::WasteBuild, 2);
  s.positions.Set(52 + kWasteItem, 10);
  s.positions.Set(56 + kWasteItem, 10);
  Pile(PileGroup::Stock, kWasteItem, "030");  // 4 of clubs
  EXPECT_TRUE(CanDropOnPile(s, 31, "Mazzo_Vis") || CanDropOnWaste(s, 31));
  EXPECT_TRUE(CanDropOnWaste(s, 29));
  EXPECT_FALSE(CanDropOnWaste(s, 4));         // another suit
  Pile(PileGroup::Stock, kWasteItem, "039");  // K clubs
  EXPECT_TRUE(CanDropOnWaste(s, 27));         // Ace above King
  Pile(PileGroup::Stock, kWasteItem, "");
  EXPECT_FALSE(CanDropOnWaste(s, 27));
}

TEST_F(LegalityTest, Reserves) {
  s.rules.Set(rule::ReserveKind, 8);
  Pile(PileGroup::Reserve, 0, "013026039");
  EXPECT_FALSE(CanDropOnPile(s, 52, "Appogg1"));  // a fourth King
  Pile(PileGroup::Reserve, 0, "013026");
  EXPECT_TRUE(CanDropOnPile(s, 52, "Appogg1"));
  EXPECT_FALSE(CanDropOnPile(s, 51, "Appogg1"));
  EXPECT_TRUE(CanDropOnPile(s, 5, "Appogg2"));  // an ordinary cell
  Pile(PileGroup::Reserve, 1, "006");
  EXPECT_FALSE(CanDropOnPile(s, 5, "Appogg2"));
  EXPECT_FALSE(CanDropOnPile(s, 5, "Appogg5"));  // beyond the game's cells
}

}  // namespace
}  // namespace cardoria
