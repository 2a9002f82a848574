// Selection play: which presses select, which groups each family takes and
// removes, the tests on the piles, and the discards by a click.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "engine/SelectionTests.h"
#include "persist/UndoLog.h"
#include "support/PlayFixture.h"
#include "support/PressSearch.h"

namespace cardoria {
namespace {

constexpr int kPyramid = 25, kGolf = 26, kRelaxedGolf = 27, kMonteCarlo = 28, kBlackHole = 29, kKlondike = 2;

int H(int rank) { return rank; }
int D(int rank) { return 13 + rank; }
int C(int rank) { return 26 + rank; }
int S(int rank) { return 39 + rank; }

class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override { play.clock.step = 1000; }
  Session& s() { return play.session; }
  std::string& Pile(PileGroup group, int index) { return s().piles.Pile(group, index); }
  std::string& Tableau(int index) { return Pile(PileGroup::Tableau, index); }
  std::string& SecondWaste() { return Pile(PileGroup::Stock, kSecondWasteItem); }

  // A game's table with every pile emptied, ready for a position of its own.
  void Empty(int game, int family = -1, int sum = -1) {
    ASSERT_TRUE(play.Start(game, "4711000000815"));
    if (family >= 0) s().rules.Set(rule::GameFamily, family);
    if (sum >= 0) s().rules.Set(rule::PairingSum, sum);
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (std::string& pile : s().piles.Items(group)) pile.clear();
  }
  void Put(std::string& pile, const std::vector<int>& cards) {
    pile.clear();
    for (int card : cards) {
      pile += CardCode(card);
      if (card > 0) s().cards.SetCardFace(card, '1');
    }
  }
  static std::string Codes(const std::vector<int>& cards) {
    std::string text;
    for (int card : cards) text += CardCode(card);
    return text;
  }
  void Click(int card) { test::Press(play, {card, {}}); }
  void ClickPile(PileRef pile) { test::Press(play, {0, pile}); }

