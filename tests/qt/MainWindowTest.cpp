#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include "table/Layout.h"

#include "core/Session.h"
#include "qt/WindowFixture.h"
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
  auto window = Open("Game=2\nGame_name=Klondike\nUserDefault=Ann\n");
  window->RunFirstActivation();
  // The game of the preferences is dealt: its deal number joins the caption.
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
                             "Open a sa&ved game...",
                             "&Restart game",
                             "R&andom game",
                             "&Save...",
                             "",
                             "P&ause",
                             "&Quit game",
                             "",
                             "&Hold and exit...",
                             "E&xit",
                             "&Undo",
                             "&Redo",
                             "",
                             "Snaps&hot position",
                             "Undo to s&napshot",
                             "",
                             "Au&toplay"};
  EXPECT_EQ(captions, built);
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
  void Drag(QPoint from, QPoint to) {
    QWidget* table = window->Table();
    QTest::mousePress(table, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), table->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(table, &move);
    QTest::mouseRelease(table, Qt::LeftButton, Qt::NoModifier, to);
    QApplication::processEvents();
  }
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
