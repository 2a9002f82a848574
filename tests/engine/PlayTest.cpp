// The stock, undo and redo, quick moves and the score, played on the real
// catalogue through the engine's handlers.

#include <gtest/gtest.h>

#include "core/Cards.h"
#include "core/CatalogueFile.h"
#include "core/RuleIndex.h"
#include "engine/Legality.h"
#include "persist/UndoLog.h"
#include "platform/Clock.h"
#include "support/PlayFixture.h"
#include "table/Layout.h"

namespace cardoria {
namespace {

constexpr int kFreecell = 1, kKlondike = 2, kThrees = 3, kSpider = 4, kCanfield = 7, kDoubleKlondike = 19;

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override { play.clock.step = 1000; }
  Session& s() { return play.session; }
  Engine& engine() { return play.engine; }
  const std::string& Pile(PileGroup group, int index) { return s().piles.Pile(group, index); }
  int PassCounter() { return s().positions[69]; }
  const PileRef kStock{PileGroup::Stock, kStockItem};
  // Holds the stock down and lets it go, as a click does.
  void PressStock() { play.Click(kStock); }
  test::PlayFixture play;
};

TEST_F(PlayTest, TurningTheWasteOverCountsPasses) {
  ASSERT_TRUE(play.Start(kDoubleKlondike, "5"));  // Redeals 2: one turn-over
  for (int k = 0; k < 59; ++k) PressStock();
  EXPECT_TRUE(Pile(PileGroup::Stock, kStockItem).empty());
  const std::string waste = Pile(PileGroup::Stock, kWasteItem);
  PressStock();  // turns over and deals one
  EXPECT_EQ(PassCounter(), 2);
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Stock, kStockItem)), 58);
  EXPECT_EQ(Pile(PileGroup::Stock, kWasteItem), waste.substr(0, 3));  // the same order as the first pass
  EXPECT_TRUE(s().cards.IsFaceDown(TopCard(Pile(PileGroup::Stock, kStockItem))));
  ASSERT_TRUE(engine().Undo());  // one step: the waste back, the stock empty
  EXPECT_EQ(Pile(PileGroup::Stock, kWasteItem), waste);
  EXPECT_TRUE(Pile(PileGroup::Stock, kStockItem).empty());
  EXPECT_EQ(PassCounter(), 1);
  ASSERT_TRUE(engine().Redo());
  EXPECT_EQ(PassCounter(), 2);
  for (int k = 0; k < 58; ++k) PressStock();
  const std::string table = play.TableText();
  PressStock();  // the passes are used up
  EXPECT_EQ(play.TableText(), table);
}

TEST_F(PlayTest, APressThatLeavesTheStockDealsNothing) {
  ASSERT_TRUE(play.Start(kKlondike, "7"));
  for (int k = 0; k < 24; ++k) PressStock();
  const std::string table = play.TableText();
  const Rect stock = TopCardRect(s(), kStock);
  engine().OnMouseDown(kLeftButton, false, stock.left + 1, stock.top + 1);
  EXPECT_TRUE(s().drag.stockPressed);
  engine().OnMouseMove(stock.right + 40, stock.bottom + 40);
  EXPECT_FALSE(s().drag.stockPressed);
  engine().OnMouseUp(kLeftButton);
  EXPECT_EQ(play.TableText(), table);
  EXPECT_EQ(PassCounter(), 1);
}

TEST_F(PlayTest, TheLastDealTakesWhatIsLeft) {
  ASSERT_TRUE(play.Start(kCanfield, "11"));  // 34 cards, three at a time
  for (int k = 0; k < 11; ++k) PressStock();
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Stock, kStockItem)), 1);
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Stock, kWasteItem)), 33);
  PressStock();
  EXPECT_TRUE(Pile(PileGroup::Stock, kStockItem).empty());
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Stock, kWasteItem)), 34);
}

