// Every game of the installed catalogue deals all of its cards, each once,
// onto the table, whatever the deal number; games whose deal has rules of its
// own keep them on every deal.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "core/Cards.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "support/DealtPack.h"
#include "support/GameFakes.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

TEST(CatalogueGames, EveryGameDealsEveryCardOnce) {
  test::TempDir dir;
  std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
  Session session;
  session.programDir = dir.Path();
  session.store.Set(pos::kScoreScheme, 2, "01");
  test::RecordingMessages messages;
  ASSERT_TRUE(LoadCatalogue(session, messages));
  ASSERT_GE(session.catalogue.size(), 24u);
  test::FakeScreen screen;
  Random random(1);
  test::FakeClock clock;
  test::RecordingWindow window;
  test::RecordingEngine engine;
  GameStartPorts ports{messages, screen, random, clock, window, engine};

  for (const std::string& line : session.catalogue) {
    const int number = LineNumber(line);
    session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
    session.rules.Clear();
    for (const char* deal : {"1", "987", "4711000000815", "9999999999999"}) {
      session.store.Set(pos::kDealNumber, 15, deal);
      ASSERT_TRUE(StartGame(session, ports, true, false, 1, false)) << LineName(line);
      std::vector<int> seen(109, 0);
      int cards = 0;
      for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve}) {
        for (const std::string& pile : session.piles.Items(group)) {
          for (int i = 0; i < PileCardCount(pile); ++i) {
            const int card = CardAt(pile, i);
            if (card == 0 && test::HolesInPlay(session)) continue;
            ASSERT_GE(card, 1) << LineName(line);
            ASSERT_LE(card, 108) << LineName(line);
            ++seen[static_cast<std::size_t>(card)];
            ++cards;
          }
        }
      }
      // A deal that plays with part of the pack deals each of its cards once.
      const int special = session.rules[32], family = session.rules[44];
      if (special == 9 || special == 11 || special == 12) {
        EXPECT_GT(cards, 0) << LineName(line) << " deal " << deal;
        for (int card = 1; card <= 108; ++card)
          EXPECT_LE(seen[static_cast<std::size_t>(card)], card <= session.rules[284] ? 1 : 0)
              << LineName(line) << " card " << card;
      } else {
        int expected = 0;
        for (int card = 1; card <= 108; ++card) {
          expected += test::TimesOnTable(session, card);
          EXPECT_EQ(seen[static_cast<std::size_t>(card)], test::TimesOnTable(session, card))
              << LineName(line) << " card " << card;
        }
        EXPECT_EQ(cards, expected) << LineName(line) << " deal " << deal;
      }
      // Cards in the stock lie face down; the top card of every column is
      // face up, except in the memory games, which hide them all.
      for (int i = 0; i < session.rules[281] && (family < 36 || family > 39); ++i) {
        const std::string& pile = session.piles.Pile(PileGroup::Tableau, i);
        if (!pile.empty()) {
          EXPECT_FALSE(session.cards.IsFaceDown(TopCard(pile))) << LineName(line);
        }
      }
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

// The games with no published source say so, and only they.
TEST(CatalogueGames, OurOwnGamesAreMarkedInTheCatalogue) {
  test::TempDir dir;
  std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
  Session session;
  session.programDir = dir.Path();
  test::RecordingMessages messages;
  ASSERT_TRUE(LoadCatalogue(session, messages));
  std::set<std::string> own;
  for (const std::string& line : session.catalogue)
    if (LineOwnDesign(line)) own.insert(LineName(line));
  EXPECT_EQ(own, (std::set<std::string>{"Marriage Row", "Multiples of Seven", "Hidden Elevens", "Chain Crossing",
                                        "Forget Me Not", "Jacks and Kings", "Ten in a Row", "Eight Puzzle",
                                        "Peg Solitaire"}));
  EXPECT_TRUE(IsOwnDesign(session, GameNumberOf(session, "Peg Solitaire")));
  EXPECT_FALSE(IsOwnDesign(session, GameNumberOf(session, "Freecell")));
}

// The installed catalogue, dealt headless.
class CatalogueDeals : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
    session.programDir = dir.Path();
    session.store.Set(pos::kScoreScheme, 2, "01");
    ASSERT_TRUE(LoadCatalogue(session, messages));
  }
  // The whole table, faces included.
  std::string Deal(int number, const std::string& deal) {
    session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
    session.store.Set(pos::kDealNumber, 15, deal);
    session.rules.Clear();
    EXPECT_TRUE(StartGame(session, ports, true, false, 1, false));
    std::string table;
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : session.piles.Items(group)) table += SnapshotLine(session.cards, pile) + "|";
    return table;
  }
  const std::string& Tableau(int i) { return session.piles.Pile(PileGroup::Tableau, i); }
  // Deal numbers spread over the whole range, as New game draws them.
  static std::string Spread(int i) { return ZeroPad(4711000000000LL + 7919LL * 104729LL * i, 13); }

  test::TempDir dir;
  Session session;
  test::RecordingMessages messages;
  test::FakeScreen screen;
  Random random{1};
  test::FakeClock clock;
  test::RecordingWindow window;
  test::RecordingEngine engine;
  GameStartPorts ports{messages, screen, random, clock, window, engine};
};

