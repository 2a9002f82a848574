// The table window as the player uses it: drops, the pause, and which
// commands can be given when. Real Qt events throughout.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <functional>

#include "core/RuleIndex.h"
#include "core/Session.h"
#include "persist/UndoLog.h"
#include "qt/WindowFixture.h"
#include "table/Layout.h"
#include "table/qt/CardImages.h"

namespace cardoria {
namespace {

class TableWindowTest : public test::MainWindowTest {
 protected:
  void OpenGame(int game, const std::string& deal, const std::string& more = "") {
    // The first of two equal keys counts: `more` overrides the defaults here.
    window = Open(more +
                      "AutoPlay=N\nCards_Animate=N\nMainWindowState_Maximized=N\nMainWindowState_Width=1000\n"
                      "MainWindowState_Height=700\n",
                  game, deal);
    window->RunFirstActivation();
    QApplication::processEvents();
  }
  QWidget* Table() const { return window->Table(); }
  QPoint Centre(const Rect& r) const { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  // Press, a few steps of the mouse with the button held, release.
  void Drag(QPoint from, QPoint to, int steps = 5) {
    QTest::mousePress(Table(), Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= steps; ++i) {
      const QPointF at = QPointF(from) + QPointF(to - from) * i / steps;
      QMouseEvent move(QEvent::MouseMove, at, Table()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(Table(), &move);
    }
    QTest::mouseRelease(Table(), Qt::LeftButton, Qt::NoModifier, to);
    QApplication::processEvents();
  }
  // The table picture where the window shows it.
  QImage TableShown() const {
    return window->TableImage().copy(0, ScrollOffset(session), Table()->width(), Table()->height());
  }
  QAction* Action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
  // Every pile with the faces of its cards.
  std::string Piles() const {
    StepStacks step;
    AppendStep(session, step);
    std::string all;
    for (const TextList& lines : step.lists)
      for (const std::string& line : lines) all += line + "|";
    return all;
  }

  std::unique_ptr<TfrmMain> window;
};

constexpr int kKingOfSpades = 52;

TEST_F(TableWindowTest, ADroppedCardLeavesNoPictureWhereTheMouseWasReleased) {
  OpenGame(1, "6095875189");  // Freecell
  const Rect king = CardRectangle(session, kKingOfSpades);
  ASSERT_FALSE(king.Empty());
  const Rect cell = TopCardRect(session, {PileGroup::Reserve, 0});
  // Held near its bottom-right corner, the card is let go overlapping the
  // first free cell, with the mouse itself below the cell.
  const QPoint grab(king.right - 6, king.bottom - 6);
  const QPoint release(cell.left + king.Width() / 3 + king.Width() - 6,
                       cell.top + king.Height() / 2 + king.Height() - 6);
  Drag(grab, release);
  ASSERT_EQ(LocateCard(session.piles, session.rules, kKingOfSpades), -21) << Piles();
  EXPECT_EQ(window->MovingCardsRect(), Rect{});
  const QImage shown = window->Picture();
  EXPECT_EQ(shown.pixel(release), TableShown().pixel(release));
  EXPECT_EQ(shown, TableShown().convertToFormat(shown.format()));
  // Nor does anything float over the piles after the window changes size.
  window->resize(900, 650);
  QApplication::processEvents();
  EXPECT_EQ(window->Picture(), TableShown().convertToFormat(shown.format()));
}

// Each way of giving a command while the table is paused: it only ends the pause.
TEST_F(TableWindowTest, DuringThePauseTheFirstInputOnlyEndsThePause) {
  OpenGame(2, "1");  // Klondike
  Drag(Centre(CardRectangle(session, 1)), Centre(TopCardRect(session, {PileGroup::Foundation, 0})));
  ASSERT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
  const struct Case {
    const char* what;
    std::function<void()> input;
  } cases[] = {
      {"F2, New game", [&] { QTest::keyClick(window.get(), Qt::Key_F2); }},
      {"F7, Autoplay", [&] { QTest::keyClick(window.get(), Qt::Key_F7); }},
      {"Ctrl+Z, Undo", [&] { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }},
      {"Ctrl+P, Pause again", [&] { QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier); }},
      {"a key to the menu bar", [&] { QTest::keyClick(window->menuBar(), Qt::Key_A); }},
      {"the New button",
       [&] {
         QToolBar* bar = window->findChild<QToolBar*>();
         QTest::mouseClick(bar->widgetForAction(Action("tbNew1")), Qt::LeftButton);
       }},
      {"a click on the Game menu",
       [&] {
         QMenuBar* bar = window->menuBar();
         QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(bar->actions()[0]).center());
       }},
      {"a click on a card",
       [&] { QTest::mouseClick(Table(), Qt::LeftButton, Qt::NoModifier, Centre(CardRectangle(session, 1))); }},
      {"a right click on the table",
       [&] { QTest::mouseClick(Table(), Qt::RightButton, Qt::NoModifier, Centre(CardRectangle(session, 1))); }},
  };
  for (const Case& c : cases) {
    const std::string piles = Piles(), deal = session.store.Get(pos::kDealNumber, 15);
    const bool autoplay = session.autoplayChecked;
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(window->Paused()) << c.what;
    c.input();
    QApplication::processEvents();
    EXPECT_FALSE(window->Paused()) << c.what;
    EXPECT_TRUE(session.values.Flag(kClockRunning)) << c.what;
    EXPECT_EQ(Piles(), piles) << c.what;
    EXPECT_EQ(session.store.Get(pos::kDealNumber, 15), deal) << c.what;
    EXPECT_EQ(session.autoplayChecked, autoplay) << c.what;
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.what;
    EXPECT_EQ(session.drag.draggedCard, 0) << c.what;
  }
  // Once the pause is over the keys work again.
  const int steps = session.history.undo.Steps();
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(session.history.undo.Steps(), steps - 1);
}

// Should the release of the click that ended the pause never come, the
// next click is the player's again.
TEST_F(TableWindowTest, ALostReleaseDoesNotSwallowTheNextClick) {
  OpenGame(2, "1");
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  const QPoint ace = Centre(CardRectangle(session, 1));
  QTest::mousePress(Table(), Qt::LeftButton, Qt::NoModifier, ace);
  ASSERT_FALSE(window->Paused());
  QTest::mousePress(Table(), Qt::LeftButton, Qt::NoModifier, ace, 20);
  EXPECT_EQ(session.drag.draggedCard, 1);  // lifted
  QTest::mouseRelease(Table(), Qt::LeftButton, Qt::NoModifier, ace);
}

TEST_F(TableWindowTest, APauseChosenFromTheMenuEndsAtAKeyPress) {
  OpenGame(2, "1");
  QMenu* game = window->menuBar()->actions()[0]->menu();
  game->popup(window->mapToGlobal(QPoint(10, 10)));
  QApplication::processEvents();
  QTest::mouseClick(game, Qt::LeftButton, Qt::NoModifier, game->actionGeometry(Action("mnuPause")).center());
  QApplication::processEvents();
  ASSERT_TRUE(window->Paused());
  EXPECT_FALSE(game->isVisible());
  // Wherever the focus went when the menu closed, the key ends the pause.
  QTest::keyClick(window->menuBar(), Qt::Key_Space);
  EXPECT_FALSE(window->Paused());
  Action("mnuPause")->trigger();
  ASSERT_TRUE(window->Paused());
  QTest::keyClick(window.get(), Qt::Key_Space);
  EXPECT_FALSE(window->Paused());
}

// A game dealt while the table is paused (by a command that does not come
// through the player's input) counts its own time from its deal.
TEST_F(TableWindowTest, AGameDealtDuringThePauseStartsAFreshClock) {
  clock.now = MakeDateTime(2026, 12, 10, 20, 0, 0);
  OpenGame(2, "1");
  clock.now += 30.0 / 86400;
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  ASSERT_TRUE(window->Paused());
  clock.now += 600.0 / 86400;
  Action("mnuNew")->trigger();
  clock.now += 9.0 / 86400;
  QTest::keyClick(window.get(), Qt::Key_Space);
  ASSERT_FALSE(window->Paused());
  clock.now += 2.0 / 86400;
  window->OnClockTick();
  EXPECT_EQ(session.clockText, "0:00:11");
}

TEST_F(TableWindowTest, UndoAndRedoAreEnabledWhileTheHistoryHoldsAStep) {
  OpenGame(2, "1");
  QAction* undo = Action("mnuUndo");
  QAction* redo = Action("mnuRedo");
  QAction* button = Action("tbUndo1");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_FALSE(button->isEnabled());
  // The disabled button shows the library's own greyed glyph.
  const QImage greyed = LibraryImage(*session.resources, "TB_UNDO_DIS");
  ASSERT_FALSE(greyed.isNull());
  EXPECT_EQ(button->icon().pixmap(greyed.size(), QIcon::Disabled).toImage().convertToFormat(greyed.format()), greyed);
  Drag(Centre(CardRectangle(session, 1)), Centre(TopCardRect(session, {PileGroup::Foundation, 0})));
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_TRUE(redo->isEnabled());
  EXPECT_TRUE(button->isEnabled());
  while (session.history.undo.Steps() > 0) undo->trigger();
  EXPECT_TRUE(redo->isEnabled());  // the steps can be redone
  QTest::keyClick(window.get(), Qt::Key_F2);
  EXPECT_FALSE(undo->isEnabled());  // a new deal has no history
  EXPECT_FALSE(redo->isEnabled());
}

TEST_F(TableWindowTest, UndoStaysDisabledWhenThePlayerTurnedItOff) {
  OpenGame(2, "1", "Undo_Enabled=2\n");
  Drag(Centre(CardRectangle(session, 1)), Centre(TopCardRect(session, {PileGroup::Foundation, 0})));
  ASSERT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
  EXPECT_FALSE(Action("mnuUndo")->isEnabled());
  EXPECT_FALSE(Action("mnuRedo")->isEnabled());
}

TEST_F(TableWindowTest, ANewDealStartsAtTheTopOfTheTable) {
  OpenGame(2, "1", "MainWindowState_Height=260\n");  // too low for Klondike's columns
  QScrollBar* bar = window->findChild<QScrollBar*>(QStringLiteral("scrBarMain"));
  ASSERT_TRUE(bar->isVisible());
  bar->setValue(bar->maximum());
  ASSERT_GT(ScrollOffset(session), 0);
  QTest::keyClick(window.get(), Qt::Key_F2);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(ScrollOffset(session), 0);
}

TEST_F(TableWindowTest, ButtonHintsFollowTheirPreference) {
  for (const char* shown : {"Y", "N"}) {
    OpenGame(2, "1", std::string("Show_ToolTips=") + shown + "\n");
    QWidget* button = window->findChild<QToolBar*>()->widgetForAction(Action("tbNew1"));
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(button, &help);
    EXPECT_EQ(QToolTip::isVisible(), std::string(shown) == "Y") << shown;
    EXPECT_EQ(QToolTip::text(), std::string(shown) == "Y" ? "New" : "") << shown;
  }
}

// Every frame of a flight shows the card over the table and nothing else.
TEST_F(TableWindowTest, AFlyingCardCastsNoShadow) {
  OpenGame(2, "1", "Cards_Animate=Y\nCards_Shadowed=Y\n");
  int frames = 0, shadowed = 0;
  bool grabbing = false;
  auto onPaint = [&](QObject*, QEvent* event) {
    const Rect r = window->MovingCardsRect();
    if (event->type() != QEvent::Paint || grabbing || r.Empty()) return false;
    grabbing = true;
    const QImage shown = window->Picture();
    grabbing = false;
    const QImage table = TableShown().convertToFormat(shown.format());
    ++frames;
    // Right of the card and below it, where a shadow would fall.
    for (const QPoint at : {QPoint(r.right + 3, r.top + 30), QPoint(r.left + 30, r.bottom + 3)})
      if (table.rect().contains(at) && shown.pixel(at) != table.pixel(at)) ++shadowed;
    return false;
  };
  struct Filter : QObject {
    std::function<bool(QObject*, QEvent*)> f;
    bool eventFilter(QObject* o, QEvent* e) override { return f(o, e); }
  } filter;
  filter.f = onPaint;
  Table()->installEventFilter(&filter);
  QTest::mouseDClick(Table(), Qt::LeftButton, Qt::NoModifier, Centre(CardRectangle(session, 1)));
  Table()->removeEventFilter(&filter);
  ASSERT_EQ(session.piles.Pile(PileGroup::Foundation, 0), "001");
  EXPECT_GT(frames, 0);
  EXPECT_EQ(shadowed, 0);
}

TEST_F(TableWindowTest, AMissingBackgroundOfThePlayersIsForgotten) {
  const std::string path = dir / "gone/felt.png";
  OpenGame(2, "1", "Background_def=N\nCustomized_Background=" + path + "\n");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Customized background image not found: " + path);
  EXPECT_EQ(session.store.Get(pos::kCustomizedBackground, 1), "N");
  EXPECT_EQ(session.store.Get(pos::kBackgroundDef, 1), "Y");
  IniProfile written(dir / "DATA/CFG.DAT");
  EXPECT_EQ(written.ReadString("Preference", "Customized_Background", "?"), "");
  EXPECT_EQ(written.ReadString("Preference", "Background_Def", ""), "Y");
  const QImage table = window->TableImage();
  EXPECT_EQ(table.pixel(table.width() - 3, table.height() - 3), qRgb(0, 96, 0));  // the default colour
}

TEST_F(TableWindowTest, PicturesThatCanNotBeReadAreToldAndThePlayGoesOn) {
  dir.Write("Images/B008.bmp", "");
  struct Case {
    const char* preferences;
    const char* unreadable;  // none: nothing to tell
  } cases[] = {
      {"Background_bmp=7\n", "Images/B007.bmp"},
      {"Background_bmp=8\n", "Images/B008.bmp"},  // there, but empty
      {"Background_bmp=512\n", nullptr},          // drawn once at the corner, when it is there
      {"Background_bmp=101\n", nullptr},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    OpenGame(2, "1", c.preferences);
    if (!c.unreadable) {
      EXPECT_TRUE(messages.shown.empty()) << c.preferences << messages.shown.front().text;
      continue;
    }
    ASSERT_EQ(messages.shown.size(), 1u) << c.preferences;
    EXPECT_EQ(messages.shown[0].kind, "info");
    EXPECT_EQ(messages.shown[0].text, "The background picture " + (dir / c.unreadable) +
                                          " can not be read. The table is shown in the default colour instead.");
    EXPECT_TRUE(session.values.Flag(kGameInProgress)) << c.preferences;
    const QImage table = window->TableImage();
    EXPECT_EQ(table.pixel(table.width() - 3, table.height() - 3), qRgb(0, 96, 0)) << c.preferences;
  }
  // A change of card size whose back is empty: the back is drawn instead.
  dir.Write("Images/DM011.bmp", "");
  messages.shown.clear();
  session.store.Set(pos::kCardSize, 1, "M");
  window->ReloadCardImages();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, "info");
  EXPECT_EQ(messages.shown[0].text, "These pictures can not be read:\r" + (dir / "Images/DM011.bmp") +
                                        "\rThe program draws the cards itself in their place. Reinstalling the "
                                        "program puts the files back.");
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
}

// The score and the clock change while a deal holds the toolbar's layout
// back: their labels have room for the longest texts from the start.
TEST_F(TableWindowTest, TheScoreAndTheClockAreNeverCutShort) {
  OpenGame(2, "1");
  const std::pair<const char*, std::vector<const char*>> shown[] = {{"lblScore", {"-52", "-99999", "123456"}},
                                                                    {"lblTempo", {"0:00:59", "10:59:59"}}};
  for (const auto& [name, texts] : shown) {
    QLabel* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr) << name;
    for (const char* text : texts) {
      if (std::string(name) == "lblScore") {
        window->SetScoreText(text);
      } else {
        window->SetTimeText(text);
      }
      EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text())) << text;
    }
  }
}

