#include "deal/GameStart.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Cards.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "deal/Shuffle.h"
#include "persist/RecentDeals.h"
#include "support/CatalogueFixture.h"
#include "support/GameFakes.h"

namespace cardoria {
namespace {

using test::KlondikeLike;

class GameStartTest : public ::testing::Test {
 protected:
  // Opens `game` (and any others) as the current game with a fixed deal.
  void Use(std::vector<CatalogueEntry> games, ScreenInfo screenInfo = {}) {
    CatalogueFileContent content;
    content.games = std::move(games);
    test::WriteCatalogue(dir, content);
    session.programDir = dir.Path();
    session.settings.Open(dir / "DATA/CFG.DAT");
    session.store.Set(pos::kScoreScheme, 2, "01");
    session.store.Set(pos::kPlayerName, 30, "Ann");
    screen = test::FakeScreen(screenInfo);
    ASSERT_TRUE(LoadCatalogue(session, messages));
  }
  bool Deal(int number, const std::string& deal = "1") {
    session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
    session.store.Set(pos::kGameName, 50, GameNameOf(session, number));
    session.store.Set(pos::kDealNumber, 15, deal);
    session.rules.Clear();
    return StartGame(session, ports, true, false, 1, false);
  }
  const std::string& Pile(PileGroup group, int index) { return session.piles.Pile(group, index); }
  std::string Faces(const std::string& pile) {
    std::string faces;
    for (int i = 0; i < PileCardCount(pile); ++i) faces += session.cards.IsFaceDown(CardAt(pile, i)) ? '0' : '1';
    return faces;
  }
  TextList Shuffled(const std::string& deal, int cards) { return *fnGameNumberCardsArray(deal, cards, messages); }
  std::string Codes(const TextList& list, std::size_t from, std::size_t count) {
    std::string codes;
    for (std::size_t i = from; i < from + count; ++i) codes += list[i];
    return codes;
  }

  test::TempDir dir;
  Session session;
  test::RecordingMessages messages;
  test::FakeScreen screen;
  Random random{7};
  test::FakeClock clock;
  test::RecordingWindow window;
  test::RecordingEngine engine;
  GameStartPorts ports{messages, screen, random, clock, window, engine};
};

TEST_F(GameStartTest, KlondikeDealsTheStockBeforeTheColumns) {
  Use({KlondikeLike(2, "Klondike")});
  ASSERT_TRUE(Deal(2));
  const TextList list = Shuffled("1", 52);
  EXPECT_EQ(Pile(PileGroup::Stock, kStockItem), Codes(list, 0, 24));
  EXPECT_EQ(Pile(PileGroup::Tableau, 0), Codes(list, 24, 1));
  EXPECT_EQ(Pile(PileGroup::Tableau, 6), Codes(list, 45, 7));
  EXPECT_EQ(Faces(Pile(PileGroup::Tableau, 6)), "0000001");
  EXPECT_EQ(Faces(Pile(PileGroup::Stock, kStockItem)), std::string(24, '0'));
  EXPECT_EQ(session.store.Get(pos::kScore, 6), "-52");
  EXPECT_EQ(window.scoreText, "-52");
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_TRUE(session.values.Flag(kClockRunning));
  EXPECT_EQ(session.positions[69], 1);  // PassCounter
  EXPECT_EQ(window.deals, std::vector<bool>{false});
  EXPECT_EQ(window.waitCursors, 0);
  EXPECT_EQ(RecentDeals(session.settings)[0], "1");
}

TEST_F(GameStartTest, TheSameDealNumberDealsTheSameTable) {
  Use({KlondikeLike(2, "Klondike")});
  ASSERT_TRUE(Deal(2, "0000000004711"));
  const PileGroups first = session.piles;
  const TextList faces = session.cards.Lines();
  ASSERT_TRUE(Deal(2, "4711"));
  EXPECT_EQ(session.piles.Items(PileGroup::Tableau), first.Items(PileGroup::Tableau));
  EXPECT_EQ(session.piles.Items(PileGroup::Stock), first.Items(PileGroup::Stock));
  EXPECT_EQ(session.cards.Lines(), faces);
}

TEST_F(GameStartTest, FoundationSeedsByCode) {
  auto game = KlondikeLike(3, "Seeded");
  game.rules[284] = 104;
  game.rules[280] = 8;
  game.rules[285] = 0;
  for (int i = 0; i < 8; ++i) game.rules[93 + i] = 95;
  Use({game});
  ASSERT_TRUE(Deal(3));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Pile(PileGroup::Foundation, i), CardCode(13 * (i + 1))) << i;
    EXPECT_EQ(session.rules[45 + i], 13);
    EXPECT_EQ(Pile(PileGroup::Foundation, 4 + i), CardCode(13 * i + 1)) << i;
    EXPECT_EQ(session.rules[49 + i], 1);
  }
  // The seeds left the list: the columns hold other cards.
  for (int i = 0; i < 7; ++i) EXPECT_EQ(FindCode(Pile(PileGroup::Tableau, i), 13), std::string::npos);

