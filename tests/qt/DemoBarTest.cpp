// The demo player in the window: Ctrl+D shows the bar below the toolbar,
// the bar's buttons, scroll bar and Play move through the recording, and
// Close hides it again.

#include "app/DemoBar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "core/Session.h"
#include "persist/SavedGames.h"
#include "persist/Statistics.h"
#include "qt/WindowFixture.h"
#include "solver/Replay.h"
#include "solver/Solver.h"
#include "support/PlayFixture.h"
#include "support/SolverReplay.h"
#include "table/Layout.h"

namespace cardoria {
namespace {

constexpr int kKlondike = 2;

class DemoWindowTest : public test::MainWindowTest {
 protected:
  // A Klondike demo of `clicks` turns of the stock.
  void WriteDemo(int clicks) {
    test::PlayFixture recorder;
    ASSERT_TRUE(recorder.Start(kKlondike, "4711000000815"));
    for (int i = 0; i < clicks; ++i) recorder.Click({PileGroup::Stock, kStockItem});
    std::filesystem::create_directories(std::string(dir / "Demos"));
    ASSERT_TRUE(WriteGameFile(recorder.session, recorder.startPorts, dir / "Demos/G0002.GAM"));
    steps = recorder.session.history.undo.Steps();
  }
  template <class T>
  T* Find(TfrmMain& w, const char* name) {
    return w.findChild<T*>(QString::fromLatin1(name));
  }
  void Click(TfrmMain& w, const char* name) {
    Find<QAbstractButton>(w, name)->click();
    QApplication::processEvents();
  }
  QString Counter(TfrmMain& w) { return Find<QLabel>(w, "pnlDemoCount")->text(); }
  int steps = 0;
};

TEST_F(DemoWindowTest, TheBarMovesThroughTheRecordingAndCloses) {
  WriteDemo(12);
  ASSERT_GE(steps, 8);
  const QString n = QString::number(steps);
  auto window = Open("", kKlondike, "1000000000001");
  QAction* demo = Find<QAction>(*window, "mnuDemo");
  ASSERT_NE(demo, nullptr);
  EXPECT_TRUE(demo->isVisible());
  EXPECT_EQ(demo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
  QWidget* bar = Find<QWidget>(*window, "pnlDemo");
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(bar->isVisible());

  demo->trigger();
  QApplication::processEvents();
  ASSERT_TRUE(session.values.Flag(kDemoMode));
  EXPECT_TRUE(demo->isChecked());
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(Find<QWidget>(*window, "pnlLineUpDemo")->isVisible());
  const int barBottom = bar->mapTo(window.get(), QPoint(0, bar->height())).y();
  EXPECT_GE(window->Table()->mapTo(window.get(), QPoint(0, 0)).y(), barBottom) << "the table starts below the bar";
  EXPECT_EQ(Counter(*window), "1/" + n);

  Click(*window, "btnDemoLast");
  EXPECT_EQ(Counter(*window), n + "/" + n);
  QScrollBar* scroll = Find<QScrollBar>(*window, "scbDemoMove");
  EXPECT_EQ(scroll->maximum(), steps);
  EXPECT_EQ(scroll->value(), steps);
  Click(*window, "btnDemoPrior");
  EXPECT_EQ(window->Demo().position, steps - 3);
  Click(*window, "btnDemoFirst");
  EXPECT_EQ(Counter(*window), "1/" + n);

  // An arrow of the scroll bar is one move.
  scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QApplication::processEvents();
  EXPECT_EQ(Counter(*window), "2/" + n);
  EXPECT_EQ(scroll->value(), 2);

  // Play steps on by itself, Stop halts it, any navigation lifts both.
  DemoBar* demoBar = window->DemoPanel();
  Click(*window, "btnDemoPlay");
  EXPECT_TRUE(demoBar->PlayDown());
  EXPECT_TRUE(window->DemoPlaying());
  window->DemoPlayTick();
  window->DemoPlayTick();
  EXPECT_EQ(window->Demo().position, 4);
  Click(*window, "btnDemoStop");
  EXPECT_TRUE(demoBar->StopDown());
  EXPECT_FALSE(demoBar->PlayDown());
  EXPECT_FALSE(window->DemoPlaying());
  Click(*window, "btnDemoStop");
  EXPECT_TRUE(demoBar->StopDown()) << "pressing the button that is down leaves it down";
  Click(*window, "btnDemoPlay");
  Click(*window, "btnDemoNext");
  EXPECT_FALSE(demoBar->PlayDown());
  EXPECT_FALSE(demoBar->StopDown());
  EXPECT_FALSE(window->DemoPlaying());
  EXPECT_EQ(window->Demo().position, 7);
  // Played to the end, it stops there.
  Click(*window, "btnDemoPlay");
  for (int i = 0; i < steps + 2; ++i) window->DemoPlayTick();
  EXPECT_EQ(window->Demo().position, steps);
  EXPECT_FALSE(window->DemoPlaying());

  // The menu's Undo would tear the table from the bar, and so would a
  // restart or a snapshot: refused, the table stays at the bar's position.
  EXPECT_FALSE(Find<QAction>(*window, "mnuUndo")->isEnabled());
  const std::string table = session.piles.Pile(PileGroup::Stock, kWasteItem);
  for (const char* command : {"mnuRestartGame", "mnuSnapshotPosition", "mnuUndoToSnapshot"}) {
    SCOPED_TRACE(command);
    Find<QAction>(*window, command)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window->Demo().position, steps);
    EXPECT_EQ(session.piles.Pile(PileGroup::Stock, kWasteItem), table);
    EXPECT_TRUE(session.values.Flag(kDemoMode));
  }

  Click(*window, "btnDemoClose");
  EXPECT_FALSE(session.values.Flag(kDemoMode));
  EXPECT_FALSE(demo->isChecked());
  EXPECT_FALSE(bar->isVisible());
}

// Chain Crossing scores each card discarded: a jump of the bar shows the
// score of the position it lands on, as a single step does.
TEST_F(DemoWindowTest, TheScoreFollowsTheBarsJumps) {
  constexpr int kChainCrossing = 56;
  test::PlayFixture recorder;
  ASSERT_TRUE(recorder.Start(kChainCrossing, "7301649516525"));
  const solver::Result win = solver::Solve(recorder.session, test::Budget(20000));
  ASSERT_EQ(win.verdict, solver::Verdict::Winnable);
  for (std::size_t i = 0; i + 1 < win.moves.size(); ++i)
    ASSERT_TRUE(solver::PlayMove(recorder.engine, recorder.session, win.moves[i]));
  std::filesystem::create_directories(std::string(dir / "Demos"));
  ASSERT_TRUE(WriteGameFile(recorder.session, recorder.startPorts, dir / "Demos/G0056.GAM"));

  auto window = Open("", kChainCrossing, "1000000000001");
  Find<QAction>(*window, "mnuDemo")->trigger();
  QApplication::processEvents();
  ASSERT_TRUE(session.values.Flag(kDemoMode));
  QLabel* score = Find<QLabel>(*window, "lblScore");
  ASSERT_NE(score, nullptr);
  // Five points a card discarded, from -52.
  auto discarded = [&] {
    return QString::number(-52 + 5 * PileCardCount(session.piles.Pile(PileGroup::Stock, kSecondWasteItem)));
  };
  EXPECT_EQ(score->text(), "-52");
  Click(*window, "btnDemoLast");
  EXPECT_NE(score->text(), "-52");
  EXPECT_EQ(score->text(), discarded());
  Click(*window, "btnDemoPrior");
  EXPECT_EQ(score->text(), discarded());
  Click(*window, "btnDemoFirst");
  EXPECT_EQ(score->text(), "-52");
}

// What the player has on the table before asking for a demo, and must have
// again when it ends.
struct PlayersGame {
  std::string table, deal, player, score, time, title;
  int undoSteps = 0, redoSteps = 0;
  bool operator==(const PlayersGame&) const = default;
};

PlayersGame Seen(TfrmMain& w, const Session& s) {
  PlayersGame g;
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (const std::string& pile : s.piles.Items(group)) g.table += SnapshotLine(s.cards, pile) + "|";
  g.deal = s.store.Get(pos::kDealNumber, 15);
  g.player = s.store.Get(pos::kPlayerName, 30);
  g.score = w.findChild<QLabel*>("lblScore")->text().toStdString();
  g.time = w.findChild<QLabel*>("lblTempo")->text().toStdString();
  g.title = w.windowTitle().toStdString();
  g.undoSteps = s.history.undo.Steps();
  g.redoSteps = s.history.redo.Steps();
  return g;
}

// The player's Klondike game with a few cards turned and one turn undone.
void PlayAFew(TfrmMain& w, Session& s) {
  for (int i = 0; i < 4; ++i) {
    const Rect stock = TopCardRect(s, {PileGroup::Stock, kStockItem});
    QTest::mouseClick(w.Table(), Qt::LeftButton, Qt::NoModifier, w.ToWidget(stock.left + 5, stock.top + 5));
    QApplication::processEvents();
  }
  QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
  QApplication::processEvents();
}

TEST_F(DemoWindowTest, CtrlDAsksNothingAndCloseGivesThePlayersGameBack) {
  WriteDemo(12);
  auto window = Open("UserDefault=Ann\n", kKlondike, "1000000000001");
  PlayAFew(*window, session);
  const PlayersGame before = Seen(*window, session);
  ASSERT_GT(before.undoSteps, 0);
  ASSERT_GT(before.redoSteps, 0);
  ASSERT_EQ(before.player, "Ann");
  messages.shown.clear();

  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
  ASSERT_TRUE(session.values.Flag(kDemoMode));
  EXPECT_NE(Seen(*window, session).table, before.table);
  Click(*window, "btnDemoLast");
  // Watching takes its time; the player's clock does not count it.
  clock.now += 90.0 / kSecondsPerDay;
  window->OnClockTick();

  Click(*window, "btnDemoClose");
  EXPECT_FALSE(session.values.Flag(kDemoMode));
  EXPECT_EQ(Seen(*window, session), before);
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_TRUE(Find<QAction>(*window, "mnuUndo")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(dir / "DATA/STAT_LOG.DAT")) << "nothing was recorded";
  // Play goes on where it stood: the turn undone is there to redo.
  QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(session.history.redo.Steps(), before.redoSteps - 1);
}

// New game, or closing the window, while the demo plays is about the
// player's own game: it comes back first and is the one asked about and
// recorded; the demo never is.
TEST_F(DemoWindowTest, AnotherGameOrTheWindowClosedWhileTheDemoPlaysIsAboutThePlayersGame) {
  WriteDemo(12);
  auto window = Open("UserDefault=Ann\n", kKlondike, "1000000000001");
  PlayAFew(*window, session);
  const PlayersGame before = Seen(*window, session);
  Find<QAction>(*window, "mnuDemo")->trigger();
  ASSERT_TRUE(session.values.Flag(kDemoMode));

  messages.answer = false;
  messages.shown.clear();
  QTest::keyClick(window.get(), Qt::Key_F2);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Quit this game?");
  EXPECT_FALSE(session.values.Flag(kDemoMode));
  EXPECT_EQ(Seen(*window, session), before);

  Find<QAction>(*window, "mnuDemo")->trigger();
  ASSERT_TRUE(session.values.Flag(kDemoMode));
  messages.answer = true;
  window->close();
  const std::string log = dir.Read("DATA/STAT_LOG.DAT");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
  const GameLogEntry entry = ParseGameLogLine(log);
  EXPECT_EQ(entry.dealNumber, "1000000000001");
  EXPECT_EQ(entry.player, "Ann");
}

// No demo file: the solver looks for a win of the deal on the table, in the
// background, and that win is the demo.
TEST_F(DemoWindowTest, WithoutADemoFileTheSolversWinOfTheDealIsShown) {
  constexpr int kGolf = 26;
  auto window = Open("UserDefault=Ann\n", kGolf, "0644822914239");
  const Rect column = TopCardRect(session, {PileGroup::Tableau, 0});
  QTest::mouseClick(window->Table(), Qt::LeftButton, Qt::NoModifier, window->ToWidget(column.left + 5, column.top + 5));
  const PlayersGame before = Seen(*window, session);
  messages.shown.clear();

  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return session.values.Flag(kDemoMode); }, 30000));
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
  const int n = window->Demo().count;
  EXPECT_GT(n, 20);
  EXPECT_EQ(Counter(*window), "1/" + QString::number(n));
  EXPECT_EQ(session.store.Get(pos::kDealNumber, 15), "0644822914239");
  // The last position is one move from the win.
  Click(*window, "btnDemoLast");
  int left = 0;
  for (const std::string& pile : session.piles.Items(PileGroup::Tableau)) left += PileCardCount(pile);
  EXPECT_LE(left, 1);

  Click(*window, "btnDemoClose");
  EXPECT_EQ(Seen(*window, session), before);
  EXPECT_TRUE(messages.shown.empty());
}

// A deal the solver proves lost, or a search cancelled: said in words, or
// not at all, and the game stays the player's.
TEST_F(DemoWindowTest, WithoutADemoOrAWinThePlayerIsToldInWords) {
  constexpr int kGolf = 26;
  auto window = Open("", kGolf, "0828214926252");
  const PlayersGame before = Seen(*window, session);
  messages.shown.clear();
  Find<QAction>(*window, "mnuDemo")->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 30000));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "This game has no recorded demo, and the solver found no win of this deal to show.\n\n"
            "This deal cannot be won.");
  EXPECT_FALSE(session.values.Flag(kDemoMode));
  EXPECT_FALSE(Find<QAction>(*window, "mnuDemo")->isChecked());
  EXPECT_FALSE(Find<QWidget>(*window, "pnlDemo")->isVisible());
  EXPECT_EQ(Seen(*window, session), before);
}

}  // namespace
}  // namespace cardoria