class NoGameTest : public TableWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoGameTest, DisablesTheGameCommands) {
  OpenGame(-1, "", GetParam());
  EXPECT_FALSE(session.values.Flag(kGameInProgress));
  for (const char* name :
       {"mnuNew", "tbNew1", "mnuPause", "mnuQuitGame", "mnuUndo", "mnuRedo", "mnuAutoPlay", "mnuSave", "tbSave1",
        "mnuHoldAndExit", "mnuSnapshotPosition", "mnuDemo", "mnuCanBeWon", "mnuHint"})
    EXPECT_FALSE(Action(name)->isEnabled()) << name;
  QTest::keyClick(window.get(), Qt::Key_F2);
  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
  QApplication::processEvents();
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
  EXPECT_FALSE(session.values.Flag(kGameInProgress));
  EXPECT_FALSE(session.values.Flag(kDemoMode));
  // A game opened from there enables them.
  ASSERT_TRUE(Action("mnuRandomGame")->isEnabled());
  Action("mnuRandomGame")->trigger();
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  for (const char* name : {"mnuNew", "mnuDemo", "mnuCanBeWon"}) EXPECT_TRUE(Action(name)->isEnabled()) << name;
  // Saving follows the game's rules: some games can not be saved.
  const bool saving = session.rules[rule::NoSaveNoUndo] != 1;
  for (const char* name : {"mnuSave", "tbSave1", "mnuHoldAndExit"})
    EXPECT_EQ(Action(name)->isEnabled(), saving) << name;
}

INSTANTIATE_TEST_SUITE_P(GameOfThePreferences, NoGameTest, ::testing::Values("Game=0\n", "Game=25\n", "Game=-1\n"));

}  // namespace
}  // namespace cardoria