  std::vector<std::pair<int, int>> codes = {{51, 1}, {20, 0}, {113, 13}, {2, 2}};
  for (auto [code, expectedRank] : codes) {
    auto one = KlondikeLike(4, "One seed");
    one.rules[93] = code;
    one.rules[280] = 1;
    one.rules[285] = 23;
    Use({one});
    ASSERT_TRUE(Deal(4));
    const int seed = TopCard(Pile(PileGroup::Foundation, 0));
    if (code == 20) {
      EXPECT_EQ(CardCode(seed), Shuffled("1", 52)[0]);
    } else {
      EXPECT_EQ(CardRank(seed), expectedRank) << code;
    }
    EXPECT_EQ(session.rules[45], CardRank(seed)) << code;
    EXPECT_FALSE(session.cards.IsFaceDown(seed));
  }
}

TEST_F(GameStartTest, DealCardsForms) {
  TextList list = {"005", "014", "027"};
  DealCards(session, list, 1002, static_cast<int>(PileGroup::Tableau), 0);  // the first 2 in the list: none
  DealCards(session, list, 1001, static_cast<int>(PileGroup::Tableau), 0);  // the first ace: 014
  EXPECT_EQ(Pile(PileGroup::Tableau, 0), "014");
  EXPECT_EQ(list, (TextList{"005", "027"}));
  DealCards(session, list, 1502, static_cast<int>(PileGroup::Tableau), 1);
  EXPECT_EQ(Pile(PileGroup::Tableau, 1), "106");
  EXPECT_FALSE(session.cards.IsFaceDown(106));
  DealCards(session, list, 9, static_cast<int>(PileGroup::Reserve), 0);  // more than there is: stops
  EXPECT_EQ(Pile(PileGroup::Reserve, 0), "005027");
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(session.cards.IsFaceDown(5));
}

TEST_F(GameStartTest, DealListFilters) {
  struct Case {
    int special, tableau;
    std::size_t cards;
    std::function<bool(int)> allowed;
  } cases[] = {
      {11, 5, 5, [](int c) { return CardRank(c) <= 5; }},
      {9, 6, 6, [](int c) { return c <= 6; }},
      {9, 16, 16, [](int c) { return c <= 13 || (c >= 27 && c <= 29); }},
      {12, 3, 6, [](int c) { return c == 1 || c == 5 || c == 15 || c == 19 || c == 29 || c == 43; }},
  };
  for (const auto& c : cases) {
    auto game = KlondikeLike(5, "Filtered");
    game.rules[32] = c.special;
    game.rules[281] = c.tableau;
    game.rules[285] = 60;  // everything left goes to the stock
    for (int i = 0; i < 7; ++i) game.rules[288 + i] = 0;
    Use({game});
    ASSERT_TRUE(Deal(5));
    const std::string& stock = Pile(PileGroup::Stock, kStockItem);
    for (int i = 0; i < PileCardCount(stock); ++i) EXPECT_TRUE(c.allowed(CardAt(stock, i))) << c.special;
    EXPECT_EQ(static_cast<std::size_t>(PileCardCount(stock)), c.cards) << c.special;
  }
}

