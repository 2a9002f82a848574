// Poker squares and the memory games, played through the mouse handlers: the
// hands of the grid and their announcements, pairs, runs and misses, the
// timed hiding of the remembered cards, the end screens and whole games won.

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>

#include "core/Cards.h"
#include "persist/UndoLog.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

constexpr int kPokerSquares = 65, kConcentration = 66, kPairs = 67, kAceToKing = 68, kForgetMeNot = 69;
constexpr int kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3;

int C(int rank, int suit) { return 13 * suit + rank; }

const std::string& Tableau(const Session& s, int i) { return s.piles.Pile(PileGroup::Tableau, i); }

// Takes a card from wherever it lies and puts it on a pile with a face.
void Put(Session& s, PileGroup group, int index, int card, char face) {
  FindCardKind(s.piles, s.rules, card, kTakeRemove);
  AppendCard(s.piles, s.cards, group, index, card, face);
}

void Press(test::PlayFixture& play, int card) {
  const Rect r = CardRectangle(play.session, card);
  ASSERT_FALSE(r.Empty()) << "card " << card << " is not on the table";
  play.engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
  play.engine.OnMouseUp(kLeftButton);
}

std::vector<int> TableauCards(const Session& s) {
  std::vector<int> cards;
  for (int t = 0; t < s.rules[281]; ++t)
    for (int k = 0; k < PileCardCount(Tableau(s, t)); ++k)
      if (CardAt(Tableau(s, t), k) > 0) cards.push_back(CardAt(Tableau(s, t), k));
  return cards;
}

TEST(PokerHands, AreValuedByTheHandTable) {
  struct Case {
    std::array<int, 5> cards;
    int points;
    const char* name;
  } cases[] = {
      {{C(11, kHearts), C(12, kHearts), C(13, kHearts), C(1, kHearts), C(2, kHearts)}, 75, "Straight Flush"},
      {{C(11, kHearts), C(12, kSpades), C(13, kHearts), C(1, kClubs), C(2, kHearts)}, 0, ""},
      {{C(1, kHearts), C(10, kSpades), C(11, kHearts), C(12, kClubs), C(13, kDiamonds)}, 15, "Straight"},
      {{C(1, kClubs), C(10, kClubs), C(11, kClubs), C(12, kClubs), C(13, kClubs)}, 100, "Royal Flush"},
      {{C(4, kClubs), C(2, kClubs), C(6, kClubs), C(3, kClubs), C(5, kClubs)}, 75, "Straight Flush"},
      {{C(1, kClubs), C(2, kClubs), C(3, kClubs), C(4, kClubs), C(13, kClubs)}, 75, "Straight Flush"},
      {{C(1, kClubs), C(2, kSpades), C(3, kClubs), C(4, kClubs), C(5, kClubs)}, 15, "Straight"},
      {{C(1, kClubs), C(2, kSpades), C(3, kClubs), C(4, kClubs), C(13, kClubs)}, 0, ""},
      {{C(3, kClubs), C(3, kSpades), C(5, kClubs), C(5, kHearts), C(5, kDiamonds)}, 25, "Full House"},
      {{C(3, kClubs), C(3, kSpades), C(5, kClubs), C(5, kHearts), C(9, kDiamonds)}, 5, "Two Pair"},
      {{C(8, kClubs), C(8, kSpades), C(8, kHearts), C(8, kDiamonds), C(9, kDiamonds)}, 50, "Four of a Kind"},
      {{C(8, kClubs), C(8, kSpades), C(8, kHearts), C(2, kDiamonds), C(9, kDiamonds)}, 10, "Three of a Kind"},
      {{C(8, kClubs), C(8, kSpades), C(3, kHearts), C(2, kDiamonds), C(9, kDiamonds)}, 2, "One Pair"},
      {{C(2, kHearts), C(9, kHearts), C(4, kHearts), C(13, kHearts), C(7, kHearts)}, 20, "Flush"},
      // The second deck's cards are the same cards.
      {{C(8, kClubs) + 52, C(8, kSpades), C(3, kHearts), C(2, kDiamonds), C(9, kDiamonds)}, 2, "One Pair"},
  };
  for (const Case& c : cases) {
    const PokerHand hand = EvaluateHand(c.cards);
    EXPECT_EQ(hand.points, c.points) << c.name;
    EXPECT_EQ(hand.name, c.name);
  }
}

