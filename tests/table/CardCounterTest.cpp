#include "table/CardCounter.h"

#include <gtest/gtest.h>

#include "core/RuleIndex.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

using test::PlayFixture;

CounterMark MarkOf(const std::vector<CounterMark>& marks, int card) {
  return marks[static_cast<std::size_t>(card - 1)];
}

class CardCounterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Start(2, "0000000000042"));  // Klondike: a stock, a waste, face-down tableau cards
    // One card turned over onto the waste, so every kind of pile holds cards.
    game.Click({PileGroup::Stock, kStockItem});
    ASSERT_FALSE(game.session.piles.Pile(PileGroup::Stock, kWasteItem).empty());
  }
  const std::string& Pile(PileGroup group, int index) { return game.session.piles.Pile(group, index); }

  PlayFixture game;
};

TEST_F(CardCounterTest, ModesCountTheirPilesAndInvertedSwapsTheMarks) {
  const int stockCard = CardAt(Pile(PileGroup::Stock, kStockItem), 0);
  const int wasteCard = TopCard(Pile(PileGroup::Stock, kWasteItem));
  const std::string& lastPile = Pile(PileGroup::Tableau, 6);
  const int hidden = CardAt(lastPile, 0);
  const int shown = TopCard(lastPile);
  ASSERT_TRUE(game.session.cards.IsFaceDown(hidden));
  ASSERT_FALSE(game.session.cards.IsFaceDown(shown));
  using M = CounterMark;
  struct Case {
    CounterModes modes;
    M stock, waste, hidden, shown;
  };
  const Case cases[] = {
      {{false, false, false}, M::Down, M::Up, M::Down, M::Up},
      {{true, false, false}, M::Down, M::Up, M::None, M::None},  // stock only
      {{false, true, false}, M::None, M::None, M::Down, M::Up},  // tableau only
      {{false, false, true}, M::Up, M::Down, M::Up, M::Down},    // inverted
      {{true, false, true}, M::Up, M::Down, M::None, M::None},   // stock only, inverted
  };
  for (const Case& c : cases) {
    const auto marks = CounterMarks(game.session, c.modes);
    ASSERT_EQ(marks.size(), 52u);
    const auto where = testing::Message() << "stock only " << c.modes.stockOnly << ", tableau only "
                                          << c.modes.tableauOnly << ", inverted " << c.modes.inverted;
    EXPECT_EQ(MarkOf(marks, stockCard), c.stock) << where;
    EXPECT_EQ(MarkOf(marks, wasteCard), c.waste) << where;
    EXPECT_EQ(MarkOf(marks, hidden), c.hidden) << where;
    EXPECT_EQ(MarkOf(marks, shown), c.shown) << where;
  }
  // Counting everything leaves no card out.
  for (CounterMark m : CounterMarks(game.session, {})) EXPECT_NE(m, CounterMark::None);
}

TEST_F(CardCounterTest, AWasteWithoutAStockShowsOnlyItsTopCard) {
  game.session.rules.Set(rule::HasStock, 0);
  game.session.rules.Set(rule::StockDealsToWaste, 1);
  game.Click({PileGroup::Stock, kStockItem});
  const std::string& waste = Pile(PileGroup::Stock, kWasteItem);
  ASSERT_GE(PileCardCount(waste), 2);
  const auto marks = CounterMarks(game.session, {true, false, false});
  EXPECT_EQ(MarkOf(marks, TopCard(waste)), CounterMark::Up);
  EXPECT_EQ(MarkOf(marks, CardAt(waste, 0)), CounterMark::Down);
}

TEST(CardCounter, HeightFollowsTheNumberOfCards) {
  const std::pair<int, int> cases[] = {{52, 121}, {104, 194}, {156, 268}, {208, 340}, {78, 121}, {0, 121}};
  for (const auto& [cards, height] : cases) EXPECT_EQ(CounterHeight(cards), height) << cards;
  // The marks run by rank along the rows and by suit and deck down them.
  EXPECT_EQ(CounterMarkX(1), 16);
  EXPECT_EQ(CounterMarkX(13), 184);
  EXPECT_EQ(CounterMarkY(14), 21);
  EXPECT_EQ(CounterMarkY(104), 3 + 18 * 7);
}

}  // namespace
}  // namespace cardoria