TEST_F(PlayTest, SpiderDealsOnlyOntoFullColumns) {
  ASSERT_TRUE(play.Start(kSpider, "1"));
  PressStock();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(PileCardCount(Pile(PileGroup::Tableau, i)), i < 4 ? 7 : 6);
  EXPECT_FALSE(s().cards.IsFaceDown(TopCard(Pile(PileGroup::Tableau, 9))));
  // Empty a column by hand: the cards go to the stock, so the pack stays whole.
  s().piles.Pile(PileGroup::Stock, kStockItem) += Pile(PileGroup::Tableau, 9);
  s().piles.Pile(PileGroup::Tableau, 9).clear();
  const std::string table = play.TableText();
  PressStock();
  EXPECT_EQ(play.TableText(), table);
  ASSERT_FALSE(play.messages.shown.empty());
  EXPECT_EQ(play.messages.shown.back().text, "Fill in any gaps in the tableau before dealing.");
}

TEST_F(PlayTest, AGatheringRedealIsUndoneWithOnePass) {
  ASSERT_TRUE(play.Start(kKlondike, "3"));
  s().rules.Set(rule::StockDealsToWaste, 0);
  s().rules.Set(rule::RedealKind, 2);
  s().rules.Set(rule::Redeals, -1);
  // Put the stock on the first column so the stock is empty.
  std::string& stock = s().piles.Pile(PileGroup::Stock, kStockItem);
  s().piles.Pile(PileGroup::Tableau, 0) += stock;
  stock.clear();
  const std::string before = play.TableText();
  PressStock();
  EXPECT_EQ(PassCounter(), 2);
  EXPECT_TRUE(s().logs.LastHas(kUndoLog, kTagGatheringRedeal));
  EXPECT_TRUE(play.PackIntact());
  EXPECT_NE(play.TableText(), before);
  ASSERT_TRUE(engine().Undo());
  EXPECT_EQ(PassCounter(), 1);  // once, not twice
  EXPECT_EQ(play.TableText(), before);
  ASSERT_TRUE(engine().Redo());
  EXPECT_EQ(PassCounter(), 2);
}

// When the turned-over waste holds no more than one deal, the deal empties
// the stock again; undoing it must still give the pass back.
TEST_F(PlayTest, UndoingATurnOverThatEmptiesTheStockGivesThePassBack) {
  ASSERT_TRUE(play.Start(kThrees, "3141592653589"));
  s().rules.Set(rule::Redeals, 2);
  std::string& stock = s().piles.Pile(PileGroup::Stock, kStockItem);
  std::string& waste = s().piles.Pile(PileGroup::Stock, kWasteItem);
  // Two cards in the waste, the rest of the stock out of the way.
  waste = stock.substr(0, 6);
  s().piles.Pile(PileGroup::Tableau, 0) += stock.substr(6);
  stock.clear();
  const std::string before = play.TableText();
  PressStock();
  EXPECT_EQ(PassCounter(), 2);
  EXPECT_TRUE(Pile(PileGroup::Stock, kStockItem).empty());
  ASSERT_TRUE(engine().Undo());
  EXPECT_EQ(PassCounter(), 1);
  EXPECT_EQ(play.TableText(), before);
  ASSERT_TRUE(engine().Redo());
  EXPECT_EQ(PassCounter(), 2);
  const std::string turned = play.TableText();
  PressStock();  // that was the only turn-over the game allows
  EXPECT_EQ(play.TableText(), turned);
  ASSERT_TRUE(engine().Undo());
  PressStock();  // undone, the pass is there to be used again
  EXPECT_EQ(PassCounter(), 2);
  EXPECT_EQ(play.TableText(), turned);
}

TEST(Redeal, TheMixingIsFixed) {
  EXPECT_EQ(MixRedeal({"a", "b", "c", "d"}), (TextList{"c", "a", "b", "d"}));
  EXPECT_EQ(MixRedeal({}), TextList{});
  EXPECT_EQ(MixRedeal({"x"}), TextList{"x"});
}