// The card that completes a row and a column announces the row's hand
// first, then the column's, each with the total as it climbs.
TEST(PokerSquares, ACardCompletingARowAndAColumnAnnouncesBothInOrder) {
  test::PlayFixture play;
  ASSERT_TRUE(play.Start(kPokerSquares, "2026121000065"));
  Session& s = play.session;
  using Lines = std::array<std::string, 3>;
  // An empty grid shows no hand of an earlier game.
  s.pokerPanel = {"Flush", "20 points", "Total: 20 points"};
  play.engine.UpdateScore();
  EXPECT_EQ(s.pokerPanel, (Lines{"", "", "Total: 0 points"}));
  const std::map<int, int> grid = {
      // row 2: 2-5 of hearts, the 6 still to come at place 9
      {5, C(2, kHearts)},
      {6, C(3, kHearts)},
      {7, C(4, kHearts)},
      {9, C(5, kHearts)},
      // column 4: three sixes and a king
      {3, C(6, kSpades)},
      {13, C(6, kDiamonds)},
      {18, C(6, kClubs)},
      {23, C(13, kSpades)},
      // row 5, complete before the move: a pair of kings
      {20, C(13, kHearts)},
      {21, C(7, kDiamonds)},
      {22, C(8, kClubs)},
      {24, C(9, kSpades)},
  };
  for (const auto& [pile, card] : grid) Put(s, PileGroup::Tableau, pile, card, '1');
  Put(s, PileGroup::Stock, kWasteItem, C(6, kHearts), '1');
  play.table.pokerPanels.clear();
  play.Drag(C(6, kHearts), {PileGroup::Tableau, 8});
  ASSERT_EQ(CardAt(Tableau(s, 8), 0), C(6, kHearts));

  const std::vector<Lines> expected = {
      {"Straight Flush", "75 points", "Total: 77 points"},
      {"Four of a Kind", "50 points", "Total: 127 points"},
      {"Four of a Kind", "50 points", "Total: 127 points"},
  };
  EXPECT_EQ(play.table.pokerPanels, expected);
  EXPECT_EQ(s.store.Get(pos::kScore, 6), "127");
  // Each hand's five cards inverted and back, with half a second between.
  ASSERT_EQ(play.table.inverted.size(), 20u);
  std::set<int> rowTops;
  for (int k = 0; k < 5; ++k) rowTops.insert(play.table.inverted[static_cast<std::size_t>(k)].top);
  EXPECT_EQ(rowTops.size(), 1u);
  EXPECT_EQ(play.table.inverted[0], play.table.inverted[5]);
  EXPECT_EQ(play.table.inverted[10].left, play.table.inverted[11].left);
  EXPECT_EQ(play.table.pausedMilliseconds, 1000);

  // Undo takes the card back and the score with it, announcing nothing.
  play.table.pokerPanels.clear();
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(s.store.Get(pos::kScore, 6), "2");
  ASSERT_FALSE(play.table.pokerPanels.empty());
  EXPECT_EQ(play.table.pokerPanels.back()[2], "Total: 2 points");
}

TEST(PokerSquares, IsWonWhenTheGridIsFull) {
  test::PlayFixture play;
  ASSERT_TRUE(play.Start(kPokerSquares, "2026121000065"));
  Session& s = play.session;
  for (int place = 0; place < 25; ++place) {
    ASSERT_TRUE(s.values.Flag(kGameInProgress));
    play.Click({PileGroup::Stock, kStockItem});
    const int card = TopCard(s.piles.Pile(PileGroup::Stock, kWasteItem));
    ASSERT_GT(card, 0);
    // A second click waits for the card to be placed.
    play.Click({PileGroup::Stock, kStockItem});
    EXPECT_EQ(TopCard(s.piles.Pile(PileGroup::Stock, kWasteItem)), card);
    // A placed card does not move again.
    if (place > 0) play.Drag(CardAt(Tableau(s, place - 1), 0), {PileGroup::Tableau, place});
    EXPECT_TRUE(Tableau(s, place).empty());
    play.Drag(card, {PileGroup::Tableau, place});
    ASSERT_EQ(CardAt(Tableau(s, place), 0), card);
  }
  EXPECT_FALSE(s.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, s.store.Get(pos::kScore, 6));
  EXPECT_TRUE(play.table.memoryEnds.empty());
  EXPECT_TRUE(play.PackIntact());
}