TEST_F(GameStartTest, FoundationDealKindSettlesTheBases) {
  auto game = KlondikeLike(6, "Canfield-like");
  game.rules[1] = 1;
  game.rules[285] = 23;
  for (int i = 0; i < 7; ++i) game.rules[109 + i] = 91;
  Use({game});
  ASSERT_TRUE(Deal(6));
  const int base = CardRank(TopCard(Pile(PileGroup::Foundation, 0)));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(session.rules[45 + i], base);
  EXPECT_EQ(session.rules[109], RankBelow(base));
  // The next deal of the same game starts from the loaded values again.
  session.store.Set(pos::kDealNumber, 15, "2");
  ASSERT_TRUE(StartGame(session, ports, true, false, 1, false));
  EXPECT_EQ(session.rules[109], RankBelow(CardRank(TopCard(Pile(PileGroup::Foundation, 0)))));
}

TEST_F(GameStartTest, TheSweepAsksTheEngineAboutEveryExposedCard) {
  auto game = KlondikeLike(7, "Swept");
  game.rules[93] = 93;
  game.rules[285] = 0;
  game.rules[23] = 1;  // pile by pile
  Use({game});
  engine.accept = [](int card, int) { return CardRank(card) == 2; };
  ASSERT_TRUE(Deal(7));
  EXPECT_FALSE(engine.asked.empty());
  for (int i = 0; i < 7; ++i) {
    const std::string& pile = Pile(PileGroup::Tableau, i);
    for (int p = 0; p < PileCardCount(pile); ++p) EXPECT_NE(CardRank(CardAt(pile, p)), 2);
  }
}

TEST_F(GameStartTest, Rearrangements) {
  auto base = KlondikeLike(8, "Rearranged");
  base.rules[285] = 0;
  {
    auto game = base;
    game.rules[32] = 8;
    Use({game});
    ASSERT_TRUE(Deal(8));
    int holes = 0;
    for (int i = 0; i < 7; ++i) {
      const std::string& pile = Pile(PileGroup::Tableau, i);
      for (int p = 0; p < PileCardCount(pile); ++p) {
        EXPECT_NE(CardRank(CardAt(pile, p)), 1);
        holes += CardAt(pile, p) == 0;
      }
    }
    EXPECT_GT(holes, 0);
  }
  {
    auto game = base;
    game.rules[32] = 6;
    for (int i = 0; i < 7; ++i) game.rules[288 + i] = 0;
    game.rules[281] = 13;
    Use({game});
    ASSERT_TRUE(Deal(8));
    for (int i = 0; i < 13; ++i) {
      const std::string& pile = Pile(PileGroup::Tableau, i);
      EXPECT_EQ(PileCardCount(pile), 4) << i;
      for (int p = 0; p < PileCardCount(pile); ++p) EXPECT_EQ(CardRank(CardAt(pile, p)), i + 1);
    }
  }
  {
    auto game = base;
    game.rules[32] = 3;
    Use({game});
    ASSERT_TRUE(Deal(8));
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(PileRanksDistinct(Pile(PileGroup::Tableau, i))) << i;
  }
  {
    auto game = base;
    game.rules[32] = 13;
    game.rules[285] = 0;
    Use({game});
    ASSERT_TRUE(Deal(8));
    for (int f = 0; f < 4; ++f) EXPECT_EQ(PileCardCount(Pile(PileGroup::Foundation, f)), 1);
  }
}