TEST_F(CatalogueDeals, NestorPutsNoTwoCardsOfARankInOneColumn) {
  constexpr int kNestor = 39;
  for (int i = 0; i < 300; ++i) {
    const std::string deal = Spread(i);
    const std::string table = Deal(kNestor, deal);
    std::vector<int> seen(53, 0);
    for (int t = 0; t < 12; ++t) {
      ASSERT_EQ(PileCardCount(Tableau(t)), t < 8 ? 6 : 1) << deal;
      std::set<int> ranks;
      for (int k = 0; k < PileCardCount(Tableau(t)); ++k) {
        const int card = CardAt(Tableau(t), k);
        ASSERT_TRUE(card >= 1 && card <= 52) << deal;
        ++seen[static_cast<std::size_t>(card)];
        EXPECT_TRUE(ranks.insert(CardRank(card)).second) << "deal " << deal << " column " << t + 1;
        EXPECT_FALSE(session.cards.IsFaceDown(card));
      }
    }
    EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), 1), 52) << deal;
    // The deal number alone makes the table.
    EXPECT_EQ(Deal(kNestor, deal), table) << deal;
  }
}

// Wish is played with the short pack of 32, the Sevens to the Kings and the
// Aces; the whole pack in thirteen piles is Patient Pairs.
TEST_F(CatalogueDeals, WishDealsTheShortPackIntoEightPilesOfFour) {
  constexpr int kPatientPairs = 54, kWish = 57;
  EXPECT_EQ(GameNameOf(session, kPatientPairs), "Patient Pairs");
  ASSERT_EQ(GameNameOf(session, kWish), "Wish");
  for (int i = 0; i < 50; ++i) {
    const std::string deal = Spread(i);
    const std::string table = Deal(kWish, deal);
    std::set<int> cards;
    for (int t = 0; t < session.rules[rule::TableauCount]; ++t) {
      const std::string& pile = Tableau(t);
      ASSERT_EQ(PileCardCount(pile), 4) << deal;
      for (int k = 0; k < 4; ++k) {
        const int card = CardAt(pile, k);
        ASSERT_TRUE(card >= 1 && card <= 52) << deal;
        EXPECT_TRUE(CardRank(card) == 1 || CardRank(card) >= 7) << "deal " << deal << " card " << card;
        EXPECT_EQ(session.cards.IsFaceDown(card), k < 3) << deal;
        cards.insert(card);
      }
    }
    EXPECT_EQ(session.rules[rule::TableauCount], 8);
    EXPECT_EQ(cards.size(), 32u) << deal;
    for (auto group : {PileGroup::Stock, PileGroup::Reserve})
      for (const std::string& pile : session.piles.Items(group)) EXPECT_TRUE(pile.empty()) << deal;
    EXPECT_EQ(Deal(kWish, deal), table) << deal;
  }
}