// Two presses on face-down cards of the grid: a pair leaves two holes, a
// miss is counted and turns both cards down again.
TEST(MemoryPairs, TwoTurnedCardsMatchOrMiss) {
  struct Case {
    int game, first, second;
    bool match;
    const char* score;
  } cases[] = {
      {kPairs, C(1, kHearts), C(1, kHearts) + 52, true, "-42"},
      {kPairs, C(1, kHearts), C(1, kDiamonds), false, "-54"},
      {kPairs, C(9, kClubs) + 52, C(9, kClubs), true, "-42"},
      {kConcentration, C(1, kHearts), C(1, kDiamonds), true, "-45"},
      {kConcentration, C(1, kHearts), C(2, kHearts), false, "-53"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.game) + ": " + std::to_string(c.first) + " then " + std::to_string(c.second));
    test::PlayFixture play;
    ASSERT_TRUE(play.Start(c.game, "2026121000066"));
    Session& s = play.session;
    // The two cards lead the second row, face down.
    for (int card : {c.first, c.second}) FindCardKind(s.piles, s.rules, card, kTakeRemove);
    std::string& row = s.piles.Pile(PileGroup::Tableau, 1);
    row = CardCode(c.first) + CardCode(c.second) + row;
    for (int card : {c.first, c.second}) s.cards.SetCardFace(card, '0');

    Press(play, c.first);
    EXPECT_FALSE(s.cards.IsFaceDown(c.first));
    Press(play, c.first);  // a face-up card ignores the press
    EXPECT_EQ(s.history.undo.Steps(), 1);
    Press(play, c.second);
    const std::string& after = s.piles.Pile(PileGroup::Tableau, 1);
    const std::string& won = s.piles.Pile(PileGroup::Stock, kSecondWasteItem);
    if (c.match) {
      EXPECT_EQ(after.substr(0, 6), "000000");
      EXPECT_EQ(PileCardCount(won), 2);
      EXPECT_EQ(play.engine.PenaltyCount(), 0);
      // The turn and the removal are one step.
      EXPECT_EQ(s.history.undo.Steps(), 2);
      EXPECT_EQ(s.store.Get(pos::kScore, 6), c.score);
      // A hole ignores a press.
      const Rect hole = CardInPileRect(s, {PileGroup::Tableau, 1}, 0);
      const std::string before = play.TableText();
      play.engine.OnMouseDown(kLeftButton, false, hole.left + 1, hole.top + 1);
      play.engine.OnMouseUp(kLeftButton);
      EXPECT_EQ(play.TableText(), before);
    } else {
      EXPECT_EQ(CardAt(after, 0), c.first);
      EXPECT_EQ(CardAt(after, 1), c.second);
      EXPECT_TRUE(s.cards.IsFaceDown(c.first));
      EXPECT_TRUE(s.cards.IsFaceDown(c.second));
      EXPECT_TRUE(won.empty());
      EXPECT_EQ(play.engine.PenaltyCount(), 1);
      EXPECT_EQ(play.table.pausedMilliseconds, 400);
      EXPECT_EQ(s.store.Get(pos::kScore, 6), c.score);
      // Undo does not take the miss back.
      ASSERT_TRUE(play.engine.Undo());
      EXPECT_EQ(play.engine.PenaltyCount(), 1);
    }
  }
}

TEST(AceToKing, TheRunGrowsInRankOrderAndAWrongCardStartsItAgain) {
  struct Case {
    std::vector<int> ranks;
    int run, misses;
    const char* score;
  } cases[] = {
      {{1, 3}, 0, 1, "-53"}, {{1, 2, 3}, 3, 0, "-7"},        {{2}, 0, 1, "-53"},
      {{1}, 1, 0, "-37"},    {{1, 2, 4, 1, 2}, 2, 1, "-23"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.ranks));
    test::PlayFixture play;
    ASSERT_TRUE(play.Start(kAceToKing, "2026121000068"));
    Session& s = play.session;
    std::map<int, int> byRank;
    for (int card : TableauCards(s)) byRank[CardRank(card)] = card;
    ASSERT_EQ(byRank.size(), 13u);
    for (int rank : c.ranks) Press(play, byRank[rank]);
    EXPECT_EQ(play.engine.ExtendRun(0), c.run);
    EXPECT_EQ(play.engine.PenaltyCount(), c.misses);
    EXPECT_EQ(s.store.Get(pos::kScore, 6), c.score);
    int faceUp = 0;
    for (int card : TableauCards(s)) faceUp += !s.cards.IsFaceDown(card);
    EXPECT_EQ(faceUp, c.run);
    EXPECT_TRUE(play.PackIntact());
  }
}

