// The families whose rules follow ordinary moves: interval hints, the block
// of twenty drops, sweeps of four of a rank and of a run of ten, Jacks and
// Kings that bring their companions, and the game of gaps.

#include <gtest/gtest.h>

#include <vector>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "engine/Legality.h"
#include "support/PlayFixture.h"
#include "table/FamilyDisplays.h"

namespace cardoria {
namespace {

constexpr int kHearts = 0, kDiamonds = 13, kClubs = 26, kSpades = 39;
constexpr int kJoker = 105;

class FamilyRulesTest : public ::testing::Test {
 protected:
  void Start(int game) {
    play.clock.step = 1000;
    ASSERT_TRUE(play.Start(game, "4831926750418"));
  }
  Session& s() { return play.session; }
  Engine& engine() { return play.engine; }
  std::string& Pile(PileGroup group, int index) { return s().piles.Pile(group, index); }

  // Every pile emptied; the cards named are laid face up where asked.
  void Clear() {
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (std::string& pile : s().piles.Items(group)) pile.clear();
  }
  void Lay(PileGroup group, int index, const std::vector<int>& cards) {
    std::string& pile = Pile(group, index);
    pile.clear();
    for (int card : cards) {
      pile += CardCode(card);
      if (card > 0) s().cards.SetCardFace(card, '1');
    }
  }
  int Count(PileGroup group, int index) { return PileCardCount(Pile(group, index)); }
  int Steps() { return s().history.undo.Steps(); }
  int SecondWaste() { return Count(PileGroup::Stock, kSecondWasteItem); }