// The adding games with a stock deal as they are published: Fifteens sixteen
// cards, Nines nine, Eighteens twelve from two packs; the rest wait in the
// stock to fill the gaps.
TEST_F(CatalogueDeals, AddingGamesDealTheirPublishedTables) {
  struct Case {
    int game, piles, stock, pack;
  };
  for (const Case& c : {Case{35, 16, 36, 52}, Case{43, 9, 43, 52}, Case{42, 12, 92, 104}}) {
    SCOPED_TRACE(c.game);
    Deal(c.game, Spread(3));
    EXPECT_EQ(session.rules[rule::CardCount], c.pack);
    ASSERT_EQ(session.rules[rule::TableauCount], c.piles);
    for (int t = 0; t < c.piles; ++t) {
      ASSERT_EQ(PileCardCount(Tableau(t)), 1) << t;
      EXPECT_FALSE(session.cards.IsFaceDown(TopCard(Tableau(t))));
    }
    EXPECT_EQ(PileCardCount(session.piles.Pile(PileGroup::Stock, kStockItem)), c.stock);
  }
}

// The two puzzle boards are dealt only as boards that can be solved. Every
// board the slides can reach from the ordered one is found once, breadth
// first; the peg board is searched jump by jump down to one card.
TEST_F(CatalogueDeals, PuzzleBoardsAreDealtOnlyWhereTheyCanBeSolved) {
  constexpr int kEightPuzzle = 87, kPegSolitaire = 89;
  // Boards as the place (0-8) of each card from the Ace to the 8, the empty place last.
  std::set<std::string> reachable;
  std::vector<std::string> frontier = {"012345678"};
  reachable.insert(frontier[0]);
  while (!frontier.empty()) {
    std::vector<std::string> next;
    for (const std::string& board : frontier) {
      const int hole = board[8] - '0';
      for (int step : {-1, 1, -3, 3}) {
        const int from = hole + step;
        if (from < 0 || from > 8 || ((step == 1 || step == -1) && from / 3 != hole / 3)) continue;
        std::string moved = board;
        for (int k = 0; k < 8; ++k)
          if (moved[static_cast<std::size_t>(k)] - '0' == from) moved[static_cast<std::size_t>(k)] = char('0' + hole);
        moved[8] = char('0' + from);
        if (reachable.insert(moved).second) next.push_back(moved);
      }
    }
    frontier = std::move(next);
  }
  ASSERT_EQ(reachable.size(), 181440u);  // half of all boards

  std::function<bool(unsigned)> clears;
  std::set<unsigned> stuck;
  clears = [&](unsigned pegs) {
    if (__builtin_popcount(pegs) == 1) return true;
    if (stuck.contains(pegs)) return false;
    for (int from = 0; from < 16; ++from)
      for (int step : {-1, 1, -4, 4}) {
        const int over = from + step, to = from + 2 * step;
        if (!(pegs >> from & 1u) || to < 0 || to >= 16) continue;
        if ((step == 1 || step == -1) && to / 4 != from / 4) continue;
        if ((pegs >> over & 1u) && !(pegs >> to & 1u) && clears((pegs & ~(1u << from) & ~(1u << over)) | 1u << to))
          return true;
      }
    stuck.insert(pegs);
    return false;
  };

  for (int i = 0; i < 200; ++i) {
    const std::string deal = Spread(i);
    const std::string puzzle = Deal(kEightPuzzle, deal);
    std::string board(9, ' ');
    for (int t = 0; t < 9; ++t) {
      const int card = TopCard(Tableau(t));
      if (card == 0) board[8] = char('0' + t);
      if (card >= 1 && card <= 8) board[static_cast<std::size_t>(card - 1)] = char('0' + t);
    }
    EXPECT_TRUE(reachable.contains(board)) << "deal " << deal << " board " << board;
    EXPECT_EQ(Deal(kEightPuzzle, deal), puzzle) << deal;

    const std::string pegTable = Deal(kPegSolitaire, deal);
    unsigned pegs = 0;
    for (int t = 0; t < 16; ++t)
      if (!Tableau(t).empty()) pegs |= 1u << t;
    EXPECT_EQ(__builtin_popcount(pegs), 15) << deal;
    EXPECT_TRUE(clears(pegs)) << "deal " << deal << " empty place " << __builtin_ctz(~pegs & 0xFFFFu);
    EXPECT_EQ(Deal(kPegSolitaire, deal), pegTable) << deal;
  }
}

}  // namespace
}  // namespace cardoria
