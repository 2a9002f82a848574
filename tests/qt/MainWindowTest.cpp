#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include "table/Layout.h"

#include <QStatusBar>
#include <QTimer>
#include "core/Session.h"
#include "persist/Statistics.h"
#include "persist/qt/TfrmGameWon.h"
#include "qt/WindowFixture.h"
#include "support/Solver.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, OpensAtItsSavedSizeAndWritesItBackOnClosing) {
  auto window = Open(
      "MainWindowState_Maximized=N\nMainWindowState_Left=30\nMainWindowState_Top=40\n"
      "MainWindowState_Width=700\nMainWindowState_Height=500\n");
  EXPECT_FALSE(window->isMaximized());
  EXPECT_EQ(window->width(), 700);
  EXPECT_EQ(window->height(), 500);
  window->resize(720, 520);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(messages.shown.empty());  // "ConfirmQuit" defaults to no question
  IniProfile written(dir / "DATA/CFG.DAT");
  EXPECT_EQ(written.ReadString("Preference", "MainWindowState_Maximized", ""), "N");
  EXPECT_EQ(written.ReadInt("Preference", "MainWindowState_Width", 0), 720);
  EXPECT_EQ(written.ReadInt("Preference", "MainWindowState_Height", 0), 520);
  EXPECT_EQ(written.ReadString("Preference", "AutoPlay", ""), "Y");
  EXPECT_FALSE(session.resources);  // released
}

TEST_F(MainWindowTest, StartsMaximizedWithoutASavedState) {
  auto window = Open("");
  EXPECT_TRUE(window->isMaximized());
}

TEST_F(MainWindowTest, FirstActivationSetsTheCaptionOnce) {
  // With nothing to resume the game selection opens on the game of the
  // preferences; OK deals it and its deal number joins the caption.
  answerOpenGame = [](TfrmOpenGame& dialog) {
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.SelectedCaption(), "Klondike");
    dialog.Ok();
  };
  auto window = Open("Game=2\nGame_name=Klondike\nUserDefault=Ann\n");
  window->RunFirstActivation();
  EXPECT_EQ(openGameShown, 1);
  EXPECT_TRUE(window->windowTitle().startsWith("Cardoria 2000 [Klondike]  [Ann]  ["))
      << window->windowTitle().toStdString();
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  EXPECT_FALSE(session.values.Flag(kFirstActivationPending));
}

TEST_F(MainWindowTest, ClosingCanBeRefusedWhenConfirmationIsOn) {
  auto window = Open("ConfirmQuit=Y\n");
  session.values.SetFlag(kHoldAndExitRequested, true);
  messages.answer = false;
  EXPECT_FALSE(window->close());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Exit Cardoria 2000?");
  EXPECT_FALSE(session.values.Flag(kHoldAndExitRequested));
  EXPECT_TRUE(session.resources);
  messages.answer = true;
  EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, CursorsComeFromTheLibrary) {
  auto window = Open("Cursor=12\n");
  ASSERT_EQ(window->Cursors().size(), 12);
  for (int number : {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25}) {
    ASSERT_TRUE(window->Cursors().contains(number));
    EXPECT_FALSE(window->Cursors()[number].pixmap().isNull()) << number;
  }
  EXPECT_EQ(window->Table()->cursor().pixmap().toImage(), window->Cursors()[12].pixmap().toImage());
}

TEST_F(MainWindowTest, TheMenusHoldTheCommandsThatAreBuilt) {
  auto window = Open("");
  QStringList captions;
  for (QAction* menu : window->menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) captions << item->text();
  }
  const QStringList built = {"&New game",
                             "&Open a game",
                             "Open a sa&ved game...",
                             "&Restart game",
                             "S&elect a game number...",
                             "R&andom game",
                             "&Save...",
                             "",
                             "&Players...",
                             "",
                             "P&ause",
                             "&Quit game",
                             "Game &information...",
                             "Can this deal &be won?",
                             "",
                             "&Hold and exit...",
                             "E&xit",
                             "",
                             "&Demo",
                             "&Undo",
                             "&Redo",
                             "",
                             "Snaps&hot position",
                             "Undo to s&napshot",
                             "",
                             "H&int",
                             "Au&toplay",
                             "Fit cards to the window",
                             "&Game statistics...",
                             "&Players statistics...",
                             "&All games statistics...",
                             "&Log statistics...",
                             "",
                             "&Hi-Scores...",
                             "O&verall score...",
                             "C&ustomize...",
                             "Customize &rules...",
                             "&Favorite games...",
                             "&Card counter...",
                             "&Rules",
                             "&Contents",
                             "&How to play",
                             "",
                             "A&bout Cardoria 2000..."};
  EXPECT_EQ(captions, built);
  const std::pair<const char*, QKeySequence> keys[] = {{"mnuPlayers", QKeySequence(Qt::CTRL | Qt::Key_L)},
                                                       {"mnuGameStatistics", QKeySequence(Qt::Key_F4)},
                                                       {"mnuHiScores", QKeySequence(Qt::Key_F9)},
                                                       {"mnuLogStatistics", QKeySequence()},
                                                       {"mnuOverallScore", QKeySequence()},
                                                       {"mnuGameInformation", QKeySequence()},
                                                       {"mnuHint", QKeySequence(Qt::Key_H)},
                                                       {"mnuCustomizeRules", QKeySequence(Qt::CTRL | Qt::Key_R)},
                                                       {"mnuCardCounter", QKeySequence(Qt::Key_F8)},
                                                       {"mnuCustomize", QKeySequence(Qt::CTRL | Qt::Key_U)},
                                                       {"mnuRules", QKeySequence(Qt::Key_F1)},
                                                       {"mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_F12)},
                                                       {"mnuFavoriteGames", QKeySequence(Qt::CTRL | Qt::Key_F)}};
  for (const auto& [name, key] : keys) {
    const QAction* action = window->findChild<QAction*>(name);
    ASSERT_TRUE(action) << name;
    EXPECT_EQ(action->shortcut(), key) << name;
  }
  const QAction* stat = window->findChild<QAction*>("tbStat1");
  ASSERT_TRUE(stat);
  EXPECT_EQ(stat->toolTip(), "Statistics");
}

}  // namespace
}  // namespace cardoria