  test::PlayFixture play;
};

// One press and what it leaves: the selection, the cards gone so far, and
// the beeps so far.
struct Step {
  int card;
  std::vector<int> selected;
  int discarded;
  int beeps;
};

struct FamilyCase {
  const char* name;
  int family, sum;
  std::vector<int> cards;  // one to a pile, from the first
  std::vector<Step> steps;
};

class FamilyRules : public SelectionTest, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(FamilyRules, SelectAndRemove) {
  const FamilyCase& c = GetParam();
  Empty(kMonteCarlo, c.family, c.sum);
  for (std::size_t i = 0; i < c.cards.size(); ++i) Put(Tableau(static_cast<int>(i)), {c.cards[i]});
  for (std::size_t k = 0; k < c.steps.size(); ++k) {
    const Step& step = c.steps[k];
    Click(step.card);
    SCOPED_TRACE("press " + std::to_string(k + 1));
    EXPECT_EQ(Selection(s()), Codes(step.selected));
    EXPECT_EQ(PileCardCount(SecondWaste()), step.discarded);
    EXPECT_EQ(play.table.beeps, step.beeps);
    for (int card : step.selected) EXPECT_GE(TableauPileOf(s(), card), 0);
  }
  EXPECT_FALSE(play.table.inputBlocked);
}

INSTANTIATE_TEST_SUITE_P(
    Selection, FamilyRules,
    ::testing::Values(
        FamilyCase{"PairsToThirteen",
                   7,
                   13,
                   {H(5), H(9), C(2), D(8)},
                   {{H(5), {H(5)}, 0, 0},
                    {H(9), {H(5), H(9)}, 0, 0},
                    {C(2), {H(5), H(9)}, 0, 1},  // a third card
                    {H(9), {H(5)}, 0, 1},
                    {D(8), {}, 2, 1}}},
        FamilyCase{
            "DeselectingCompletes",
            0,
            13,
            {H(3), H(4), H(9)},
            {{H(3), {H(3)}, 0, 0}, {H(4), {H(3), H(4)}, 0, 0}, {H(9), {H(3), H(4), H(9)}, 0, 0}, {H(3), {}, 2, 0}}},
        FamilyCase{"NinesAndTheTenToKing",
                   24,
                   9,
                   {S(9), H(4), D(5), H(10), C(11), S(12), D(13), C(4)},
                   {{S(9), {}, 1, 0},
                    {H(4), {H(4)}, 1, 0},
                    {H(10), {H(4)}, 1, 1},  // a ten while a four is selected
                    {D(5), {}, 3, 1},
                    {H(10), {H(10)}, 3, 1},
                    {C(11), {H(10), C(11)}, 3, 1},
                    {S(12), {H(10), C(11), S(12)}, 3, 1},
                    {D(13), {}, 7, 1}}},
        FamilyCase{"EighteenWithACourtCard",
                   18,
                   18,
                   {H(1), H(11), H(5), C(5), D(6), S(7)},
                   {{H(1), {}, 1, 0},
                    {H(11), {H(11)}, 1, 0},
                    {H(5), {H(11), H(5)}, 1, 0},
                    {C(5), {H(11), H(5)}, 1, 1},  // a second five
                    {D(6), {H(11), H(5), D(6)}, 1, 1},
                    {S(7), {}, 5, 1}}},
        FamilyCase{"ElevensAndCourtTriples",
                   17,
                   11,
                   {H(4), C(7), H(11), S(11), D(12), C(13)},
                   {{H(4), {H(4)}, 0, 0},
                    {H(11), {H(4)}, 0, 1},
                    {C(7), {}, 2, 1},
                    {H(11), {H(11)}, 2, 1},
                    {S(11), {H(11)}, 2, 2},  // a second Jack
                    {D(12), {H(11), D(12)}, 2, 2},
                    {C(13), {}, 5, 2}}},
        FamilyCase{"TensOrFourOfAKind",
                   1,
                   10,
                   {H(3), C(7), D(2), H(10), C(10), D(10), S(10)},
                   {{H(3), {H(3)}, 0, 0},
                    {D(2), {H(3), D(2)}, 0, 0},
                    {C(7), {H(3), D(2)}, 0, 1},  // three cards below ten
                    {D(2), {H(3)}, 0, 1},
                    {C(7), {}, 2, 1},
                    {H(10), {H(10)}, 2, 1},
                    {C(10), {H(10), C(10)}, 2, 1},
                    {D(10), {H(10), C(10), D(10)}, 2, 1},
                    {S(10), {}, 6, 1}}},
        FamilyCase{"FifteensOrOneOfEachCourt",
                   1,
                   15,
                   {H(7), C(5), D(3), H(9), H(10), C(10), C(11), S(12), D(13)},
                   {{H(7), {H(7)}, 0, 0},
                    {C(5), {H(7), C(5)}, 0, 0},
                    {H(9), {H(7), C(5)}, 0, 1},   // past fifteen
                    {H(10), {H(7), C(5)}, 0, 2},  // a ten among low cards
                    {D(3), {}, 3, 2},
                    {H(10), {H(10)}, 3, 2},
                    {C(10), {H(10)}, 3, 3},  // a second ten
                    {C(11), {H(10), C(11)}, 3, 3},
                    {S(12), {H(10), C(11), S(12)}, 3, 3},
                    {D(13), {}, 7, 3}}},
        FamilyCase{"MonteCarloDiagonal",
                   8,
                   2,
                   {H(1), H(2), H(3), H(4), H(5), H(6), D(1)},
                   {{H(1), {H(1)}, 0, 0}, {D(1), {}, 2, 0}}},
        FamilyCase{"MonteCarloRowEnd",
                   8,
                   2,
                   {H(1), H(2), H(3), H(4), H(5), D(5)},
                   {{H(5), {H(5)}, 0, 0}, {D(5), {H(5)}, 0, 1}, {H(4), {H(5)}, 0, 2}, {H(5), {}, 0, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Multiples of Seven takes two or three neighbours, or a lone Seven: a fourth
// card is refused even where it would make fourteen.
TEST_F(SelectionTest, MultiplesOfSevenTakeTwoOrThreeNeighbours) {
  Empty(53);
  Put(Tableau(0), {H(3), H(2), H(5), H(4), C(7), D(6), S(8)});
  for (int card : {H(3), H(2), H(5)}) Click(card);
  EXPECT_EQ(play.table.beeps, 0);
  Click(H(4));  // 3 + 2 + 5 + 4 = 14, but four cards
  EXPECT_EQ(play.table.beeps, 1);
  EXPECT_EQ(Selection(s()), Codes({H(3), H(2), H(5)}));
  for (int card : {H(5), H(3), H(2)}) Click(card);
  EXPECT_TRUE(Selection(s()).empty());
  EXPECT_TRUE(SecondWaste().empty());
  Click(C(7));  // a lone Seven
  EXPECT_EQ(SecondWaste(), Codes({C(7)}));
  Click(D(6));
  Click(S(8));  // 6 + 8 = 14
  EXPECT_EQ(SecondWaste(), Codes({C(7), D(6), S(8)}));
  Click(H(5));
  Click(H(4));
  Click(H(3));  // not next to the others
  EXPECT_EQ(Selection(s()), Codes({H(5), H(4)}));
  Click(H(2));  // 2 + 5 + 4 = 11
  EXPECT_EQ(Selection(s()), Codes({H(5), H(4), H(2)}));
  EXPECT_EQ(play.table.beeps, 2);
}

// Letting go of a card from the middle of a run leaves the rest refused, but
// the card is out of the selection and is shown plain again.
TEST_F(SelectionTest, ACardLetGoIsShownPlainEvenWhenTheRestIsRefused) {
  Empty(53);  // a row game whose selections must stay unbroken runs
  Put(Tableau(0), {0, H(2), 0, C(5), 0, C(6), 0, D(9), 0, H(7)});
  for (int card : {C(5), C(6), D(9), C(6)}) Click(card);
  EXPECT_EQ(play.table.beeps, 1);
  EXPECT_EQ(Selection(s()), Codes({C(5), D(9)}));
  const Rect six = CardRectangle(s(), C(6));
  const auto times = std::count(play.table.inverted.begin(), play.table.inverted.end(), six);
  EXPECT_EQ(times, 2);
}

TEST_F(SelectionTest, CompletionIsOneStepWithARefillAndPause) {
  Empty(kMonteCarlo, 7, 13);
  Put(Tableau(0), {H(6)});
  Put(Tableau(1), {C(7)});
  Put(Tableau(2), {D(1)});
  Put(Pile(PileGroup::Stock, kStockItem), {S(3), S(4)});
  const std::string before = play.TableText();
  Click(H(6));
  Click(C(7));
  EXPECT_EQ(SecondWaste(), Codes({H(6), C(7)}));
  // The gaps are filled from the stock, its top card first.
  EXPECT_EQ(Tableau(0), Codes({S(4)}));
  EXPECT_EQ(Tableau(1), Codes({S(3)}));
  EXPECT_EQ(play.table.pausedMilliseconds, 150);
  EXPECT_EQ(s().history.undo.Steps(), 1);
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(play.TableText(), before);
  EXPECT_TRUE(Selection(s()).empty());
  ASSERT_TRUE(play.engine.Redo());
  EXPECT_EQ(Tableau(1), Codes({S(3)}));
  EXPECT_TRUE(Selection(s()).empty());
}

TEST_F(SelectionTest, PyramidTakesUncoveredCardsAndLeavesHoles) {
  Empty(kPyramid);
  Put(Tableau(0), {H(13)});
  Put(Tableau(1), {H(1), D(12)});
  Put(Tableau(2), {C(5), C(2), S(3), D(7)});  // past the last row: never read
  s().rules.Set(rule::TableauCount, 2);
  Put(Pile(PileGroup::Stock, kStockItem), {C(9), C(10)});
  Put(Pile(PileGroup::Stock, kWasteItem), {S(11)});
  EXPECT_TRUE(IsFreeInPyramid(s(), D(12)));

  Click(H(13));  // covered by the row below
  EXPECT_TRUE(Selection(s()).empty());
  EXPECT_EQ(play.table.beeps, 0);
  Click(H(1));
  Click(D(12));
  EXPECT_EQ(Tableau(1), "000000");
  EXPECT_EQ(SecondWaste(), Codes({H(1), D(12)}));
  Click(H(13));  // uncovered: a King goes alone
  EXPECT_EQ(Tableau(0), "000");

  Put(Tableau(1), {S(2), 0});
  Click(S(2));
  Click(S(11));  // the waste's card leaves no hole
  EXPECT_TRUE(Pile(PileGroup::Stock, kWasteItem).empty());
  EXPECT_EQ(Tableau(1), "000000");

  // With a card selected the stock gives its top card instead of dealing.
  Put(Tableau(1), {0, D(3)});
  Click(D(3));
  ClickPile({PileGroup::Stock, kStockItem});
  EXPECT_EQ(Pile(PileGroup::Stock, kStockItem), Codes({C(9)}));
  EXPECT_EQ(Tableau(1), "000000");
  EXPECT_EQ(play.table.beeps, 0);
}

TEST_F(SelectionTest, TurningTheWasteOverDropsItsSelectedCard) {
  Empty(kPyramid);
  Put(Tableau(0), {H(13)});
  Put(Tableau(1), {H(4), H(5)});
  Put(Pile(PileGroup::Stock, kWasteItem), {C(9), C(10)});
  Click(C(10));
  ASSERT_EQ(Selection(s()), Codes({C(10)}));
  ClickPile({PileGroup::Stock, kStockItem});  // the empty stock turns the waste over
  EXPECT_TRUE(Selection(s()).empty());
  EXPECT_EQ(Pile(PileGroup::Stock, kStockItem), Codes({C(10)}));
}

TEST_F(SelectionTest, ARedealOfKind9GivesTheSelectionUp) {
  Empty(kPyramid);
  s().rules.Set(rule::StockDealsToWaste, 0);
  s().rules.Set(rule::RedealKind, 9);
  s().rules.Set(rule::Redeals, -1);
  s().rules.Set(rule::TableauCount, 3);
  Put(Tableau(0), {H(13)});
  Put(Tableau(1), {H(4)});
  Put(Tableau(2), {H(5)});
  Click(H(5));
  ASSERT_EQ(Selection(s()), Codes({H(5)}));
  ClickPile({PileGroup::Stock, kStockItem});
  EXPECT_TRUE(Selection(s()).empty());
  for (int card : {H(13), H(4), H(5)}) EXPECT_FALSE(SelectedCardRect(s(), card).Empty()) << card;
}

TEST_F(SelectionTest, TheStockOfARowGameDealsToTheRowAndMayEndIt) {
  Empty(kMonteCarlo, 21, 1);
  s().rules.Set(rule::TableauAddKind, 1);
  Put(Tableau(0), {H(2), C(5)});
  Put(Pile(PileGroup::Stock, kStockItem), {S(9), S(8)});
  ClickPile({PileGroup::Stock, kStockItem});
  EXPECT_EQ(Tableau(0), Codes({H(2), C(5), S(8)}));
  EXPECT_TRUE(s().values.Flag(kGameInProgress));
  ClickPile({PileGroup::Stock, kStockItem});  // the stock is out and the row is short: won
  EXPECT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
}

struct DiscardCase {
  int game, wasteTop, card;
  bool taken;
};

class Discards : public SelectionTest, public ::testing::WithParamInterface<DiscardCase> {};

TEST_P(Discards, OneRankUpOrDown) {
  const DiscardCase& c = GetParam();
  Empty(c.game);
  Put(Tableau(0), {H(9), c.card});
  if (c.wasteTop > 0) Put(SecondWaste(), {c.wasteTop});
  Click(c.card);
  EXPECT_EQ(TopCard(SecondWaste()) == c.card, c.taken);
  EXPECT_EQ(Tableau(0).size(), c.taken ? 3u : 6u);
  EXPECT_EQ(play.table.beeps, c.taken ? 0 : 1);
  EXPECT_EQ(s().drag.draggedCard, 0);
  Click(H(9));  // covered still, or of no neighbouring rank: it stays
  EXPECT_EQ(Tableau(0).size(), c.taken ? 3u : 6u);
}

INSTANTIATE_TEST_SUITE_P(
    Selection, Discards,
    ::testing::Values(DiscardCase{kGolf, S(13), H(1), false}, DiscardCase{kRelaxedGolf, S(13), H(1), true},
                      DiscardCase{kGolf, S(1), H(13), false}, DiscardCase{kRelaxedGolf, S(1), H(13), true},
                      DiscardCase{kGolf, S(13), D(12), true}, DiscardCase{kGolf, S(5), C(4), true},
                      DiscardCase{kGolf, S(5), C(7), false}, DiscardCase{kGolf, 0, C(4), false},
                      DiscardCase{kBlackHole, S(1), D(13), true}, DiscardCase{kBlackHole, S(1), D(2), true},
                      DiscardCase{kBlackHole, S(1), D(3), false}));

TEST_F(SelectionTest, MonteCarloClosesTheGapsAndDealsIntoThem) {
  Empty(kMonteCarlo);
  Put(Tableau(0), {H(2)});
  Put(Tableau(3), {H(3)});
  Put(Tableau(4), {H(4)});
  Put(Tableau(24), {H(5)});
  Put(Pile(PileGroup::Stock, kStockItem), {C(1), C(2), C(3)});
  const std::string before = play.TableText();
  ClickPile({PileGroup::Stock, kStockItem});
  EXPECT_EQ(Tableau(1), Codes({H(3)}));
  EXPECT_EQ(Tableau(2), Codes({H(4)}));
  EXPECT_EQ(Tableau(3), Codes({H(5)}));
  EXPECT_EQ(Tableau(4), Codes({C(3)}));
  EXPECT_EQ(Tableau(6), Codes({C(1)}));
  EXPECT_TRUE(Tableau(7).empty());
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(play.TableText(), before);
}

struct RowCase {
  const char* name;
  int family;
  std::vector<int> row;  // tableau pile 1, 0 for a hole
  std::vector<int> selected;
  bool unbroken, outerMatch;
};

class RowTests : public SelectionTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowTests, RunAndOuterCards) {
  const RowCase& c = GetParam();
  Empty(kMonteCarlo, c.family, 7);
  Put(Tableau(0), c.row);
  Put(Pile(PileGroup::Foundation, 0), c.selected);
  EXPECT_EQ(IsUnbrokenRun(s()), c.unbroken);
  EXPECT_EQ(OuterCardsMatch(s()), c.outerMatch);
}

INSTANTIATE_TEST_SUITE_P(
    Selection, RowTests,
    ::testing::Values(RowCase{"SameSuitOutside", 21, {H(2), C(5), C(6), D(9), H(7)}, {C(6)}, true, true},
                      RowCase{"SameRankOutside", 22, {H(2), C(5), C(6), D(7), D(9), S(2)}, {C(6), D(7)}, true, true},
                      RowCase{"HolesSkipped", 21, {H(2), C(5), C(6), 0, D(7), D(9), S(2)}, {C(6), D(7)}, true, true},
                      RowCase{"Broken", 21, {H(2), C(5), C(6), D(7), S(2)}, {C(5), D(7)}, false, false},
                      RowCase{"NoneOutsideBefore", 21, {C(5), C(6), D(7), S(2)}, {C(5)}, true, false},
                      RowCase{"PileEndsAfter", 21, {H(2), C(5), C(6), D(7)}, {C(6), D(7)}, true, false},
                      RowCase{"HoleIsNoCard", 21, {0, C(5), C(6), D(9), 0}, {C(6)}, true, false},
                      RowCase{"JokersAreNoCards", 21, {105, C(5), C(6), D(9), 106}, {C(6)}, true, false},
                      RowCase{"OtherFamily", 20, {H(2), C(5), C(6), D(9), H(7)}, {C(6)}, true, false},
                      RowCase{"NothingSelectedHere", 21, {H(2), C(5)}, {S(9)}, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectionTest, FiveColumnNeighbours) {
  struct {
    int a, b;
    bool adjacent;
  } cases[] = {{0, 6, true},   {6, 0, true},  {0, 1, true},   {0, 5, true},    {4, 5, false},
               {9, 10, false}, {0, 0, false}, {12, 18, true}, {12, 24, false}, {3, 9, true}};
  for (const auto& c : cases) EXPECT_EQ(AdjacentInFiveColumns(c.a, c.b), c.adjacent) << c.a << " " << c.b;
}

TEST_F(SelectionTest, ChainAcrossTheGridIsRemovedAndRefilled) {
  Empty(kMonteCarlo, 33, 0);
  s().rules.Set(rule::TableauCount, 28);
  s().rules.Set(rule::AutoFillSource, 3);
  // Row 1 of the seven-column grid: a chain K, A, 2, 2, 3, 4, 5 from column 1 to column 7.
  const std::vector<int> chain = {H(13), C(1), D(2), S(2), H(3), C(4), D(5)};
  for (int i = 0; i < 7; ++i) Put(Tableau(i), {chain[static_cast<std::size_t>(i)]});
  for (int i = 7; i < 28; ++i) Put(Tableau(i), {S(6)});
  Put(Tableau(8), {C(9)});
  Put(Pile(PileGroup::Stock, kStockItem), {H(8), H(9), H(10), H(11), H(12), D(8), D(9)});

  Click(C(1));  // outside column 1
  EXPECT_TRUE(Selection(s()).empty());
  EXPECT_EQ(play.table.beeps, 1);
  for (int i = 0; i < 6; ++i) Click(chain[static_cast<std::size_t>(i)]);
  EXPECT_EQ(PileCardCount(Selection(s())), 6);
  Click(C(9));  // below, but no neighbour of rank
  EXPECT_EQ(play.table.beeps, 2);
  Click(D(5));
  EXPECT_TRUE(Selection(s()).empty());
  EXPECT_EQ(PileCardCount(SecondWaste()), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(PileCardCount(Tableau(i)), 1) << "pile " << i + 1;
  EXPECT_TRUE(Pile(PileGroup::Stock, kStockItem).empty());
}

TEST_F(SelectionTest, StockDealsAreCountedInFamily28) {
  ASSERT_TRUE(play.Start(kKlondike, "4711000000815"));
  s().rules.Set(rule::GameFamily, 28);
  ClickPile({PileGroup::Stock, kStockItem});
  ClickPile({PileGroup::Stock, kStockItem});
  EXPECT_EQ(s().values.Counter(kDealCounter), 2);
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(s().values.Counter(kDealCounter), 1);
  ASSERT_TRUE(play.engine.Redo());
  EXPECT_EQ(s().values.Counter(kDealCounter), 2);
}

struct SearchedWin {
  const char* name;
  int game;
  const char* deal;
};

class SelectionWins : public ::testing::TestWithParam<SearchedWin> {};

TEST_P(SelectionWins, PlaysADealToAWinByPresses) {
  const SearchedWin& c = GetParam();
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(c.game, c.deal));
  test::PressSearch search(5000);
  const auto presses = search.Solve(play.session);
  ASSERT_TRUE(presses.has_value()) << "no win found in " << search.Nodes() << " positions";
  for (const test::PressMove& press : *presses) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress)) << test::Describe(press);
    test::Press(play, press);
  }
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, std::to_string(4 * play.session.rules[rule::CardCount]));
  EXPECT_EQ(PileCardCount(play.session.piles.Pile(PileGroup::Stock, kSecondWasteItem)), 52);
  EXPECT_TRUE(play.PackIntact());
  std::printf("%d presses, %d positions searched\n", static_cast<int>(presses->size()), search.Nodes());
}

INSTANTIATE_TEST_SUITE_P(Games, SelectionWins,
                         ::testing::Values(SearchedWin{"Pyramid", kPyramid, "1000000000001"},
                                           SearchedWin{"Golf", kGolf, "1000000000014"},
                                           SearchedWin{"RelaxedGolf", kRelaxedGolf, "1000000000010"},
                                           SearchedWin{"MonteCarlo", kMonteCarlo, "1000000000001"},
                                           SearchedWin{"BlackHole", kBlackHole, "1000000000006"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cardoria
