// The compact search plays cells-and-columns games on its own small
// position; these tests hold it to the engine: its wins replay through the
// mouse handlers, and every move it offers is one the table takes.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/Cards.h"
#include "solver/Compact.h"
#include "solver/Replay.h"
#include "solver/Solver.h"
#include "support/PlayFixture.h"
#include "support/SolverReplay.h"

namespace cardoria::test {
namespace {

using solver::Move;
using solver::Verdict;

TEST(CompactTest, DealsAreWonAndTheWinsReplayThroughTheMouse) {
  using solver::Knowledge;
  struct Case {
    int game;
    const char* deal;
    bool autoplay;
    Knowledge knowledge;
  };
  const Case cases[] = {
      {1, "4831926750418", false, Knowledge::Visible},    // Freecell
      {1, "0000000000003", false, Knowledge::Visible},    //
      {1, "2026121000001", true, Knowledge::Visible},     // cards go home by themselves after each move
      {13, "2026121000013", false, Knowledge::Visible},   //
      {11, "2026121000011", false, Knowledge::Visible},   //
      {2, "2026121000002", false, Knowledge::FullDeal},   // Klondike: stock, waste, face-down cards
      {2, "4831926750418", true, Knowledge::FullDeal},    //
      {3, "2026121000002", true, Knowledge::FullDeal},    // three cards a click, turned one at a time
      {19, "4831926750418", true, Knowledge::FullDeal},   // two packs
      {5, "2026121000002", false, Knowledge::FullDeal},   // Yukon: any face-up group moves
      {18, "2026121100002", false, Knowledge::FullDeal},  // Spiderette: deals to every column, suits leave
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.game) + " " + c.deal + (c.autoplay ? " autoplay" : ""));
    PlayFixture f;
    ASSERT_TRUE(f.Start(c.game, c.deal, c.autoplay));
    const std::optional<solver::Result> result = solver::SolveCompact(f.session, Budget(200000));
    ASSERT_TRUE(result);
    ASSERT_EQ(result->verdict, Verdict::Winnable) << solver::Describe(*result);
    EXPECT_EQ(result->knowledge, c.knowledge);
    EXPECT_EQ(ReplayToWin(f, result->moves), static_cast<int>(result->moves.size()));
    EXPECT_TRUE(f.PackIntact());
  }
}

// Four-suit Spider, two packs: a deal the stage-by-stage search wins (it
// wins few), replayed to the end through the mouse.
TEST(CompactTest, FourSuitSpiderIsWonFromARealDeal) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(4, "2026121100195"));
  const std::optional<solver::Result> result = solver::SolveCompact(f.session, Budget(100000));
  ASSERT_TRUE(result);
  ASSERT_EQ(result->verdict, Verdict::Winnable) << solver::Describe(*result);
  EXPECT_EQ(ReplayToWin(f, result->moves), static_cast<int>(result->moves.size()));
  EXPECT_TRUE(f.PackIntact());
}

// A search in rounds counts on from round to round: the player's progress
// count never runs backwards.
TEST(CompactTest, ProgressCountsOnAcrossRounds) {
  for (int game : {4, 1}) {
    SCOPED_TRACE(game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(game, game == 4 ? "2026121100001" : "0000000000597"));
    std::vector<std::int64_t> counts;
    solver::SolveOptions options = Budget(60000);
    options.progress = [&](std::int64_t positions) { counts.push_back(positions); };
    const std::optional<solver::Result> result = solver::SolveCompact(f.session, options);
    ASSERT_TRUE(result);
    ASSERT_GT(counts.size(), 2u);
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
    EXPECT_LE(counts.back(), result->positions);
  }
}

