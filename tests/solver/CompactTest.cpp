// The compact search plays cells-and-columns games on its own small
// position; these tests hold it to the engine: its wins replay through the
// mouse handlers, and every move it offers is one the table takes.

#include <gtest/gtest.h>

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

TEST(CompactTest, CellGamesAreWonAndTheWinsReplayThroughTheMouse) {
  struct Case {
    int game;
    const char* deal;
  };
  for (const Case& c : {Case{1, "4831926750418"}, Case{1, "0000000000003"}, Case{1, "2026121000001"},
                        Case{13, "2026121000013"}, Case{11, "2026121000011"}}) {
    SCOPED_TRACE(std::to_string(c.game) + " " + c.deal);
    PlayFixture f;
    ASSERT_TRUE(f.Start(c.game, c.deal));
    const std::optional<solver::Result> result = solver::SolveCompact(f.session, Budget(200000));
    ASSERT_TRUE(result);
    ASSERT_EQ(result->verdict, Verdict::Winnable) << solver::Describe(*result);
    EXPECT_EQ(result->knowledge, solver::Knowledge::Visible);
    EXPECT_EQ(ReplayToWin(f, result->moves), static_cast<int>(result->moves.size()));
    EXPECT_TRUE(f.PackIntact());
  }
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
  for (int game : {66, 26}) {
    SCOPED_TRACE(game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(game, "2026121000066"));
    EXPECT_FALSE(solver::SolveCompact(f.session, Budget(100)));
    EXPECT_FALSE(solver::CompactMoves(f.session));
  }
  // With autoplay on the table moves cards home by itself, which the
  // compact line does not expect.
  PlayFixture f;
  ASSERT_TRUE(f.Start(1, "2026121000001", true));
  EXPECT_FALSE(solver::SolveCompact(f.session, Budget(100)));
}

// Random walks through cell games: at every position each move the compact
// search offers must be taken by the table, leaving the card on the pile named.
TEST(CompactTest, EveryOfferedMoveIsOneTheEngineTakes) {
  std::mt19937 random(14);
  for (int game : {1, 13, 11, 12}) {
    SCOPED_TRACE(game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(game, "20261210000" + std::to_string(10 + game)));
    for (int step = 0; step < 40; ++step) {
      const auto offered = solver::CompactMoves(f.session);
      ASSERT_TRUE(offered);
      if (offered->empty() || f.table.gamesEnded > 0) break;
      if (step == 0) {
        EXPECT_GT(offered->size(), 3u);
      }
      const Session before = f.session;
      for (const Move& move : *offered) {
        SCOPED_TRACE(move.Command());
        EXPECT_TRUE(solver::PlayMove(f.engine, f.session, move));
        const auto at = ParsePileName(move.pile);
        ASSERT_TRUE(at);
        EXPECT_NE(FindCode(f.session.piles.Pile(at->group, at->index), move.card), std::string::npos);
        f.session = before;
      }
      const Move pick = (*offered)[random() % offered->size()];
      ASSERT_TRUE(solver::PlayMove(f.engine, f.session, pick));
    }
  }
}

}  // namespace
}  // namespace cardoria::test