// The irregular look (a preference) shifts each card of a column a
// pixel or two sideways; a covered card is still pressed anywhere on the
// band that shows of it, whichever way the card on it leans.
TEST_F(PlayTest, ACoveredCardOfAnIrregularColumnIsHitAcrossItsBand) {
  s().store.Set(179, 1, "Y");
  ASSERT_TRUE(play.Start(10, "0693716533440"));  // Scorpion: the last columns lie face up
  const PileRef column{PileGroup::Tableau, 5};
  for (int lean : {-1, 0, 2}) {
    SCOPED_TRACE(lean);
    s().values.SetJitter(6, 0, 0);
    s().values.SetJitter(6, 1, lean);
    const Rect card = CardInPileRect(s(), column, 0), next = CardInPileRect(s(), column, 1);
    ASSERT_EQ(next.left - card.left, lean);
    ASSERT_GT(next.top, card.top + 2);
    for (int x : {card.left + 1, (card.left + card.right) / 2, card.right - 1}) {
      const HitResult hit = engine().HitTest(x, card.top + 2);
      EXPECT_EQ(hit.card, CardAt(Pile(PileGroup::Tableau, 5), 0)) << x - card.left;
    }
  }
}

TEST_F(PlayTest, OneLevelUndo) {
  ASSERT_TRUE(play.Start(kKlondike, "7"));
  s().store.Set(pos::kUndoEnabled, 1, "1");
  PressStock();
  EXPECT_TRUE(engine().Undo());
  EXPECT_FALSE(engine().Undo());
  EXPECT_TRUE(engine().Redo());
  EXPECT_FALSE(engine().Redo());
  EXPECT_TRUE(engine().Undo());
  s().store.Set(pos::kUndoEnabled, 1, "2");
  PressStock();
  EXPECT_FALSE(engine().Undo());
}

TEST_F(PlayTest, UndoOfTheFirstMoveForgetsThatAMoveWasMade) {
  ASSERT_TRUE(play.Start(kKlondike, "7"));
  PressStock();
  EXPECT_EQ(s().positions[87], 1);
  ASSERT_TRUE(engine().Undo());
  EXPECT_EQ(s().history.undo.Steps(), 0);
  EXPECT_EQ(s().positions[87], 0);
  PressStock();
  EXPECT_FALSE(engine().Redo());  // a move after an undo leaves nothing to redo
}

TEST_F(PlayTest, UndoRestoresFacesAndHoles) {
  ASSERT_TRUE(play.Start(kKlondike, "7"));
  std::string& column = s().piles.Pile(PileGroup::Tableau, 6);
  const int hidden = CardAt(column, 5);
  column.insert(3, "000");  // a hole kept in place
  PushStep(s(), Direction::Undo);
  s().cards.SetCardFace(hidden, '1');
  column.erase(3, 3);
  ASSERT_TRUE(UndoRedo(s(), Direction::Undo, true, nullptr));
  EXPECT_EQ(column.substr(3, 3), "000");
  EXPECT_TRUE(s().cards.IsFaceDown(hidden));
}

TEST(UndoLog, FoldingKeepsTheOldestTableAndTheNewestTag) {
  Session s;
  s.values.SetFlag(kGameInProgress, true);
  for (int k = 1; k <= 3; ++k) {
    s.piles.Pile(PileGroup::Tableau, 0) = CardCode(k);
    PushStep(s, Direction::Undo);
    TagStep(s, k);
  }
  FoldSteps(s, 2);
  EXPECT_EQ(s.history.undo.Steps(), 1);
  EXPECT_EQ(s.logs.Text(kUndoLog), "003,");
  ASSERT_TRUE(UndoRedo(s, Direction::Undo, true, nullptr));
  EXPECT_EQ(s.piles.Pile(PileGroup::Tableau, 0), "001");
}