// Small Klondike ends, autoplay on: everything home but one red suit from
// Five up. With the Five face down under the Six nothing can reach it (a
// black Seven taken from home would go straight back); the other way round
// the game plays itself out through the stock.
TEST(CompactTest, KlondikeEndsHaveTheirKnownVerdicts) {
  for (bool fiveOnTop : {false, true}) {
    SCOPED_TRACE(fiveOnTop ? "Five on top" : "Five buried");
    PlayFixture f;
    ASSERT_TRUE(f.Start(2, "2026121000002", true));
    auto& piles = f.session.piles;
    for (auto group : {PileGroup::Tableau, PileGroup::Foundation, PileGroup::Stock})
      for (std::string& pile : piles.Items(group)) pile.clear();
    int hearts = -1;
    for (int suit : {0, 13, 26, 39}) {
      if (IsRedCard(suit + 1) && hearts < 0) hearts = suit;
      const int last = suit == hearts ? 4 : 13;
      for (int rank = 1; rank <= last; ++rank)
        AppendCard(piles, f.session.cards, PileGroup::Foundation, suit / 13, suit + rank, '1');
    }
    const int buried = fiveOnTop ? hearts + 6 : hearts + 5, shown = fiveOnTop ? hearts + 5 : hearts + 6;
    AppendCard(piles, f.session.cards, PileGroup::Tableau, 0, buried, '0');
    AppendCard(piles, f.session.cards, PileGroup::Tableau, 0, shown, '1');
    for (int rank = 13; rank >= 7; --rank)
      AppendCard(piles, f.session.cards, PileGroup::Stock, kStockItem, hearts + rank, '0');
    ASSERT_TRUE(f.PackIntact());

    const std::optional<solver::Result> result = solver::SolveCompact(f.session, Budget(100000));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->knowledge, solver::Knowledge::FullDeal);
    if (fiveOnTop) {
      ASSERT_EQ(result->verdict, Verdict::Winnable) << solver::Describe(*result);
      EXPECT_EQ(ReplayToWin(f, result->moves), static_cast<int>(result->moves.size()));
    } else {
      EXPECT_EQ(result->verdict, Verdict::CannotBeWon) << solver::Describe(*result);
      EXPECT_GT(result->positions, 7);  // the stock was turned through
    }
  }
}

// Spider: a whole suit built down from King to Ace leaves the table by
// itself, for the first empty foundation. Two suits left, each one Ace
// short of complete: won in two drags.
TEST(CompactTest, SpiderCompletedSuitsLeaveTheTable) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(4, "2026121000004"));
  auto& piles = f.session.piles;
  auto& cards = f.session.cards;
  for (auto group : {PileGroup::Tableau, PileGroup::Foundation, PileGroup::Stock})
    for (std::string& pile : piles.Items(group)) pile.clear();
  const int suits[8] = {0, 13, 26, 39, 52, 65, 78, 91};  // two packs of four suits
  for (int home = 0; home < 6; ++home)
    for (int rank = 1; rank <= 13; ++rank)
      AppendCard(piles, cards, PileGroup::Foundation, home, suits[home + 2] + rank, '1');
  for (int run = 0; run < 2; ++run) {
    for (int rank = 13; rank >= 2; --rank)
      AppendCard(piles, cards, PileGroup::Tableau, 2 * run, suits[run] + rank, '1');
    AppendCard(piles, cards, PileGroup::Tableau, 2 * run + 1, suits[run] + 1, '1');
  }
  ASSERT_TRUE(f.PackIntact());

  const std::optional<solver::Result> result = solver::SolveCompact(f.session, Budget(1000));
  ASSERT_TRUE(result);
  ASSERT_EQ(result->verdict, Verdict::Winnable) << solver::Describe(*result);
  EXPECT_EQ(result->moves.size(), 2u);
  EXPECT_EQ(ReplayToWin(f, result->moves), 2);
}