TEST_F(GameStartTest, KingsGoToTheBottomOfTheirColumn) {
  auto game = KlondikeLike(9, "Bakers");
  game.rules[30] = 1;
  game.rules[285] = 0;
  for (int i = 0; i < 7; ++i) game.rules[288 + i] = 7;
  game.rules[281] = 7;
  Use({game});
  ASSERT_TRUE(Deal(9));
  for (int i = 0; i < 7; ++i) {
    const std::string& pile = Pile(PileGroup::Tableau, i);
    bool pastKings = false;
    for (int p = 0; p < PileCardCount(pile); ++p) {
      const bool king = CardRank(CardAt(pile, p)) == 13;
      EXPECT_FALSE(king && pastKings) << i;
      pastKings = pastKings || !king;
    }
  }
}

TEST_F(GameStartTest, NewDealNumbersHaveThirteenDigits) {
  for (int i = 0; i < 50; ++i) {
    NewDealNumber(session, ports);
    const std::string deal = session.store.Get(pos::kDealNumber, 15);
    EXPECT_EQ(deal.size(), 13u);
    EXPECT_TRUE(IsAllDigits(deal));
  }
  EXPECT_EQ(window.titleUpdates, 50);
}

TEST_F(GameStartTest, ConfirmAbandonGame) {
  struct Case {
    bool animation, inProgress, won;
    const char* confirmQuitGame;
    bool answer, expected, asked;
  } cases[] = {
      {true, true, false, "Y", true, false, false},  {false, true, false, "N", false, true, false},
      {false, true, false, "Y", false, false, true}, {false, true, false, "Y", true, true, true},
      {false, true, true, "Y", false, true, false},  {false, false, false, "Y", false, true, false},
  };
  for (const auto& c : cases) {
    session.values.SetFlag(kAnimationRunning, c.animation);
    session.values.SetFlag(kGameInProgress, c.inProgress);
    session.values.SetFlag(kGameWon, c.won);
    session.store.Set(185, 1, c.confirmQuitGame);
    messages.answer = c.answer;
    messages.shown.clear();
    EXPECT_EQ(ConfirmAbandonGame(session, ports), c.expected);
    EXPECT_EQ(messages.shown.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(messages.shown[0].text, "Quit this game?");
    }
  }
}

TEST_F(GameStartTest, OpeningAnotherGameForAnotherPlayer) {
  Use({KlondikeLike(2, "Klondike"), KlondikeLike(3, "Other")});
  ASSERT_TRUE(Deal(2));
  session.store.Set(pos::kRunWins, 4, "0003");
  session.store.Set(185, 1, "N");
  EXPECT_TRUE(OpenGame(session, ports, 3, "Other", "Bob", 2, true));
  EXPECT_EQ(session.store.Get(pos::kGameNumber, 4), "0003");
  EXPECT_EQ(session.store.Get(pos::kPlayerName, 30), "Bob");
  EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0000");
  EXPECT_EQ(session.settings.ReadString("Preference", "UserDefault", ""), "Bob");
  EXPECT_EQ(session.settings.ReadString("Preference", "Game", ""), "3");
  EXPECT_EQ(session.settings.ReadString("Preference", "Game_Name", ""), "Other");
  EXPECT_EQ(session.settings.ReadString("Preference", "Game_TreeNum", ""), "-30");
  EXPECT_EQ(session.rules[284], 52);
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_EQ(session.store.Get(pos::kDealNumber, 15).size(), 13u);
}

TEST_F(GameStartTest, RandomGameEndsWithOneGame) {
  Use({KlondikeLike(17, "Lonely")});
  session.store.Set(pos::kGameNumber, 4, "-001");
  RandomGameCommand(session, ports);
  EXPECT_EQ(session.store.Get(pos::kGameNumber, 4), "0017");
  EXPECT_EQ(session.store.Get(pos::kGameName, 50), "Lonely");
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
}

TEST_F(GameStartTest, RandomGameDrawsOnlyNumbersThatNameAGame) {
  // Numbers with gaps, and a line that is not loaded.
  CatalogueEntry hidden = KlondikeLike(1, "Hidden");
  hidden.hidden = true;
  Use({KlondikeLike(3, "Three"), hidden, KlondikeLike(40, "Forty"), KlondikeLike(41, "Forty-one")});
  std::set<int> drawn;
  for (int i = 0; i < 40; ++i) {
    RandomGameCommand(session, ports);
    const int number = session.store.GetInt(pos::kGameNumber, 4);
    ASSERT_FALSE(GameNameOf(session, number).empty()) << number;
    EXPECT_EQ(TrimRightSpaces(session.store.Get(pos::kGameName, 50)), GameNameOf(session, number));
    drawn.insert(number);
  }
  EXPECT_EQ(drawn, (std::set<int>{3, 40, 41}));
}