// A player who remembers every card seen: for the pairs games, a known
// pair is taken at once, and an unknown card's partner when it is known.
void PlayPairsPerfectly(test::PlayFixture& play) {
  Session& s = play.session;
  const int family = s.rules[44];
  auto partners = [&](int a, int b) { return family == 37 ? std::abs(a - b) == 52 : CardRank(a) == CardRank(b); };
  std::set<int> seen;
  for (int guard = 0; guard < 500 && s.values.Flag(kGameInProgress); ++guard) {
    const std::vector<int> left = TableauCards(s);
    int first = 0, second = 0;
    for (int a : left)
      for (int b : left)
        if (!first && a != b && seen.contains(a) && seen.contains(b) && partners(a, b)) first = a, second = b;
    if (!first) {
      for (int a : left)
        if (!first && !seen.contains(a)) first = a;
      for (int b : left)
        if (!second && b != first && seen.contains(b) && partners(first, b)) second = b;
      if (!second)
        for (int b : left)
          if (!second && b != first && !seen.contains(b)) second = b;
    }
    ASSERT_TRUE(first && second);
    Press(play, first);
    Press(play, second);
    seen.insert(first);
    seen.insert(second);
  }
}

TEST(MemoryWins, ConcentrationAndPairsAreWonByAGoodMemory) {
  for (int game : {kConcentration, kPairs}) {
    SCOPED_TRACE(game);
    test::PlayFixture play;
    play.clock.step = 1000;
    ASSERT_TRUE(play.Start(game, "2026121000067"));
    PlayPairsPerfectly(play);
    Session& s = play.session;
    EXPECT_FALSE(s.values.Flag(kGameInProgress));
    EXPECT_TRUE(TableauCards(s).empty());
    ASSERT_EQ(play.table.gamesEnded, 1);
    EXPECT_TRUE(play.table.lastResult.won);
    ASSERT_EQ(play.table.memoryEnds.size(), 1u);
    const MemoryEnd& end = play.table.memoryEnds[0];
    EXPECT_TRUE(end.won);
    EXPECT_EQ(end.page, game == kPairs ? 0 : 3);
    EXPECT_EQ(end.matches, game == kPairs ? 12 : 26);
    EXPECT_EQ(end.misses, play.engine.PenaltyCount());
    EXPECT_EQ(end.gridCaption, game == kPairs ? "Grid: 6 x 4" : "");
    EXPECT_EQ(std::to_string(end.matchesTotal + end.missesTotal - 52), end.score);
    EXPECT_EQ(end.score, play.table.lastResult.score);
    EXPECT_TRUE(play.PackIntact());
  }
}

TEST(MemoryWins, AceToKingIsWonByAGoodMemory) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(kAceToKing, "2026121000068"));
  Session& s = play.session;
  std::map<int, int> known;  // rank -> card
  for (int guard = 0; guard < 200 && s.values.Flag(kGameInProgress); ++guard) {
    const int next = play.engine.ExtendRun(0) + 1;
    int card = known.contains(next) ? known[next] : 0;
    for (int c : TableauCards(s))
      if (!card && s.cards.IsFaceDown(c) && !known.contains(CardRank(c))) card = c;
    ASSERT_GT(card, 0);
    known[CardRank(card)] = card;
    Press(play, card);
  }
  EXPECT_FALSE(s.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.memoryEnds.size(), 1u);
  const MemoryEnd& end = play.table.memoryEnds[0];
  EXPECT_TRUE(end.won);
  EXPECT_EQ(end.page, 1);
  EXPECT_EQ(end.matches, 13);
  EXPECT_EQ(end.perMiss, "-1");
  EXPECT_EQ(end.score, std::to_string(195 - 52 - end.misses));
  EXPECT_TRUE(play.table.lastResult.won);
}

