// The solver plays by the engine's rules: every win it reports is replayed
// here through the mouse handlers and must end the game won.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "engine/SelectionTests.h"
#include "solver/Replay.h"
#include "solver/Solver.h"
#include "support/PlayFixture.h"
#include "support/SolverReplay.h"

namespace cardoria::test {
namespace {

using solver::Knowledge;
using solver::Move;
using solver::Verdict;

std::string Codes(std::initializer_list<int> cards) {
  std::string pile;
  for (int card : cards) pile += CardCode(card);
  return pile;
}

// A Golf table near its end: every card but the ones named already
// discarded with `onWaste` on top, the named cards alone in the first columns.
void GolfEnding(PlayFixture& f, int onWaste, std::initializer_list<int> columns) {
  ASSERT_TRUE(f.Start(26, "2026121000026"));
  for (auto group : {PileGroup::Stock, PileGroup::Tableau}) {
    for (std::string& pile : f.session.piles.Items(group)) pile.clear();
  }
  std::string discarded;
  for (int card = 1; card <= 52; ++card) {
    bool onTable = card == onWaste;
    for (int c : columns) onTable = onTable || c == card;
    if (!onTable) discarded += CardCode(card);
  }
  f.session.piles.Pile(PileGroup::Stock, kSecondWasteItem) = discarded + CardCode(onWaste);
  int t = 0;
  for (int card : columns) f.session.piles.Pile(PileGroup::Tableau, t++) = CardCode(card);
  for (int card = 1; card <= 52; ++card) f.session.cards.SetCardFace(card, '1');
}

TEST(SolverTest, RealDealsAreWonAndEveryWinReplaysThroughTheMouse) {
  struct Case {
    int game;
    const char* deal;
    Knowledge knowledge;
    std::int64_t budget = 2000;
  };
  for (const Case& c :
       {Case{1, "0000000000003", Knowledge::Visible}, Case{2, "0000000000003", Knowledge::FullDeal},
        Case{25, "0000000000003", Knowledge::FullDeal}, Case{76, "0000000000005", Knowledge::FullDeal},
        // Pairs pressed card by card: each removal is searched as one move.
        Case{55, "2026121100002", Knowledge::FullDeal},
        // The row of ten must be filled as a run: cards out of place lead nowhere.
        Case{79, "0234435102048", Knowledge::FullDeal},
        // Eight foundations of any suit: which one a card goes to is no choice.
        Case{90, "0234435102048", Knowledge::Visible},
        // Columns dealt with no rank twice in one.
        Case{39, "0234435102048", Knowledge::Visible},
        // The short pack in piles whose lower cards lie face down.
        Case{57, "0234435102048", Knowledge::FullDeal},
        // Sixteen cards and a stock: groups of any size that make fifteen.
        Case{35, "1234567890123", Knowledge::FullDeal},
        // Nine cards and a stock.
        Case{43, "4831926750418", Knowledge::FullDeal},
        // Boards dealt only where they can be solved: slides, and jumps down to one card.
        Case{87, "4706215556562", Knowledge::Visible, 20000}, Case{89, "0234435102048", Knowledge::Visible},
        // A row dealt card by card: two or three neighbours that make a multiple of seven.
        Case{53, "6859221193791", Knowledge::FullDeal},
        // Two packs, twelve cards at a time: few deals are won within a small budget.
        Case{42, "2026121100002", Knowledge::FullDeal, 20000}}) {
    SCOPED_TRACE(c.game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(c.game, c.deal));
    const solver::Result result = solver::Solve(f.session, Budget(c.budget));
    ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
    EXPECT_EQ(result.knowledge, c.knowledge);
    EXPECT_GT(result.positions, 0);
    // The search worked on its own copy.
    EXPECT_EQ(f.table.gamesEnded, 0);
    EXPECT_EQ(ReplayToWin(f, result.moves), static_cast<int>(result.moves.size()));
    EXPECT_TRUE(f.PackIntact());
  }
}

TEST(SolverTest, HandMadePositionsHaveTheirKnownVerdicts) {
  {
    SCOPED_TRACE("Freecell: four Kings left, two of them in one column");
    PlayFixture f;
    ASSERT_TRUE(f.Start(1, "0000000000007"));
    for (std::string& pile : f.session.piles.Items(PileGroup::Tableau)) pile.clear();
    for (std::string& pile : f.session.piles.Items(PileGroup::Reserve)) pile.clear();
    for (int suit = 0; suit < 4; ++suit) {
      std::string foundation;
      for (int rank = 1; rank <= 12; ++rank) foundation += CardCode(suit * 13 + rank);
      f.session.piles.Pile(PileGroup::Foundation, suit) = foundation;
    }
    f.session.piles.Pile(PileGroup::Tableau, 0) = Codes({13, 26});
    f.session.piles.Pile(PileGroup::Tableau, 3) = Codes({39});
    f.session.piles.Pile(PileGroup::Reserve, 2) = Codes({52});
    const solver::Result result = solver::Solve(f.session, Budget(1000));
    ASSERT_EQ(result.verdict, Verdict::Winnable);
    EXPECT_EQ(result.knowledge, Knowledge::Visible);
    EXPECT_EQ(ReplayToWin(f, result.moves), 4);
  }
  {
    SCOPED_TRACE("Golf: the last card is next to the waste's");
    PlayFixture f;
    GolfEnding(f, 4, {5});
    const solver::Result result = solver::Solve(f.session, Budget(1000));
    ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
    EXPECT_EQ(ReplayToWin(f, result.moves), 1);
  }
  {
    SCOPED_TRACE("Golf: two cards left, neither ever playable");
    PlayFixture f;
    GolfEnding(f, 4, {9, 11});
    const solver::Result result = solver::Solve(f.session, Budget(1000));
    EXPECT_EQ(result.verdict, Verdict::CannotBeWon) << solver::Describe(result);
    EXPECT_TRUE(result.moves.empty());
    EXPECT_EQ(solver::Describe(result), "This deal cannot be won.");
  }
  {
    // After the 2 goes up only a 3 can move, between two 4s: nothing else
    // ever opens.
    SCOPED_TRACE("Beleaguered Castle: a deal that is over at once");
    PlayFixture f;
    ASSERT_TRUE(f.Start(9, "0000000000001"));
    const solver::Result result = solver::Solve(f.session, Budget(1000));
    EXPECT_EQ(result.verdict, Verdict::CannotBeWon) << solver::Describe(result);
    EXPECT_EQ(result.knowledge, Knowledge::Visible);
    EXPECT_LT(result.positions, 50);
  }
  {
    SCOPED_TRACE("Klondike: a whole deal within a budget of five positions");
    PlayFixture f;
    ASSERT_TRUE(f.Start(2, "0000000000002"));
    const solver::Result result = solver::Solve(f.session, Budget(5));
    EXPECT_EQ(result.verdict, Verdict::Unknown);
    EXPECT_FALSE(result.cancelled);
    EXPECT_LE(result.positions, 60);
    EXPECT_EQ(solver::Describe(result),
              "Cannot tell within the search budget (" + std::to_string(result.positions) + " positions).");
  }
  {
    // The stacks move by a drop of their own onto the row: a search that did
    // not offer it would call every deal lost.
    SCOPED_TRACE("Accordion: two stacks of one suit left, then a whole deal");
    PlayFixture f;
    ASSERT_TRUE(f.Start(91, "2026121100001"));
    EXPECT_EQ(solver::Solve(f.session, Budget(50)).verdict, Verdict::Unknown);
    std::string& row = f.session.piles.Pile(PileGroup::Tableau, 0);
    row.clear();
    for (int card = 1; card <= 52; ++card) {
      if (card == 5 || card == 9) continue;
      row += CardCode(card);
      f.session.cards.SetCardFace(card, '0');  // covered by the first stack's top
    }
    row += Codes({5, 9});
    f.session.cards.SetCardFace(5, '1');
    f.session.cards.SetCardFace(9, '1');
    ASSERT_TRUE(f.PackIntact());
    const solver::Result result = solver::Solve(f.session, Budget(100));
    ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
    EXPECT_EQ(ReplayToWin(f, result.moves), 1);
  }
  {
    SCOPED_TRACE("Accordion: three stacks, no two tops of a suit or a rank");
    PlayFixture f;
    ASSERT_TRUE(f.Start(91, "2026121100001"));
    std::string& row = f.session.piles.Pile(PileGroup::Tableau, 0);
    row.clear();
    for (int card = 1; card <= 52; ++card) {
      if (card == 14 || card == 28 || card == 42) continue;
      row += CardCode(card);
      f.session.cards.SetCardFace(card, '0');
    }
    row += Codes({14, 28, 42});  // an Ace, a 2 and a 3 of three suits
    for (int card : {14, 28, 42}) f.session.cards.SetCardFace(card, '1');
    ASSERT_TRUE(f.PackIntact());
    const solver::Result result = solver::Solve(f.session, Budget(100));
    EXPECT_EQ(result.verdict, Verdict::CannotBeWon) << solver::Describe(result);
    EXPECT_EQ(result.knowledge, Knowledge::Visible);
  }
  {
    // Each stack that moves carries the cards it covers: the places of the
    // drags must follow the whole pile, not just the tops.
    SCOPED_TRACE("Accordion: a whole deal closed up into one stack");
    PlayFixture f;
    ASSERT_TRUE(f.Start(91, "2026121100005"));
    const solver::Result result = solver::Solve(f.session, Budget(20000));
    ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
    EXPECT_EQ(ReplayToWin(f, result.moves), 51);
  }
  {
    // The four cards add up to 7, but no two or three neighbours do.
    SCOPED_TRACE("Multiples of Seven: a row the stock can no longer help");
    PlayFixture f;
    ASSERT_TRUE(f.Start(53, "2026121100001"));
    for (auto group : {PileGroup::Stock, PileGroup::Tableau}) {
      for (std::string& pile : f.session.piles.Items(group)) pile.clear();
    }
    std::string discarded;
    for (int card = 1; card <= 52; ++card)
      if (card != 1 && card != 2 && card != 16 && card != 27) discarded += CardCode(card);
    f.session.piles.Pile(PileGroup::Stock, kSecondWasteItem) = discarded;
    f.session.piles.Pile(PileGroup::Tableau, 0) = Codes({1, 2, 16, 27});  // A, 2, 3, A
    for (int card = 1; card <= 52; ++card) f.session.cards.SetCardFace(card, '1');
    ASSERT_TRUE(f.PackIntact());
    const solver::Result result = solver::Solve(f.session, Budget(1000));
    EXPECT_EQ(result.verdict, Verdict::CannotBeWon) << solver::Describe(result);
  }
  {
    SCOPED_TRACE("Concentration: played on what the player remembers");
    PlayFixture f;
    ASSERT_TRUE(f.Start(66, "0000000000066"));
    const solver::Result result = solver::Solve(f.session, Budget(1000));
    EXPECT_EQ(result.verdict, Verdict::CannotJudge);
    EXPECT_EQ(solver::Describe(result),
              "The solver cannot judge this game. It is played on what the player remembers of the hidden cards.");
    EXPECT_FALSE(solver::Hint(f.session, Budget(100)));
  }
}

TEST(SolverTest, GolfDealsAreWonOrProvedLostWhole) {
  {
    SCOPED_TRACE("a deal the columns and the stock clear together");
    PlayFixture f;
    ASSERT_TRUE(f.Start(26, "0644822914239"));
    const solver::Result result = solver::Solve(f.session, Budget(20000));
    ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
    EXPECT_EQ(result.knowledge, Knowledge::FullDeal);
    EXPECT_EQ(ReplayToWin(f, result.moves), 51);
  }
  {
    // Every order of clicks is tried before the answer: no budget cut it short.
    SCOPED_TRACE("a deal no order of clicks clears");
    PlayFixture f;
    ASSERT_TRUE(f.Start(26, "0828214926252"));
    const solver::Result big = solver::Solve(f.session, Budget(400000));
    EXPECT_EQ(big.verdict, Verdict::CannotBeWon) << solver::Describe(big);
    EXPECT_EQ(solver::Solve(f.session, Budget(big.positions - 1)).verdict, Verdict::Unknown);
  }
}

// Scorpion's stock deals to the first three columns only: until it is dealt
// those columns are not the others' equals.
TEST(SolverTest, ScorpionDealsAreWonOrProvedLostWhole) {
  {
    SCOPED_TRACE("a deal won with the stock dealt half-way");
    PlayFixture f;
    f.session.store.Set(179, 1, "Y");  // the columns' irregular look, as a player may choose
    ASSERT_TRUE(f.Start(10, "0693716533440"));
    const solver::Result result = solver::Solve(f.session, Budget(20000));
    ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
    EXPECT_EQ(result.knowledge, Knowledge::FullDeal);
    EXPECT_NE(std::find(result.moves.begin(), result.moves.end(), Move{Move::Click, 0, "Mazzo"}), result.moves.end());
    EXPECT_EQ(ReplayToWin(f, result.moves), static_cast<int>(result.moves.size()));
  }
  {
    // Every line from this deal ends stuck within a few hundred positions:
    // a search that sees them all may say so, one cut short may not.
    SCOPED_TRACE("a deal every line of which ends stuck");
    PlayFixture f;
    ASSERT_TRUE(f.Start(10, "4027627672620"));
    const solver::Result lost = solver::Solve(f.session, Budget(20000));
    EXPECT_EQ(lost.verdict, Verdict::CannotBeWon) << solver::Describe(lost);
    EXPECT_EQ(solver::Solve(f.session, Budget(lost.positions / 2)).verdict, Verdict::Unknown);
  }
}

TEST(SolverTest, RemovalsMadeInEitherOrderReachOnePosition) {
  // Nestor with two pairs on top: Aces on the first two columns, 2s on the next two.
  auto table = [](PlayFixture& f) {
    ASSERT_TRUE(f.Start(39, "2026121100001"));
    std::vector<int> rest;
    for (int card = 1; card <= 52; ++card)
      if (card != 1 && card != 14 && card != 2 && card != 15) rest.push_back(card);
    std::size_t next = 0;
    auto take = [&](int n) {
      std::string pile;
      for (int i = 0; i < n; ++i) pile += CardCode(rest[next++]);
      return pile;
    };
    const int tops[] = {1, 14, 2, 15};
    for (int t = 0; t < 12; ++t) {
      std::string& pile = f.session.piles.Pile(PileGroup::Tableau, t);
      pile = t < 4 ? take(5) + CardCode(tops[t]) : take(t < 8 ? 6 : 1);
    }
    ASSERT_TRUE(f.PackIntact());
  };
  auto removeInOrder = [&](std::initializer_list<int> presses) {
    PlayFixture f;
    table(f);
    for (int card : presses) EXPECT_TRUE(solver::PlayMove(f.engine, f.session, {Move::Select, card, {}}));
    EXPECT_EQ(PileCardCount(f.session.piles.Pile(PileGroup::Stock, kSecondWasteItem)), 4);
    return std::make_pair(solver::PositionHash(f.session), f.session.piles.Pile(PileGroup::Stock, kSecondWasteItem));
  };
  const auto acesFirst = removeInOrder({1, 14, 2, 15});
  const auto twosFirst = removeInOrder({2, 15, 1, 14});
  ASSERT_NE(acesFirst.second, twosFirst.second);  // the discards lie in another order...
  EXPECT_EQ(acesFirst.first, twosFirst.first);    // ...which play never reads
}

TEST(SolverTest, FoundationsThatBuildAlikeAreInterchangeableToTheSearch) {
  struct Case {
    int game;
    const char* deal;
    bool same;
  };
  // Calculation's foundations build by ones, twos, threes and fours: which
  // one holds the card decides what may follow.
  for (const Case& c :
       {Case{90, "0234435102048", true}, Case{1, "0000000000007", true}, Case{75, "0234435102048", false}}) {
    SCOPED_TRACE(c.game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(c.game, c.deal));
    const int ace = 27;
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (std::string& pile : f.session.piles.Items(group)) {
        const std::size_t at = pile.find(CardCode(ace));
        if (at != std::string::npos && at % 3 == 0) pile.erase(at, 3);
      }
    f.session.piles.Pile(PileGroup::Foundation, 0) += CardCode(ace);
    const std::uint64_t before = solver::PositionHash(f.session);
    // The first foundation's cards and the last one's change places.
    const int last = f.session.rules[rule::FoundationCount] - 1;
    std::swap(f.session.piles.Pile(PileGroup::Foundation, 0), f.session.piles.Pile(PileGroup::Foundation, last));
    EXPECT_EQ(solver::PositionHash(f.session) == before, c.same);
  }
}

TEST(SolverTest, ReservesOfOneKindAreInterchangeableColumnsNever) {
  struct Case {
    int game;
    PileGroup group;
    bool same;
    bool stockDealsToReserves = false;
  };
  // Freecell's cells, Salic Law's row of Queens, Freecell's columns, and
  // cells the stock would deal to in their order.
  for (const Case& c : {Case{1, PileGroup::Reserve, true}, Case{88, PileGroup::Reserve, true},
                        Case{1, PileGroup::Tableau, false}, Case{1, PileGroup::Reserve, false, true}}) {
    SCOPED_TRACE(c.game);
    PlayFixture f;
    ASSERT_TRUE(f.Start(c.game, "0234435102048"));
    if (c.stockDealsToReserves)
      for (int r = 0; r < 4; ++r) f.session.rules.Set(rule::ReserveAddKind + r, 1);
    const int card = c.game == 88 ? 12 : 13;  // a Queen in her row, a King elsewhere
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (std::string& pile : f.session.piles.Items(group)) {
        const std::size_t at = pile.find(CardCode(card));
        if (at != std::string::npos && at % 3 == 0) pile.erase(at, 3);
      }
    f.session.piles.Pile(c.group, 0) += CardCode(card);
    const std::uint64_t before = solver::PositionHash(f.session);
    std::swap(f.session.piles.Pile(c.group, 0), f.session.piles.Pile(c.group, 1));
    ASSERT_NE(f.session.piles.Pile(c.group, 0), f.session.piles.Pile(c.group, 1));
    EXPECT_EQ(solver::PositionHash(f.session) == before, c.same);
  }
}

TEST(SolverTest, AWanderingLineIsCutShortBeforeItIsReported) {
  // Salic Law with autoplay: the search's own line wanders for well over a
  // thousand moves, cards going from one lone King to another; the deal
  // needs about 250.
  PlayFixture f;
  ASSERT_TRUE(f.Start(88, "0234435102048", true));
  const solver::Result result = solver::Solve(f.session, Budget(20000));
  ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
  EXPECT_LT(result.moves.size(), 400u);
  EXPECT_EQ(ReplayToWin(f, result.moves), static_cast<int>(result.moves.size()));
}

TEST(SolverTest, AGameWonByItsScoreWhenEndedIsWonByEndingIt) {
  // No chain can reach the right column any more, yet with the points of
  // the cards discarded ending the game wins it.
  PlayFixture f;
  ASSERT_TRUE(f.Start(56, "0234435102048"));
  ChainCrossingWithTwoLeft(f.session);
  ASSERT_TRUE(f.PackIntact());
  const solver::Result result = solver::Solve(f.session, Budget(1000));
  ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
  EXPECT_EQ(result.moves, (std::vector<Move>{{Move::End, 0, {}}}));
  EXPECT_EQ(ReplayToWin(f, result.moves), 1);
}

TEST(SolverTest, ChainsAcrossTheGridAreWonByTheirScoreAndTheGameEnded) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(56, "7301649516525"));
  const solver::Result result = solver::Solve(f.session, Budget(20000));
  ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
  ASSERT_FALSE(result.moves.empty());
  EXPECT_EQ(result.moves.back().Command(), "quit");
  // Every chain is pressed card by card through the mouse, the redeals clicked.
  EXPECT_EQ(ReplayToWin(f, result.moves), static_cast<int>(result.moves.size()));
  EXPECT_GE(f.session.store.GetInt(pos::kScore, 6), f.session.rules[rule::WinScore]);
  EXPECT_TRUE(f.PackIntact());
}