namespace cardoria {
namespace {

// Real mouse events on the table widget of a dealt Klondike.
class TableMouseTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window = Open(
        "Game=2\nAutoPlay=N\nCards_Animate=N\nShowPilesSize=Y\nMainWindowState_Maximized=N\nMainWindowState_Width="
        "1000\n"
        "MainWindowState_Height=700\n",
        2, "1");
    window->RunFirstActivation();
    QApplication::processEvents();
  }
  QPoint Inside(int card) {
    const Rect r = CardRectangle(session, card);
    return QPoint(r.left + 5, r.top + 5);
  }
  // A point of plain paper on a face: the top edge, clear of the index.
  QPoint Paper(int card) {
    const Rect r = CardRectangle(session, card);
    return QPoint((r.left + r.right) / 2, r.top + 5);
  }
  QPoint Centre(PileRef pile) {
    const Rect r = TopCardRect(session, pile);
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  QRgb PixelAt(QPoint at) { return window->Picture().pixel(at); }
  void Drag(QPoint from, QPoint to) { test::DragOn(window->Table(), from, to); }
  std::unique_ptr<TfrmMain> window;
};

bool Whitish(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200; }

TEST_F(TableMouseTest, ADragToAFoundation) {
  const PileRef foundation{PileGroup::Foundation, 0};
  const QPoint target = Centre(foundation);
  EXPECT_FALSE(Whitish(PixelAt(target + QPoint(0, 20))));            // the empty mark on the cloth
  ASSERT_EQ(TopCard(session.piles.Pile(PileGroup::Tableau, 6)), 1);  // the Ace of hearts
  Drag(Inside(1), target);
  EXPECT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
  EXPECT_EQ(session.store.Get(pos::kScore, 6), "-47");
  EXPECT_TRUE(Whitish(PixelAt(target + QPoint(0, 20))));  // now the card's face
}

TEST_F(TableMouseTest, AnIllegalDropReturns) {
  const std::string before = session.piles.Pile(PileGroup::Tableau, 1);
  Drag(Inside(41), Centre({PileGroup::Tableau, 6}));  // the 2 of spades onto the Ace of hearts
  EXPECT_EQ(session.piles.Pile(PileGroup::Tableau, 1), before);
  EXPECT_EQ(TopCard(session.piles.Pile(PileGroup::Tableau, 6)), 1);
  EXPECT_EQ(session.drag.draggedCard, 0);
}

TEST_F(TableMouseTest, ADoubleClickSendsACardHome) {
  QWidget* table = window->Table();
  const QPoint at = Inside(1);
  QTest::mouseDClick(table, Qt::LeftButton, Qt::NoModifier, at);
  QApplication::processEvents();
  EXPECT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
}

TEST_F(TableMouseTest, ThePileSizeHintAppearsWhenTheMouseRests) {
  clock.step = 1000;  // half a second passes between two readings of the tick
  QWidget* table = window->Table();
  const QPoint over = Centre({PileGroup::Tableau, 6});
  QMouseEvent move(QEvent::MouseMove, QPointF(over), table->mapToGlobal(QPointF(over)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(table, &move);
  QLabel* hint = table->findChild<QLabel*>(QStringLiteral("pnlPilesSize"));
  ASSERT_NE(hint, nullptr);
  EXPECT_FALSE(hint->isVisible());
  EXPECT_GE(session.values.Counter(kLastMouseMoveTick), 0);
  EXPECT_EQ(session.drag.hoverX, over.x());
  QTest::qWait(1200);  // the clock ticks once a second
  EXPECT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->text(), "7 cards\nin this pile");
}

TEST_F(TableMouseTest, UndoAndRedoFromTheKeyboard) {
  Drag(Inside(1), Centre({PileGroup::Foundation, 0}));
  ASSERT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
  const int uncovered = TopCard(session.piles.Pile(PileGroup::Tableau, 6));
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);  // the card turned up by itself
  EXPECT_TRUE(session.cards.IsFaceDown(uncovered));
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);  // the move
  EXPECT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "");
  QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
}

}  // namespace
}  // namespace cardoria