// Forget me not: the ten cards hide after ten seconds, once; their twins
// come; the game ends when the tenth place is filled.
TEST(ForgetMeNot, HidesOnceAfterTenSecondsAndEndsWithTheTenthPlace) {
  for (const int swapped : {0, 2}) {
    SCOPED_TRACE(swapped);
    test::PlayFixture play;
    ASSERT_TRUE(play.Start(kForgetMeNot, "2026121000069"));
    Session& s = play.session;
    auto foundation = [&](int f) { return CardAt(s.piles.Pile(PileGroup::Foundation, f), 0); };
    for (int f = 0; f < 10; ++f) ASSERT_FALSE(s.cards.IsFaceDown(foundation(f)));
    play.clock.now = 10.0 / 86400;
    play.engine.TimerTick();
    EXPECT_FALSE(s.cards.IsFaceDown(foundation(0)));
    EXPECT_TRUE(TableauCards(s).empty());
    play.clock.now = 11.0 / 86400;
    play.engine.TimerTick();
    for (int f = 0; f < 10; ++f) EXPECT_TRUE(s.cards.IsFaceDown(foundation(f)));
    std::map<int, int> twinAt;
    for (int t = 10; t < 20; ++t) {
      ASSERT_EQ(PileCardCount(Tableau(s, t)), 1);
      twinAt[CardAt(Tableau(s, t), 0)] = t;
    }
    for (int f = 0; f < 10; ++f) ASSERT_TRUE(twinAt.contains(foundation(f) + 52));
    EXPECT_EQ(play.table.pausedMilliseconds, 4000);
    const std::string shown = play.TableText();
    play.clock.now = 20.0 / 86400;
    play.engine.TimerTick();
    EXPECT_EQ(play.TableText(), shown);
    EXPECT_TRUE(play.PackIntact());

    // Each twin under its card, but the first `swapped` places exchanged.
    for (int f = 0; f < 10; ++f) {
      const int place = f < swapped ? (f + 1) % swapped : f;
      ASSERT_TRUE(s.values.Flag(kGameInProgress));
      play.Drag(foundation(f) + 52, {PileGroup::Tableau, place});
      ASSERT_EQ(CardAt(Tableau(s, place), 0), foundation(f) + 52);
    }
    EXPECT_FALSE(s.values.Flag(kGameInProgress));
    for (int f = 0; f < 10; ++f) EXPECT_FALSE(s.cards.IsFaceDown(foundation(f)));
    EXPECT_EQ(play.table.inverted.size(), static_cast<std::size_t>(10 - swapped));
    ASSERT_EQ(play.table.gamesEnded, 1);
    ASSERT_EQ(play.table.memoryEnds.size(), 1u);
    const MemoryEnd& end = play.table.memoryEnds[0];
    EXPECT_EQ(end.page, 2);
    EXPECT_EQ(end.matches, 10 - swapped);
    EXPECT_EQ(end.misses, swapped);
    EXPECT_EQ(end.score, std::to_string(-52 + 10 * (10 - swapped)));
    EXPECT_TRUE(end.won);
    EXPECT_TRUE(play.table.lastResult.won);
  }
}

// The twins' row comes from the deal number alone: the same deal shows it
// the same way whenever the cards hide, and other deals in other orders.
TEST(ForgetMeNot, TheDealNumberFixesWhereTheTwinsLand) {
  auto twinsShown = [](const std::string& deal, double hiddenAt) {
    test::PlayFixture play;
    EXPECT_TRUE(play.Start(kForgetMeNot, deal));
    play.clock.now = hiddenAt / 86400;
    play.engine.TimerTick();
    // Each place's twin named by the place of its card in the top row.
    std::vector<int> row;
    for (int t = 10; t < 20; ++t) {
      const int twin = CardAt(Tableau(play.session, t), 0);
      for (int f = 0; f < 10; ++f)
        if (CardAt(play.session.piles.Pile(PileGroup::Foundation, f), 0) + 52 == twin) row.push_back(f);
    }
    EXPECT_EQ(row.size(), 10u);
    return row;
  };
  const std::vector<int> first = twinsShown("2026121000069", 11);
  EXPECT_EQ(twinsShown("2026121000069", 37.5), first);
  std::set<std::vector<int>> rows{first};
  for (const char* deal : {"4831926700000", "6859221193791", "0234435102048"}) rows.insert(twinsShown(deal, 11));
  EXPECT_EQ(rows.size(), 4u);
  std::vector<int> inOrder(10);
  std::iota(inOrder.begin(), inOrder.end(), 0);
  EXPECT_FALSE(rows.contains(inOrder));
}

TEST(ForgetMeNot, TwinsCountOnlyRealCardsAndAFullTableTakesNoTwin) {
  test::PlayFixture play;
  ASSERT_TRUE(play.Start(kForgetMeNot, "2026121000069"));
  Session& s = play.session;
  // Every twin pile taken: the twins find no place, and the search ends.
  for (int t = 10; t < 20; ++t) s.piles.Pile(PileGroup::Tableau, t) = "000";
  play.clock.now = 11.0 / 86400;
  play.engine.TimerTick();
  for (int t = 10; t < 20; ++t) EXPECT_EQ(Tableau(s, t), "000");

  // Places filled with holes and an empty foundation count nothing.
  for (int t = 0; t < 10; ++t) s.piles.Pile(PileGroup::Tableau, t) = "000";
  EXPECT_EQ(play.engine.CountTwinMatches(false), 0);
  const int card = CardAt(s.piles.Pile(PileGroup::Foundation, 0), 0);
  s.piles.Pile(PileGroup::Tableau, 0) = CardCode(card + 52);
  EXPECT_EQ(play.engine.CountTwinMatches(false), 1);
  s.piles.Pile(PileGroup::Foundation, 0).clear();
  EXPECT_EQ(play.engine.CountTwinMatches(false), 0);
}

}  // namespace
}  // namespace cardoria