TEST(SolverTest, AChainThePlayerHasBegunIsLetGoFirst) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(56, "7301649516525"));
  const solver::Result first = solver::Solve(f.session, Budget(20000));
  ASSERT_EQ(first.verdict, Verdict::Winnable);
  const auto press =
      std::find_if(first.moves.begin(), first.moves.end(), [](const Move& m) { return m.kind == Move::Select; });
  ASSERT_NE(press, first.moves.end());
  for (auto it = first.moves.begin(); it != press + 1; ++it) ASSERT_TRUE(solver::PlayMove(f.engine, f.session, *it));
  ASSERT_FALSE(Selection(f.session).empty());
  const solver::Result result = solver::Solve(f.session, Budget(20000));
  ASSERT_EQ(result.verdict, Verdict::Winnable) << solver::Describe(result);
  EXPECT_EQ(result.moves.front(), *press);  // the same card pressed again lets it go
  EXPECT_EQ(ReplayToWin(f, result.moves), static_cast<int>(result.moves.size()));
}

TEST(SolverTest, ACancelledSearchIsUnknownNeverLost) {
  PlayFixture f;
  ASSERT_TRUE(f.Start(2, "0000000000002"));
  std::atomic<bool> cancel{false};
  std::int64_t reported = 0;
  solver::SolveOptions options = Budget(1000000);
  options.cancel = &cancel;
  options.progress = [&](std::int64_t positions) {
    reported = positions;
    cancel = true;
  };
  const solver::Result result = solver::Solve(f.session, options);
  EXPECT_EQ(result.verdict, Verdict::Unknown);
  EXPECT_TRUE(result.cancelled);
  EXPECT_GT(reported, 0);
  EXPECT_LT(result.positions, 5000);
  EXPECT_NE(solver::Describe(result).find("cancelled"), std::string::npos);

  // Out of memory is out of budget: unknown, and not a cancellation.
  solver::SolveOptions tight = Budget(1000000);
  tight.maxMemoryBytes = 1;
  const solver::Result starved = solver::Solve(f.session, tight);
  EXPECT_EQ(starved.verdict, Verdict::Unknown);
  EXPECT_FALSE(starved.cancelled);
  EXPECT_LT(starved.positions, 10);
}