TEST_F(PlayTest, TheScoreFollowsTheFoundations) {
  ASSERT_TRUE(play.Start(kKlondike, "1"));
  EXPECT_EQ(s().store.Get(pos::kScore, 6), "-52");
  play.Drag(1, {PileGroup::Foundation, 0});  // the Ace of hearts tops column 7
  EXPECT_EQ(s().store.Get(pos::kScore, 6), "-47");
  play.Drag(1, {PileGroup::Tableau, 4});  // taken back onto the King of spades? refused: an Ace
  EXPECT_EQ(s().store.Get(pos::kScore, 6), "-47");
  s().store.Set(pos::kScoreScheme, 2, "02");
  engine().UpdateScore();
  EXPECT_EQ(s().store.Get(pos::kScore, 6), "0");
}

TEST_F(PlayTest, QuickMovesFollowThePreferences) {
  ASSERT_TRUE(play.Start(kFreecell, "8"));
  // The top card of column 1 to a free cell by a double click ("foundations and reserves").
  const int top = TopCard(Pile(PileGroup::Tableau, 0));
  s().store.Set(249, 1, "Y");
  s().store.Set(251, 1, "N");
  const Rect r = CardRectangle(s(), top);
  engine().OnMouseDown(kLeftButton, false, r.left + 2, r.top + 2);
  engine().OnMouseUp(kLeftButton);
  engine().OnDoubleClick();
  EXPECT_TRUE(s().values.Flag(kSkipNextClick));
  const int at = LocateCard(s().piles, s().rules, top);
  EXPECT_TRUE(at <= -1 && at >= -28) << at;                         // a foundation or a cell, never a column
  engine().OnMouseDown(kLeftButton, false, r.left + 2, r.top + 2);  // the second press of the double click
  EXPECT_FALSE(s().values.Flag(kSkipNextClick));
}

TEST_F(PlayTest, AQuickMoveLeavesAFoundationCardWhereItIs) {
  ASSERT_TRUE(play.Start(kKlondike, "1"));
  // Double and right clicks send to the foundations only.
  for (int position : {247, 249}) s().store.Set(position, 1, "Y");
  for (int position : {248, 251}) s().store.Set(position, 1, "N");
  play.Drag(1, {PileGroup::Foundation, 0});  // the Ace of hearts tops column 7
  ASSERT_EQ(LocateCard(s().piles, s().rules, 1), -1);
  const Rect r = CardRectangle(s(), 1);
  engine().OnMouseDown(kLeftButton, false, r.left + 2, r.top + 2);
  engine().OnMouseUp(kLeftButton);
  engine().OnDoubleClick();
  EXPECT_EQ(LocateCard(s().piles, s().rules, 1), -1);
  EXPECT_FALSE(engine().QuickMove(false, true, 1, "Dest1"));  // a right click
  EXPECT_EQ(LocateCard(s().piles, s().rules, 1), -1);
}

TEST_F(PlayTest, AutomaticFaceUpFollowsItsPreference) {
  s().store.Set(pos::kAutomaticFaceUp, 1, "N");
  ASSERT_TRUE(play.Start(kKlondike, "1"));
  play.Drag(1, {PileGroup::Foundation, 0});
  const std::string& column = Pile(PileGroup::Tableau, 6);
  EXPECT_TRUE(s().cards.IsFaceDown(TopCard(column)));
  play.Click({PileGroup::Tableau, 6});  // a press turns it
  EXPECT_FALSE(s().cards.IsFaceDown(TopCard(column)));
  EXPECT_EQ(s().history.undo.Steps(), 2);  // the turn is a move of its own
}

TEST_F(PlayTest, TheClockCountsAcrossMidnight) {
  ASSERT_TRUE(play.Start(kKlondike, "1"));
  s().values.SetTime(kClockStart, MakeDateTime(2026, 12, 31, 23, 59, 0));
  play.clock.now = MakeDateTime(2027, 1, 1, 0, 1, 30);
  engine().ClockTick();
  EXPECT_EQ(s().clockText, "0:02:30");
  EXPECT_EQ(engine().ElapsedSeconds(), 150);
  s().clockText = "garbage";
  EXPECT_EQ(engine().ElapsedSeconds(), 0);
}