namespace cardoria {
namespace {

TEST_F(TableMouseTest, PauseHidesTheTableAndStopsTheClock) {
  ASSERT_TRUE(session.values.Flag(kClockRunning));
  const QPoint ace = Inside(1);
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(window->Paused());
  EXPECT_FALSE(session.values.Flag(kClockRunning));
  EXPECT_FALSE(Whitish(PixelAt(Paper(1))));                                 // no card can be seen
  QTest::mousePress(window->Table(), Qt::LeftButton, Qt::NoModifier, ace);  // any click ends the pause
  EXPECT_FALSE(window->Paused());
  EXPECT_TRUE(session.values.Flag(kClockRunning));
  EXPECT_TRUE(Whitish(PixelAt(Paper(1))));
  EXPECT_EQ(TopCard(session.piles.Pile(PileGroup::Tableau, 6)), 1);  // the click did not lift the card
}

// A Freecell deal won with the mouse: the result reaches the files, the
// hi-score table announces itself, then the game-won dialog counts the win.
TEST_F(MainWindowTest, AWonGameShowsTheHiScoresAndTheGameWonDialog) {
  auto window = Open(
      "Game=1\nAutoPlay=Y\nCards_Animate=N\nStatusBar=Y\nUserDefault=Ann\nMainWindowState_Maximized=N\n"
      "MainWindowState_Width=1000\nMainWindowState_Height=700\n",
      1, "8");
  window->RunFirstActivation();
  QApplication::processEvents();
  EXPECT_EQ(window->StatusText(), "Player: Ann");
  test::Solver solver(20000);
  const auto moves = solver.Solve(session);
  ASSERT_TRUE(moves.has_value());

  // The dialogs are modal: each is read when it shows, then closed.
  std::vector<std::pair<QString, QString>> shown;
  QString won, lost;
  QTimer watcher;
  watcher.setInterval(5);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    shown.emplace_back(dialog->objectName(), dialog->windowTitle());
    if (auto* gameWon = dynamic_cast<TfrmGameWon*>(dialog)) {
      won = gameWon->Total()->ValueText("won");
      lost = gameWon->Total()->ValueText("lost");
      shown.back().second = gameWon->Total()->title();
    }
    dialog->reject();
  });
  watcher.start();
  QWidget* table = window->Table();
  for (const test::SolverMove& move : *moves) {
    ASSERT_TRUE(session.values.Flag(kGameInProgress));
    if (move.card == 0) {
      const Rect r = TopCardRect(session, move.target);
      QTest::mouseClick(table, Qt::LeftButton, Qt::NoModifier, QPoint(r.left + 1, r.top + 1));
      continue;
    }
    const Rect from = CardRectangle(session, move.card);
    QTest::mousePress(table, Qt::LeftButton, Qt::NoModifier, QPoint(from.left + 1, from.top + 1));
    const Rect to = NextCardRect(session, move.target);
    const QPoint at(to.left + session.drag.grabX, to.top + session.drag.grabY);
    QMouseEvent drag(QEvent::MouseMove, QPointF(at), table->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(table, &drag);
    QTest::mouseRelease(table, Qt::LeftButton, Qt::NoModifier, at);
  }
  watcher.stop();
  EXPECT_FALSE(session.values.Flag(kGameInProgress));
  using Shown = std::vector<std::pair<QString, QString>>;
  EXPECT_EQ(shown, (Shown{{"frmHiScore", "Congratulations! Your score has made the Freecell Hi-Scores list!"},
                          {"frmGameWon", "Total [Freecell]"}}));
  EXPECT_EQ(won, "1");
  EXPECT_EQ(lost, "0");
  const GameLogEntry logged = ParseGameLogLine(dir.Read("DATA/STAT_LOG.DAT"));
  EXPECT_EQ(logged.result, "Won");
  EXPECT_EQ(logged.player, "Ann");
  EXPECT_EQ(logged.dealNumber, "0000000000008");  // as the log view lists it
}

}  // namespace
}  // namespace cardoria

namespace cardoria {
namespace {

TEST_F(TableMouseTest, AGameGivenUpIsRecordedAsALoss) {
  Drag(Inside(1), Centre({PileGroup::Foundation, 0}));
  QAction* quit = window->findChild<QAction*>(QStringLiteral("mnuQuitGame"));
  ASSERT_NE(quit, nullptr);
  quit->trigger();
  QApplication::processEvents();
  const std::string log = dir.Read("DATA/STAT_LOG.DAT");
  ASSERT_EQ(log.size(), 149u) << log;
  EXPECT_EQ(log.substr(81, 38), "Player 1                       Lost 01");
  EXPECT_NE(dir.Read("DATA/STAT.DAT").find("\r\n[0002]\r\nPlayer 1=000000 000001 "), std::string::npos);
  EXPECT_EQ(session.store.Get(pos::kRunLosses, 4), "0001");
}

}  // namespace
}  // namespace cardoria