TEST(SolverTest, HintGivesTheFirstMoveOfAWinOrTheBestMoveOrNothing) {
  PlayFixture won;
  GolfEnding(won, 4, {5});
  const auto hint = solver::Hint(won.session, Budget(100));
  ASSERT_TRUE(hint);
  EXPECT_EQ(hint->card, 5);
  EXPECT_TRUE(solver::PlayMove(won.engine, won.session, *hint));

  PlayFixture stuck;
  GolfEnding(stuck, 4, {9, 11});
  EXPECT_FALSE(solver::Hint(stuck.session, Budget(100)));

  // Beyond the budget the heuristic still points at a move the table takes.
  PlayFixture open;
  ASSERT_TRUE(open.Start(2, "0000000000002"));
  const auto best = solver::Hint(open.session, Budget(3));
  ASSERT_TRUE(best);
  EXPECT_TRUE(solver::PlayMove(open.engine, open.session, *best));
}

TEST(SolverTest, MovesAreSpelledAsThePlayCommandTakesThem) {
  EXPECT_EQ((Move{Move::Drag, 41, "Fila3"}).Command(), "drag 041 Fila3");
  EXPECT_EQ((Move{Move::Click, 0, "Mazzo"}).Command(), "click Mazzo");
  EXPECT_EQ((Move{Move::Select, 13, {}}).Command(), "select 013");
  EXPECT_EQ((Move{Move::End, 0, {}}).Command(), "quit");
  solver::Result won;
  won.verdict = Verdict::Winnable;
  won.moves.resize(87);
  EXPECT_EQ(solver::Describe(won), "This deal can be won with every card known: 87 moves.");
  won.knowledge = Knowledge::Visible;
  EXPECT_EQ(solver::Describe(won), "This deal can be won: 87 moves.");
}

}  // namespace
}  // namespace cardoria::test
