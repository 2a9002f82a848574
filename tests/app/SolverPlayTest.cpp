// The window's use of the solver without the window: dealing on copies,
// hints that follow one line to the win, and the search for winnable deals.

#include "app/SolverPlay.h"

#include <gtest/gtest.h>

#include <atomic>

#include "persist/UndoLog.h"
#include "solver/Replay.h"
#include "support/PlayFixture.h"

namespace cardoria::test {
namespace {

constexpr int kFreecell = 1, kKlondike = 2, kGolf = 26, kConcentration = 66;

solver::SolveOptions Budget(std::int64_t positions) {
  solver::SolveOptions options;
  options.maxPositions = positions;
  return options;
}

std::string TableOf(const Session& s) {
  std::string text;
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (const std::string& pile : s.piles.Items(group)) text += SnapshotLine(s.cards, pile) + "|";
  return text;
}

// Golf with two cards left that never go on the waste's 4: no move at all.
void DeadGolf(PlayFixture& f) {
  ASSERT_TRUE(f.Start(kGolf, "2026121000026"));
  for (auto group : {PileGroup::Stock, PileGroup::Tableau})
    for (std::string& pile : f.session.piles.Items(group)) pile.clear();
  std::string discarded;
  for (int card = 1; card <= 52; ++card)
    if (card != 4 && card != 9 && card != 11) discarded += CardCode(card);
  f.session.piles.Pile(PileGroup::Stock, kSecondWasteItem) = discarded + CardCode(4);
  f.session.piles.Pile(PileGroup::Tableau, 0) = CardCode(9);
  f.session.piles.Pile(PileGroup::Tableau, 1) = CardCode(11);
  for (int card = 1; card <= 52; ++card) f.session.cards.SetCardFace(card, '1');
}

TEST(SolverPlayTest, ACopyDealsWhatTheTableDeals) {
  PlayFixture freecell;
  ASSERT_TRUE(freecell.Start(kFreecell, "2026121000001"));
  PlayFixture klondike;
  ASSERT_TRUE(klondike.Start(kKlondike, "2026121000002"));

  // The same game, and another game from the table of the first (Random game).
  const auto same = DealtCopy(freecell.session, kFreecell, "2026121000001");
  ASSERT_TRUE(same);
  EXPECT_EQ(TableOf(*same), TableOf(freecell.session));
  const auto other = DealtCopy(freecell.session, kKlondike, "2026121000002");
  ASSERT_TRUE(other);
  EXPECT_EQ(TableOf(*other), TableOf(klondike.session));
  EXPECT_TRUE(other->values.Flag(kGameInProgress));
  // The table the copies came from is as it was.
  EXPECT_EQ(freecell.session.store.GetInt(pos::kGameNumber, 4), kFreecell);

  EXPECT_FALSE(DealtCopy(freecell.session, 9999, "2026121000001"));
}

TEST(SolverPlayTest, HintsFollowTheLineFoundToTheWin) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(kFreecell, "0000000000003"));
  HintBook book;
  std::vector<solver::Move> line;
  int hints = 0;
  while (f.table.gamesEnded == 0) {
    const auto hint = book.Next(f.session, Budget(20000));
    ASSERT_TRUE(hint) << "after " << hints << " hints";
    if (hints == 0) line = book.Line();
    // Every hint after the first comes from the line, not a new search.
    ASSERT_LT(static_cast<std::size_t>(hints), line.size());
    EXPECT_EQ(*hint, line[static_cast<std::size_t>(hints)]);
    ASSERT_TRUE(solver::PlayMove(f.engine, f.session, *hint)) << hint->Command();
    ++hints;
  }
  EXPECT_TRUE(f.table.lastResult.won);
  EXPECT_EQ(static_cast<std::size_t>(hints), line.size());
  EXPECT_EQ(book.Line(), line);
}

TEST(SolverPlayTest, AHintOffTheLineAndNoHintWhenNothingMoves) {
  // Beyond a tiny budget the hint is the heuristic's, still a move the table takes.
  PlayFixture open;
  ASSERT_TRUE(open.Start(kKlondike, "2026121000002"));
  HintBook book;
  const auto best = book.Next(open.session, Budget(3));
  ASSERT_TRUE(best);
  EXPECT_TRUE(book.Line().empty());
  EXPECT_TRUE(solver::PlayMove(open.engine, open.session, *best));

  PlayFixture dead;
  DeadGolf(dead);
  EXPECT_FALSE(book.Next(dead.session, Budget(1000)));

  PlayFixture ended;
  ASSERT_TRUE(ended.Start(kFreecell, "0000000000003"));
  ended.engine.EndGame();
  EXPECT_FALSE(book.Next(ended.session, Budget(1000)));
}

