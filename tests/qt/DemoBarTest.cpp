// The demo player in the window: Ctrl+D shows the bar below the toolbar,
// the bar's buttons, scroll bar and Play move through the recording, and
// Close hides it again.

#include "app/DemoBar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include "core/Session.h"
#include "persist/SavedGames.h"
#include "qt/WindowFixture.h"
#include "solver/Replay.h"
#include "solver/Solver.h"
#include "support/PlayFixture.h"
#include "support/SolverReplay.h"

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

TEST_F(DemoWindowTest, AMissingDemoIsNamedAndTheGameGoesOn) {
  auto window = Open("", kKlondike, "1000000000001");
  ASSERT_TRUE(session.values.Flag(kGameInProgress));
  messages.shown.clear();
  Find<QAction>(*window, "mnuDemo")->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(session.values.Flag(kDemoMode));
  EXPECT_FALSE(Find<QAction>(*window, "mnuDemo")->isChecked());
  EXPECT_FALSE(Find<QWidget>(*window, "pnlDemo")->isVisible());
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_NE(messages.shown.back().text.find("G0002.GAM"), std::string::npos);
}

}  // namespace
}  // namespace cardoria