TEST_F(PlayTest, LongGamesKeepTheirHours) {
  ASSERT_TRUE(play.Start(kKlondike, "1"));
  struct Case {
    int seconds;
    const char* shown;
  } cases[] = {{9 * 3600 + 59 * 60 + 59, "9:59:59"}, {10 * 3600 + 5, "10:00:05"}, {123 * 3600 + 61, "123:01:01"}};
  for (const Case& c : cases) {
    s().values.SetTime(kClockStart, MakeDateTime(2026, 12, 1, 0, 0, 0));
    play.clock.now = s().values.Time(kClockStart) + c.seconds / 86400.0;
    engine().ClockTick();
    EXPECT_EQ(s().clockText, c.shown);
    EXPECT_EQ(engine().ElapsedSeconds(), c.seconds) << c.shown;
  }
}

TEST_F(PlayTest, EndingAGameRecordsItOnce) {
  ASSERT_TRUE(play.Start(kKlondike, "1"));
  EXPECT_FALSE(engine().EndGame());
  EXPECT_EQ(play.table.gamesEnded, 1);
  EXPECT_FALSE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, "-52");
  EXPECT_EQ(play.table.lastResult.dealNumber, "1");
  EXPECT_FALSE(engine().EndGame());  // no game in progress any more
  EXPECT_EQ(play.table.gamesEnded, 1);
  // A target-score game ended with enough points counts as won.
  ASSERT_TRUE(play.Start(kKlondike, "2"));
  s().rules.Set(rule::WinScore, -60);
  EXPECT_TRUE(engine().EndGame());
  EXPECT_TRUE(play.table.lastResult.won);
}

}  // namespace
}  // namespace cardoria

namespace cardoria {
namespace {

// A deal that sends cards to the foundations by the build check: every Ace
// starts a foundation and the sweep carries whatever follows.
TEST(DealSweep, TheRealBuildCheckMovesCardsDuringTheDeal) {
  test::TempDir dir;
  CatalogueEntry game{5, 30, false, false, false, "Swept", {}};
  game.rules = {{rule::CardCount, 52},
                {rule::FoundationCount, 4},
                {rule::TableauCount, 4},
                {rule::FoundationCapacity, 13},
                {rule::TableauLayout, 1}};
  for (int i = 0; i < 4; ++i) {
    game.rules[rule::FoundationStart + i] = 93;
    game.rules[rule::FoundationBase + i] = 1;
    game.rules[rule::FoundationDirection + i] = 1;
    game.rules[rule::TableauDealCount + i] = 12;
    game.rules[rule::TableauFaceUp + i] = 12;
  }
  CatalogueFileContent content;
  content.games = {game};
  dir.Write("GAMES.DAT", WriteCatalogueFile(content));
  Session s;
  s.programDir = dir.Path();
  s.store.Set(pos::kScoreScheme, 2, "01");
  test::RecordingMessages messages;
  ASSERT_TRUE(LoadCatalogue(s, messages));
  test::FakeScreen screen;
  Random random(1);
  test::FakeClock clock;
  HeadlessTable table(s, TableGeometry{});
  Engine engine(s, PlayPorts{messages, clock, table, table, table});
  GameStartPorts ports{messages, screen, random, clock, table, engine};
  s.store.Set(pos::kGameNumber, 4, "0030");
  s.store.Set(pos::kDealNumber, 15, "1");
  ASSERT_TRUE(StartGame(s, ports, true, false, 1, false));
  int onFoundations = 0;
  for (int f = 0; f < 4; ++f) {
    const std::string& pile = s.piles.Pile(PileGroup::Foundation, f);
    for (int k = 0; k < PileCardCount(pile); ++k) EXPECT_EQ(CardAt(pile, k), 13 * f + k + 1);  // Ace up, by suit
    onFoundations += PileCardCount(pile);
  }
  EXPECT_GT(onFoundations, 4);  // more than the four seeded Aces
  EXPECT_EQ(s.store.GetInt(pos::kScore, 6), -52 + 5 * onFoundations);
}

}  // namespace
}  // namespace cardoria