TEST(SolverPlayTest, TheWinnableDealSearchStopsAtTheFirstProvedDeal) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(kFreecell, "2026121000001"));
  std::vector<std::pair<int, std::int64_t>> reported;
  WinnableSearch search;
  search.deals = {"0000000000003", "0000000000007"};
  search.progress = [&](int tried, std::int64_t positions) { reported.emplace_back(tried, positions); };
  WinnableDeal found = FindWinnableDeal(f.session, kFreecell, search);
  EXPECT_TRUE(found.winnable);
  EXPECT_EQ(found.deal, "0000000000003");
  EXPECT_EQ(found.tried, 1);
  ASSERT_FALSE(reported.empty());
  EXPECT_EQ(reported.back(), std::make_pair(1, found.positions));

  // No deal proved within the budget: the last one is played.
  search.deals = {"2026121000002", "2026121000003", "2026121000004"};
  search.positionsPerDeal = 2;
  found = FindWinnableDeal(f.session, kKlondike, search);
  EXPECT_FALSE(found.winnable);
  EXPECT_FALSE(found.cancelled);
  EXPECT_EQ(found.tried, 3);
  EXPECT_EQ(found.deal, "2026121000004");

  // Out of time: the deal being searched counts as not proved, and is played.
  search.positionsPerDeal = 100000000;
  search.timeBudget = std::chrono::milliseconds(1);
  found = FindWinnableDeal(f.session, kKlondike, search);
  EXPECT_TRUE(found.outOfTime);
  EXPECT_FALSE(found.winnable || found.cancelled);
  EXPECT_EQ(found.deal, search.deals[static_cast<std::size_t>(found.tried - 1)]);
  search.timeBudget = {};

  std::atomic<bool> cancel{true};
  search.cancel = &cancel;
  found = FindWinnableDeal(f.session, kKlondike, search);
  EXPECT_TRUE(found.cancelled);
  EXPECT_EQ(found.tried, 0);
  search.cancel = nullptr;

  found = FindWinnableDeal(f.session, kConcentration, search);
  EXPECT_TRUE(found.cannotJudge);
  EXPECT_EQ(found.tried, 1);
}

// A demo found by the solver is the win from the deal's first position,
// whatever the player has done on the table since, recorded up to its last
// move as a demo file is; a lost deal has none.
TEST(SolverPlayTest, ADemoIsTheWinOfTheDealFromItsStart) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(kGolf, "0644822914239"));
  const std::string dealt = TableOf(f.session);
  f.Click({PileGroup::Tableau, 0});
  const FoundDemo found = FindDemo(f.session, kGolf, "0644822914239", Budget(20000));
  ASSERT_EQ(found.result.verdict, solver::Verdict::Winnable);
  ASSERT_TRUE(found.recording);
  EXPECT_EQ(found.recording->gameNumber, kGolf);
  EXPECT_EQ(found.recording->dealNumber, "0644822914239");
  EXPECT_EQ(static_cast<std::size_t>(found.recording->undo.Steps()), found.result.moves.size() - 1);
  // Wound back, the recording starts on the table as dealt.
  PlayFixture replay;
  ASSERT_TRUE(replay.Start(kGolf, "1000000000001"));
  ASSERT_TRUE(LoadGame(replay.session, replay.startPorts, *found.recording, "", LoadSource::Demo));
  while (UndoRedo(replay.session, Direction::Undo, true, nullptr)) {
  }
  EXPECT_EQ(TableOf(replay.session), dealt);

  // Autoplay after the deal moves cards before the recording starts: the
  // recording starts after them, its history and step log alike.
  PlayFixture klondike;
  ASSERT_TRUE(klondike.Start(kKlondike, "0167673840915", true));
  ASSERT_GT(klondike.session.history.undo.Steps(), 0) << "autoplay moved a card after the deal";
  const FoundDemo autoplayed = FindDemo(klondike.session, kKlondike, "0167673840915", Budget(20000));
  ASSERT_EQ(autoplayed.result.verdict, solver::Verdict::Winnable);
  EXPECT_TRUE(autoplayed.recording);

  const FoundDemo lost = FindDemo(f.session, kGolf, "0828214926252", Budget(400000));
  EXPECT_EQ(lost.result.verdict, solver::Verdict::CannotBeWon);
  EXPECT_FALSE(lost.recording);
  const FoundDemo memory = FindDemo(f.session, kConcentration, "1", Budget(1000));
  EXPECT_EQ(memory.result.verdict, solver::Verdict::CannotJudge);
  EXPECT_FALSE(memory.recording);
}

TEST(SolverPlayTest, DealNumbersAreDrawnAsNewGameDrawsThem) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(kFreecell, "2026121000001"));
  Random twin = f.random;
  const auto deals = DrawDealNumbers([&](int n) { return twin.Next(n); }, 2);
  ASSERT_EQ(deals.size(), 2u);
  for (const std::string& deal : deals) {
    NewDealNumber(f.session, f.startPorts);
    EXPECT_EQ(deal, f.session.store.Get(pos::kDealNumber, 15));
  }
}

}  // namespace
}  // namespace cardoria::test