TEST_F(GameStartTest, NewGamePlaysItsSoundAndDealsAgain) {
  Use({KlondikeLike(2, "Klondike")});
  ASSERT_TRUE(Deal(2));
  session.store.Set(145, 1, "Y");
  session.store.Set(185, 1, "N");
  const std::string before = session.store.Get(pos::kDealNumber, 15);
  NewGameCommand(session, ports);
  EXPECT_EQ(window.sounds, std::vector<std::string>{"New"});
  EXPECT_NE(session.store.Get(pos::kDealNumber, 15), before);
}

TEST_F(GameStartTest, SmallScreensForceTheMediumCardsOnce) {
  auto game = KlondikeLike(2, "Klondike");
  game.rules[36] = 1;
  Use({game}, ScreenInfo{640, 480, 24});
  session.store.Set(pos::kCardSize, 1, "B");
  session.store.Set(pos::kCard, 3, "002");
  session.store.Set(pos::kBackCard, 3, "007");
  session.positions.Set(PositionTable::kSmallScreenState, 0);
  ASSERT_TRUE(Deal(2));
  EXPECT_EQ(session.store.Get(pos::kCardSize, 1), "M");
  EXPECT_EQ(session.store.Get(pos::kCard, 3), "003");
  EXPECT_EQ(session.store.Get(pos::kBackCard, 3), "011");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.starts_with("Your video card's display is 640x480 pixels."));
  EXPECT_TRUE(messages.shown[0].text.ends_with("possible to play Klondike using predefined card and deck sets."));
  EXPECT_EQ(window.cardReloads, 1);

  Use({game}, ScreenInfo{1280, 1024, 24});
  ASSERT_TRUE(Deal(2));
  EXPECT_EQ(session.store.Get(pos::kCardSize, 1), "B");
  EXPECT_EQ(session.store.Get(pos::kCard, 3), "002");
  EXPECT_EQ(session.store.Get(pos::kBackCard, 3), "007");
  EXPECT_EQ(session.store.Get(pos::kSavedCardSet, 3), "");
  EXPECT_TRUE(window.enabled[GameWindow::Commands::Customize]);
}

TEST_F(GameStartTest, CommandsFollowTheRules) {
  auto game = KlondikeLike(2, "Klondike");
  game.rules[18] = 1;
  game.rules[20] = 1;
  Use({game});
  clock.step = 100;  // the 800 ms wait before autoplay passes at once
  session.autoplayChecked = true;
  ASSERT_TRUE(Deal(2));
  EXPECT_TRUE(window.enabled[GameWindow::Commands::Autoplay]);
  EXPECT_FALSE(window.enabled[GameWindow::Commands::SaveAndUndo]);
  EXPECT_FALSE(window.enabled.contains(GameWindow::Commands::Snapshot));
  EXPECT_TRUE(window.enabled[GameWindow::Commands::PauseAndQuit]);
  EXPECT_EQ(engine.autoplays, 1);
  EXPECT_EQ(window.layouts, 1);
}

TEST_F(GameStartTest, AGameTheCatalogueCanNotGiveIsNotDealt) {
  auto game = KlondikeLike(2, "Broken");
  game.rules[284] = 60;
  Use({game});
  EXPECT_FALSE(Deal(2));
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, "Error 01 - fnGameNumberCardsArray");
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Pile(PileGroup::Tableau, i), "");
  EXPECT_FALSE(session.values.Flag(kGameInProgress));
  EXPECT_EQ(window.waitCursors, 0);
}

}  // namespace
}  // namespace cardoria
