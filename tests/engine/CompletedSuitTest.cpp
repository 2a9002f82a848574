// A column that holds a whole suit from King down to Ace sends it to a
// foundation with the move that completed it: the games of the Spider
// family are won that way and no other.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

struct SuitGame {
  const char* name;
  int game;
};

class CompletedSuitTest : public ::testing::TestWithParam<SuitGame> {
 protected:
  void SetUp() override {
    play.clock.step = 1000;
    ASSERT_TRUE(play.Start(GetParam().game, "4831926750418"));
  }
  Session& s() { return play.session; }
  std::string& Pile(PileGroup group, int index) { return s().piles.Pile(group, index); }
  int Score() { return s().store.GetInt(pos::kScore, 6); }

  // Lays the table out anew: the hearts of the first deck from King to 2 in
  // column 1, their Ace alone in column 2; `homeSuits` whole suits already
  // on the foundations, the other cards spread over the other columns.
  void LayOut(int homeSuits) {
    std::vector<int> rest;
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (std::string& pile : s().piles.Items(group)) {
        for (int i = 0; i < PileCardCount(pile); ++i)
          if (CardAt(pile, i) > 13) rest.push_back(CardAt(pile, i));
        pile.clear();
      }
    std::sort(rest.begin(), rest.end());
    for (int suit = 0; suit < homeSuits; ++suit)
      for (int k = 0; k < 13; ++k) {
        const int card = rest[static_cast<std::size_t>(suit * 13 + k)];
        AppendCard(s().piles, s().cards, PileGroup::Foundation, suit, card, '1');
      }
    rest.erase(rest.begin(), rest.begin() + homeSuits * 13);
    for (int rank = 13; rank >= 2; --rank) AppendCard(s().piles, s().cards, PileGroup::Tableau, 0, rank, '1');
    AppendCard(s().piles, s().cards, PileGroup::Tableau, 1, 1, '1');
    const int columns = s().rules[rule::TableauCount];
    for (std::size_t i = 0; i < rest.size(); ++i)
      AppendCard(s().piles, s().cards, PileGroup::Tableau, 2 + static_cast<int>(i) % (columns - 2), rest[i],
                 i % 3 == 0 ? '0' : '1');
    engine().UpdateScore();
    ASSERT_TRUE(play.PackIntact());
  }
  Engine& engine() { return play.engine; }

  test::PlayFixture play;
};

TEST_P(CompletedSuitTest, TheSuitLeavesForTheFirstEmptyFoundationInOneStep) {
  LayOut(0);
  const std::string before = play.TableText();
  const int score = Score();
  play.Drag(1, {PileGroup::Tableau, 0});

  EXPECT_TRUE(Pile(PileGroup::Tableau, 0).empty());
  const std::string& home = Pile(PileGroup::Foundation, 0);
  ASSERT_EQ(PileCardCount(home), 13);
  for (int k = 0; k < 13; ++k) EXPECT_EQ(CardAt(home, k), k + 1);  // Ace at the bottom, King on top
  EXPECT_EQ(Score(), score + 65);
  EXPECT_TRUE(play.PackIntact());
  EXPECT_TRUE(s().values.Flag(kGameInProgress));

  ASSERT_TRUE(engine().Undo());  // the move and the suit's departure are one step
  EXPECT_EQ(play.TableText(), before);
  EXPECT_EQ(Score(), score);
}

TEST_P(CompletedSuitTest, CompletingTheLastSuitWinsTheGame) {
  const int suits = s().rules[rule::CardCount] / 13;
  LayOut(suits - 1);
  play.Drag(1, {PileGroup::Tableau, 0});
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Foundation, suits - 1)), 13);
  EXPECT_FALSE(s().values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
}

INSTANTIATE_TEST_SUITE_P(SpiderFamily, CompletedSuitTest,
                         ::testing::Values(SuitGame{"Spider", 4}, SuitGame{"Scorpion", 10}, SuitGame{"Spiderette", 18}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cardoria