  test::PlayFixture play;
};

// Calculation: each foundation names the rank it wants next.
TEST_F(FamilyRulesTest, IntervalHintsNameTheNextRankOfEachFoundation) {
  Start(75);
  struct Case {
    int foundation;  // 1-based
    std::vector<int> cards;
    const char* hint;
  };
  const Case cases[] = {
      {3, {kClubs + 3, kHearts + 6}, "9"},
      {4, {kHearts + 4, kSpades + 8, kDiamonds + 12}, "3"},
      {1, {kHearts + 1, kClubs + 2}, "3"},
      {2, {kHearts + 2, kSpades + 13}, "2"},  // K + 2 counts on from the Ace
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.foundation);
    Lay(PileGroup::Foundation, c.foundation - 1, c.cards);
    const std::vector<TableNote> hints = IntervalHints(s());
    ASSERT_EQ(hints.size(), 4u);
    EXPECT_EQ(hints[static_cast<std::size_t>(c.foundation - 1)].text, c.hint);
  }
  // All four boxes stand at one height, 18 pixels above the first foundation.
  const std::vector<TableNote> hints = IntervalHints(s());
  const int top = PileY(s(), {PileGroup::Foundation, 0}) - 18;
  for (const TableNote& hint : hints) {
    EXPECT_EQ(hint.box.top, top);
    EXPECT_EQ(hint.box.Width(), 21);
  }
  // A full foundation, and an empty one, show nothing.
  std::vector<int> full;
  for (int k = 0; k < 13; ++k) full.push_back(kHearts + k % 13 + 1);
  Lay(PileGroup::Foundation, 0, full);
  Pile(PileGroup::Foundation, 1).clear();
  EXPECT_EQ(IntervalHints(s())[0].text, "");
  EXPECT_EQ(IntervalHints(s())[1].text, "");
  // No other family shows them.
  s().rules.Set(rule::GameFamily, 0);
  EXPECT_TRUE(IntervalHints(s()).empty());
}

// The family that blocks the way from the tableau to the foundations: every
// twentieth drop on the tableau opens it while the waste holds cards.
TEST_F(FamilyRulesTest, TwentiethTaggedDropOpensTheFoundations) {
  Start(2);
  s().rules.Set(rule::GameFamily, 23);
  Clear();
  Lay(PileGroup::Stock, kWasteItem, {kClubs + 9, kClubs + 10, kClubs + 11});
  Lay(PileGroup::Tableau, 0, {kHearts + 1});
  Lay(PileGroup::Tableau, 1, {kSpades + 7});
  Lay(PileGroup::Tableau, 2, {kHearts + 6});
  for (int k = 0; k < 19; ++k) {
    PushStep(s(), Direction::Undo);
    TagStep(s(), kTagFamilyMove);
  }
  EXPECT_FALSE(BlockOpen(s()));
  EXPECT_FALSE(CanDropOnPile(s(), kHearts + 1, "Dest1"));
  EXPECT_EQ(BlockCounter(s()).at(0).text, "19/20");
  // An empty waste holds nothing back.
  const std::string waste = Pile(PileGroup::Stock, kWasteItem);
  Pile(PileGroup::Stock, kWasteItem).clear();
  EXPECT_TRUE(CanDropOnPile(s(), kHearts + 1, "Dest1"));
  Pile(PileGroup::Stock, kWasteItem) = waste;

  // The twentieth drop, by the mouse.
  play.Drag(kHearts + 6, {PileGroup::Tableau, 1});
  ASSERT_EQ(Count(PileGroup::Tableau, 1), 2);
  EXPECT_EQ(TaggedDrops(s()), 20);
  EXPECT_TRUE(CanDropOnPile(s(), kHearts + 1, "Dest1"));
  EXPECT_EQ(BlockCounter(s()).at(0).text, "17/20");  // 20 - min(3 waste cards, 20)
  // Undo takes the tag away with the drop.
  ASSERT_TRUE(engine().Undo());
  EXPECT_EQ(TaggedDrops(s()), 19);
  EXPECT_FALSE(CanDropOnPile(s(), kHearts + 1, "Dest1"));
}

// Perpetual Motion: four of a rank on top of a pile leave one by one.
TEST_F(FamilyRulesTest, FourOfARankLeaveAsFourStepsAndThreeStay) {
  struct Case {
    const char* name;
    std::vector<int> pile;  // pile 1 before the move
    int moved;              // the top card of pile 2, dropped on pile 1
    int leaving;
  };
  const Case cases[] = {
      {"four sevens", {kHearts + 5, kHearts + 7, kDiamonds + 7, kClubs + 7}, kSpades + 7, 4},
      {"three sevens", {kHearts + 5, kHearts + 7, kDiamonds + 7}, kClubs + 7, 0},
      {"a joker among them", {kHearts + 7, kJoker, kDiamonds + 7}, kClubs + 7, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(77);
    Clear();
    Lay(PileGroup::Stock, kStockItem, {kHearts + 9});
    Lay(PileGroup::Tableau, 0, c.pile);
    Lay(PileGroup::Tableau, 1, {kHearts + 2, c.moved});
    const std::string before = play.TableText();
    const int steps = Steps();
    play.Drag(c.moved, {PileGroup::Tableau, 0});
    EXPECT_EQ(Count(PileGroup::Tableau, 1), 1);
    EXPECT_EQ(SecondWaste(), c.leaving);
    EXPECT_EQ(Count(PileGroup::Tableau, 0), static_cast<int>(c.pile.size()) + 1 - c.leaving);
    EXPECT_EQ(Steps(), steps + 1 + c.leaving);
    for (int k = c.leaving; k > 0; --k) {
      ASSERT_TRUE(engine().Undo());
      EXPECT_EQ(SecondWaste(), k - 1);
    }
    ASSERT_TRUE(engine().Undo());
    EXPECT_EQ(play.TableText(), before);
  }
}

TEST_F(FamilyRulesTest, FourOfARankLeaveAfterAStockDeal) {
  Start(77);
  Clear();
  // The stock deals from its top: pile 1 receives the last card.
  Lay(PileGroup::Stock, kStockItem, {kHearts + 3, kHearts + 2, kHearts + 1, kClubs + 12});
  Lay(PileGroup::Tableau, 0, {kHearts + 12, kDiamonds + 12, kSpades + 12});
  play.Click({PileGroup::Stock, kStockItem});
  EXPECT_EQ(SecondWaste(), 4);
  EXPECT_TRUE(Pile(PileGroup::Tableau, 0).empty());
  EXPECT_EQ(Count(PileGroup::Tableau, 1), 1);
}

// Jacks and Kings: the Ace follows its Jack, and one Undo takes both back.
TEST_F(FamilyRulesTest, JackGoesUpOnlyWithItsAceOpenAndBringsIt) {
  Start(78);
  Clear();
  const int jack = kSpades + 11, ace = kSpades + 1;
  Lay(PileGroup::Tableau, 0, {ace, kHearts + 5});
  Lay(PileGroup::Tableau, 1, {kHearts + 6, jack});
  const PileRef jackFoundation{PileGroup::Foundation, 4};
  ASSERT_EQ(s().rules[rule::FoundationBase + 4], 11);
  play.Drag(jack, jackFoundation);
  EXPECT_TRUE(Pile(PileGroup::Foundation, 4).empty()) << "the Ace is covered";

  Lay(PileGroup::Tableau, 0, {kHearts + 5, ace});
  const std::string before = play.TableText();
  const int steps = Steps();
  play.Drag(jack, jackFoundation);
  EXPECT_EQ(Pile(PileGroup::Foundation, 4), CardCode(jack));
  EXPECT_EQ(Pile(PileGroup::Foundation, 0), CardCode(ace));
  EXPECT_EQ(Steps(), steps + 1);
  ASSERT_TRUE(engine().Undo());
  EXPECT_EQ(play.TableText(), before);
}

TEST_F(FamilyRulesTest, CompanionStartTable) {
  Start(78);
  Clear();
  const int kingOfHearts = kHearts + 13, queenOfHearts = kHearts + 12;
  Lay(PileGroup::Tableau, 0, {queenOfHearts});
  Lay(PileGroup::Foundation, 0, {kClubs + 1, kClubs + 2});
  struct Case {
    const char* name;
    int card, foundation;  // 0-based
    bool accepted;
  };
  const Case cases[] = {
      {"a King with its Queen open", kingOfHearts, 12, true},
      {"a King on a Jack foundation", kingOfHearts, 4, false},
      {"a Queen alone", queenOfHearts, 8, false},
      {"an Ace alone", kHearts + 1, 0, false},
      {"the next card of the suit", kClubs + 3, 0, true},
      {"a card of another suit", kHearts + 3, 0, false},
      {"any card on an empty foundation", kClubs + 5, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string& pile = Pile(PileGroup::Foundation, c.foundation);
    EXPECT_EQ(CompanionStart(s(), c.card, pile.empty() ? -1 : TopCard(pile), c.foundation), c.accepted);
  }
  s().rules.Set(rule::GameFamily, 0);
  EXPECT_FALSE(CompanionStart(s(), kingOfHearts, -1, 12));
}

TEST_F(FamilyRulesTest, CompanionNeverGoesBeforeTheFirstFoundation) {
  Start(78);
  Clear();
  const int jack = kDiamonds + 11, ace = kDiamonds + 1;
  Lay(PileGroup::Foundation, 1, {jack});
  Lay(PileGroup::Tableau, 0, {ace});
  const std::string before = play.TableText();
  engine().MoveCompanion(jack);
  EXPECT_EQ(play.TableText(), before);
}

// A run of ten across piles 1-10 leaves, jokers standing for any rank.
TEST_F(FamilyRulesTest, RunOfTenLeavesWithAJokerInIt) {
  struct Case {
    const char* name;
    std::vector<int> row;  // piles 1-9; the last card goes to pile 10
    int last;
    bool leaves;
  };
  const Case cases[] = {
      {"turning from King to Ace, the joker a 2",
       {kHearts + 9, kClubs + 10, kSpades + 11, kHearts + 12, kDiamonds + 13, kClubs + 1, kJoker, kHearts + 3,
        kSpades + 4},
       kDiamonds + 5,
       true},
      {"a joker first",
       {kJoker, kClubs + 5, kSpades + 6, kHearts + 7, kDiamonds + 8, kClubs + 9, kHearts + 10, kHearts + 11,
        kSpades + 12},
       kDiamonds + 13,
       true},
      {"broken at the end",
       {kHearts + 9, kClubs + 10, kSpades + 11, kHearts + 12, kDiamonds + 13, kClubs + 1, kJoker, kHearts + 3,
        kSpades + 4},
       kDiamonds + 6,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(2);
    s().rules.Set(rule::TableauCount, 12);
    for (int i = 0; i < 12; ++i) s().rules.Set(rule::TableauBuild + i, i < 10 ? 69 : 6);
    s().rules.Set(rule::AutoFillSource, 0);
    Clear();
    for (int i = 0; i < 9; ++i) Lay(PileGroup::Tableau, i, {c.row[static_cast<std::size_t>(i)]});
    Lay(PileGroup::Tableau, 10, {kClubs + 2, c.last});
    Lay(PileGroup::Tableau, 11, {kSpades + 2});
    const std::string before = play.TableText();
    ASSERT_TRUE(engine().ExecuteMove(c.last, "Fila10"));
    EXPECT_EQ(SecondWaste(), c.leaves ? 12 : 0);  // with the first cards of piles 11 and 12
    ASSERT_TRUE(engine().Undo());
    EXPECT_EQ(play.TableText(), before);
  }
}

// Gaps: a card changes places with a hole the rule allows.
TEST_F(FamilyRulesTest, GapMovesTable) {
  Start(76);
  const std::vector<int> rows[4] = {
      {0, kClubs + 4, 0, kHearts + 7, kHearts + 9, kDiamonds + 2},
      {kClubs + 5, kHearts + 5, 0, 0, kClubs + 13, 0},
      {kClubs + 2, kClubs + 3, kHearts + 2, kSpades + 5, kSpades + 2, kDiamonds + 5},
      {kHearts + 8, kSpades + 3, kDiamonds + 3, kHearts + 4, kDiamonds + 4, kSpades + 4},
  };
  struct Case {
    const char* name;
    int card, row, place;
    bool moves;
  };
  const Case cases[] = {
      {"a 2 into a first place", kSpades + 2, 0, 1, true}, {"the 5 of clubs right of the 4", kClubs + 5, 0, 3, true},
      {"a 5 of another suit", kHearts + 5, 0, 3, false},   {"not a 2 into a first place", kHearts + 8, 0, 1, false},
      {"right of another hole", kSpades + 3, 1, 4, false}, {"right of a King", kHearts + 2, 1, 6, false},
      {"onto a card", kSpades + 4, 3, 4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int r = 0; r < 4; ++r) Lay(PileGroup::Tableau, r, rows[r]);
    const int from = LocateCard(s().piles, s().rules, c.card);
    const std::size_t at = c.card > 0 && from > 0 ? FindCode(Pile(PileGroup::Tableau, from - 1), c.card) : 0;
    const std::string before = play.TableText();
    EXPECT_EQ(engine().GapMove(c.card, c.row, c.place, false), c.moves);
    if (!c.moves) {
      EXPECT_EQ(play.TableText(), before);
      continue;
    }
    EXPECT_EQ(CardAt(Pile(PileGroup::Tableau, c.row), c.place - 1), c.card);
    EXPECT_EQ(Pile(PileGroup::Tableau, from - 1).substr(at, 3), "000");
    ASSERT_TRUE(engine().Undo());
    EXPECT_EQ(play.TableText(), before);
  }
}

TEST_F(FamilyRulesTest, GapMovesByDragAndRightClick) {
  Start(76);
  Lay(PileGroup::Tableau, 0, {kClubs + 4, 0, kHearts + 7});
  Lay(PileGroup::Tableau, 1, {kHearts + 9, kClubs + 5, kSpades + 2});
  Lay(PileGroup::Tableau, 2, {kHearts + 6, 0, kDiamonds + 3});
  Lay(PileGroup::Tableau, 3, {0, kHearts + 5, kDiamonds + 2});
  // Dragged into the hole right of the 4 of clubs.
  const Rect from = CardRectangle(s(), kClubs + 5);
  engine().OnMouseDown(kLeftButton, false, from.left + 5, from.top + 5);
  ASSERT_EQ(s().drag.draggedCard, kClubs + 5);
  const Rect hole = CardInPileRect(s(), {PileGroup::Tableau, 0}, 1);
  engine().OnMouseMove(hole.left + 10 + s().drag.grabX, hole.top + 10 + s().drag.grabY);
  engine().OnMouseUp(kLeftButton);
  EXPECT_EQ(Pile(PileGroup::Tableau, 0).substr(0, 6), CardCode(kClubs + 4) + CardCode(kClubs + 5));
  EXPECT_EQ(CardAt(Pile(PileGroup::Tableau, 1), 1), 0);
  // A right click looks through the rows from the first for a hole that
  // takes the card: the 2 of spades finds the first place of row 4.
  const Rect two = CardRectangle(s(), kSpades + 2);
  engine().OnMouseDown(kRightButton, false, two.left + 5, two.top + 5);
  engine().OnMouseUp(kRightButton);
  EXPECT_EQ(CardAt(Pile(PileGroup::Tableau, 3), 0), kSpades + 2);
  EXPECT_EQ(CardAt(Pile(PileGroup::Tableau, 1), 2), 0);
  // A card no hole takes stays.
  const std::string before = play.TableText();
  const Rect three = CardRectangle(s(), kDiamonds + 3);
  engine().OnMouseDown(kRightButton, false, three.left + 5, three.top + 5);
  engine().OnMouseUp(kRightButton);
  EXPECT_EQ(play.TableText(), before);
}

TEST_F(FamilyRulesTest, GapsAreWonWithEachSuitInItsRowAndTheHoleLast) {
  Start(76);
  for (int r = 0; r < 4; ++r) {
    std::vector<int> row;
    for (int rank = 2; rank <= 13; ++rank) row.push_back(13 * r + rank);
    row.push_back(0);
    Lay(PileGroup::Tableau, r, row);
  }
  EXPECT_TRUE(engine().CheckWin());
  // The same row with its hole first is no win.
  std::vector<int> shifted = {0};
  for (int rank = 2; rank <= 13; ++rank) shifted.push_back(26 + rank);
  Lay(PileGroup::Tableau, 2, shifted);
  EXPECT_FALSE(engine().CheckWin());
}

}  // namespace
}  // namespace cardoria