// Hearts and diamonds left, the Threes under two cards each and one free
// cell: with no two colours to alternate, nothing can be dug out.
TEST(CompactTest, ABuriedPositionIsProvedLostAndSmallBudgetsAreUnknown) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(1, "2026121000007"));
  auto& piles = f.session.piles;
  for (auto group : {PileGroup::Tableau, PileGroup::Reserve, PileGroup::Foundation})
    for (std::string& pile : piles.Items(group)) pile.clear();
  std::vector<int> reds;  // the code offsets of the two red suits
  for (int suit : {0, 13, 26, 39})
    if (IsRedCard(suit + 1)) reds.push_back(suit);
  ASSERT_EQ(reds.size(), 2u);
  const int hearts = reds[0], diamonds = reds[1];
  for (int suit : {0, 13, 26, 39}) {
    const int last = suit == hearts || suit == diamonds ? 2 : 13;
    std::string& foundation = piles.Pile(PileGroup::Foundation, suit / 13);
    for (int rank = 1; rank <= last; ++rank) foundation += CardCode(suit + rank);
  }
  std::vector<int> rest;
  for (int rank = 4; rank <= 13; ++rank) rest.insert(rest.end(), {hearts + rank, diamonds + rank});
  piles.Pile(PileGroup::Tableau, 0) = CardCode(hearts + 3);
  piles.Pile(PileGroup::Tableau, 1) = CardCode(diamonds + 3);
  for (int r = 0; r < 3; ++r) piles.Pile(PileGroup::Reserve, r) = CardCode(rest[static_cast<std::size_t>(r)]);
  for (std::size_t k = 3; k < rest.size(); ++k)
    piles.Pile(PileGroup::Tableau, static_cast<int>(k % 8)) += CardCode(rest[k]);
  ASSERT_TRUE(f.PackIntact());

  const std::optional<solver::Result> lost = solver::SolveCompact(f.session, Budget(100000));
  ASSERT_TRUE(lost);
  EXPECT_EQ(lost->verdict, Verdict::CannotBeWon) << solver::Describe(*lost);
  EXPECT_GT(lost->positions, 1);

  PlayFixture deal;
  ASSERT_TRUE(deal.Start(1, "4831926750418"));
  const std::optional<solver::Result> unknown = solver::SolveCompact(deal.session, Budget(5));
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->verdict, Verdict::Unknown);
  EXPECT_LE(unknown->positions, 5);
}

TEST(CompactTest, GamesItCannotExpressAreLeftToTheGeneralSearch) {
  for (int game : {66, 26, 7}) {  // memory, Golf, Canfield (its reserve refills the columns)
    SCOPED_TRACE(game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(game, "2026121000066"));
    EXPECT_FALSE(solver::SolveCompact(f.session, Budget(100)));
    EXPECT_FALSE(solver::CompactMoves(f.session));
  }
}

// Random walks through cell games: at every position each move the compact
// search offers must be taken by the table, leaving the card on the pile named.
TEST(CompactTest, EveryOfferedMoveIsOneTheEngineTakes) {
  std::mt19937 random(14);
  for (int game : {1, 13, 11, 12, 2, 3, 4, 22, 6}) {
    SCOPED_TRACE(game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(game, "20261210000" + std::to_string(10 + game)));
    for (int step = 0; step < 40; ++step) {
      const auto offered = solver::CompactMoves(f.session);
      ASSERT_TRUE(offered);
      if (offered->empty() || f.table.gamesEnded > 0) break;
      if (step == 0) {
        EXPECT_FALSE(offered->empty());
      }
      const Session before = f.session;
      for (const Move& move : *offered) {
        SCOPED_TRACE(move.Command());
        EXPECT_TRUE(solver::PlayMove(f.engine, f.session, move));
        const auto at = ParsePileName(move.pile);
        ASSERT_TRUE(at);
        // A card may have gone on home by itself, or with its completed suit.
        bool home = false;
        for (const std::string& pile : f.session.piles.Items(PileGroup::Foundation))
          home = home || FindCode(pile, move.card) != std::string::npos;
        if (move.kind == Move::Drag && (!home || at->group == PileGroup::Foundation)) {
          EXPECT_NE(FindCode(f.session.piles.Pile(at->group, at->index), move.card), std::string::npos);
        }
        f.session = before;
      }
      const Move pick = (*offered)[random() % offered->size()];
      ASSERT_TRUE(solver::PlayMove(f.engine, f.session, pick));
    }
  }
}

}  // namespace
}  // namespace cardoria::test
