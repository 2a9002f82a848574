// The deal-number dialog over real log files, driven with real Qt events, and
// its commands in the main window and the game-won dialog.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/TfrmSelectGameNumber.h"
#include "engine/PlayPorts.h"
#include "persist/DealLists.h"
#include "persist/RecentDeals.h"
#include "persist/Statistics.h"
#include "persist/qt/TfrmGameWon.h"
#include "persist/qt/TfrmStatisLog.h"
#include "qt/RecordingStatsHost.h"
#include "qt/WindowFixture.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

using DealHost = test::RecordingStatsHost;

using Played = std::vector<std::pair<int, std::string>>;

class SelectGameNumberTest : public test::StatsTest {
 protected:
  void SetUp() override {
    test::StatsTest::SetUp();
    dir.Write("DATA/CFG.DAT", "[Game_Numbers]\nGame001=0000000000777\nGame002=\nGame003=0000000000005\n");
    session.settings.Open(dir / "DATA/CFG.DAT");
    session.store.Set(pos::kDealNumber, 15, "0000000000123");
  }

  // One log line for each entry: game, player, won, deal, day of March.
  struct Logged {
    int game;
    const char* player;
    bool won;
    const char* deal;
    int day;
  };
  void Log(const std::vector<Logged>& lines) {
    std::string text;
    for (const Logged& l : lines) {
      GameResult r = Result(l.won, l.game, l.player);
      r.dealNumber = l.deal;
      r.endTime = MakeDateTime(2024, 3, l.day, 10, 0, 0);
      text += FormatGameLogLine(r) + "\r\n";
    }
    Write(kStatLogFile, text);
  }

  std::unique_ptr<TfrmSelectGameNumber> Dialog() {
    auto dialog = std::make_unique<TfrmSelectGameNumber>(StatsContext{session, ports, host});
    dialog->show();
    return dialog;
  }
  static void Ok(TfrmSelectGameNumber& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
  }
  static QStringList Row(const QTableWidget* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c) cells << (grid->item(row, c) ? grid->item(row, c)->text() : "");
    return cells;
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& m : messages.shown) texts.push_back(m.text);
    return texts;
  }

  DealHost host;
};

TEST_F(SelectGameNumberTest, TheFirstPageOffersRecentNumbersAndTheCurrentGame) {
  auto dialog = Dialog();
  EXPECT_EQ(dialog->windowTitle(), "Select a game number");
  EXPECT_EQ(dialog->Pages()->tabText(0), "Select a &game");
  EXPECT_EQ(dialog->Pages()->tabText(1), "&Previous games");
  EXPECT_EQ(dialog->Pages()->tabText(2), "&Lost games");
  QStringList recent;
  for (int i = 0; i < dialog->NumberBox()->count(); ++i) recent << dialog->NumberBox()->itemText(i);
  EXPECT_EQ(recent, (QStringList{"0000000000777", "0000000000005"}));
  EXPECT_EQ(dialog->NumberBox()->currentText(), "0000000000123");
  EXPECT_EQ(dialog->NumberBox()->lineEdit()->maxLength(), 13);
  EXPECT_EQ(dialog->GameBox()->count(), 4);
  EXPECT_EQ(dialog->GameBox()->currentText(), "Freecell");
  EXPECT_EQ(dialog->LostGameBox()->currentText(), "Freecell");

  // No game open: no game chosen, and a number alone starts nothing.
  session.store.Set(pos::kGameNumber, 4, "-001");
  auto none = Dialog();
  EXPECT_EQ(none->GameBox()->currentIndex(), -1);
  EXPECT_EQ(none->LostGameBox()->currentIndex(), -1);
  none->NumberBox()->setEditText("42");
  Ok(*none);
  EXPECT_TRUE(host.played.empty());
  EXPECT_TRUE(none->isVisible());
  EXPECT_EQ(Shown(), std::vector<std::string>{"Choose the game to play this number with."});
}

TEST_F(SelectGameNumberTest, ATypedNumberIsDealtWithThirteenDigits) {
  struct Case {
    const char* typed;
    Played played;
    std::vector<std::string> shown;
    bool closes;
  } cases[] = {
      {"42", {{1, "0000000000042"}}, {}, true}, {"0", {}, {}, false}, {"0000", {}, {}, false}, {"", {}, {}, false},
      {"12a", {}, {kNumbersOnly}, false},
  };
  for (const auto& c : cases) {
    host.played.clear();
    messages.shown.clear();
    auto dialog = Dialog();
    dialog->NumberBox()->lineEdit()->clear();
    QTest::keyClicks(dialog->NumberBox()->lineEdit(), c.typed);
    dialog->GameBox()->setCurrentText("Freecell");
    Ok(*dialog);
    EXPECT_EQ(host.played, c.played) << c.typed;
    EXPECT_EQ(Shown(), c.shown) << c.typed;
    EXPECT_EQ(dialog->isVisible(), !c.closes) << c.typed;
  }
}

// A recent number that begins with what the player types is offered, never
// written into the box: Enter deals what was typed.
TEST_F(SelectGameNumberTest, WhatIsTypedIsDealtThoughARecentNumberBeginsWithIt) {
  dir.Write("DATA/CFG.DAT", "[Game_Numbers]\nGame001=1234567890123\nGame002=1200000000000\n");
  session.settings.Open(dir / "DATA/CFG.DAT");
  const std::pair<const char*, const char*> cases[] = {
      {"1", "0000000000001"}, {"12", "0000000000012"}, {"123", "0000000000123"}, {"1234567890123", "1234567890123"}};
  for (const auto& [typed, dealt] : cases) {
    host.played.clear();
    auto dialog = Dialog();
    // The box completes only while it has the focus of an active window.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QLineEdit* box = dialog->NumberBox()->lineEdit();
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    box->selectAll();
    QTest::keyClicks(box, typed);
    EXPECT_EQ(box->text(), typed);
    // The recent numbers that begin with it are offered; Enter deals what
    // was typed all the same.
    QAbstractItemView* suggestions = dialog->NumberBox()->completer()->popup();
    if (std::string(typed).size() < 3) {
      EXPECT_TRUE(suggestions->isVisible()) << typed;
    }
    QTest::keyClick(suggestions->isVisible() ? static_cast<QWidget*>(suggestions) : box, Qt::Key_Return);
    EXPECT_EQ(host.played, (Played{{1, dealt}})) << typed;
    EXPECT_FALSE(dialog->isVisible()) << typed;
  }
}

TEST_F(SelectGameNumberTest, PreviousGamesAreListedNewestFirstAndPlayedFromTheirRow) {
  Log({{1, "Ann", false, "0000000000011", 1}, {2, "Bob", true, "0000000000022", 2}, {3, "Ann", false, "33", 3}});
  auto dialog = Dialog();
  dialog->Pages()->setCurrentIndex(TfrmSelectGameNumber::kPreviousPage);
  const QTableWidget* grid = dialog->PreviousGrid();
  ASSERT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(Row(grid, 0).mid(0, 3), (QStringList{"33", "Sixty", "Lost"}));
  EXPECT_EQ(Row(grid, 1).mid(0, 3), (QStringList{"0000000000022", "Spider", "Won"}));
  EXPECT_EQ(Row(grid, 1)[4], "Bob");
  EXPECT_FALSE(Row(grid, 1)[3].isEmpty());  // the date in the locale's form
  dialog->PreviousGrid()->selectRow(1);
  Ok(*dialog);
  EXPECT_EQ(host.played, (Played{{2, "0000000000022"}}));
  EXPECT_FALSE(dialog->isVisible());
  // A short number from the log is dealt with 13 digits, too.
  host.played.clear();
  auto again = Dialog();
  again->Pages()->setCurrentIndex(TfrmSelectGameNumber::kPreviousPage);
  Ok(*again);
  EXPECT_EQ(host.played, (Played{{3, "0000000000033"}}));
}

TEST_F(SelectGameNumberTest, LostGamesListEachDealNoOneWonOnce) {
  Log({{1, "Ann", false, "0000000000042", 1},
       {1, "Ann", false, "0000000000042", 2},
       {1, "Bob", false, "0000000000042", 3},
       {1, "Ann", false, "0000000000007", 4},
       {1, "Cy", true, "0000000000007", 5},
       {2, "Ann", false, "0000000000099", 6}});
  auto dialog = Dialog();
  dialog->Pages()->setCurrentIndex(TfrmSelectGameNumber::kLostPage);
  const QTableWidget* grid = dialog->LostGrid();
  ASSERT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(Row(grid, 0)[0], "0000000000042");
  EXPECT_EQ(Row(grid, 0)[1], "Lost");
  EXPECT_EQ(Row(grid, 0)[3], "Ann");
  // Another game refills the list.
  dialog->LostGameBox()->setCurrentText("Spider");
  ASSERT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(Row(grid, 0)[0], "0000000000099");
  Ok(*dialog);
  EXPECT_EQ(host.played, (Played{{2, "0000000000099"}}));
}

TEST_F(SelectGameNumberTest, AnEmptyRowOrAGameThatIsGoneStartsNothing) {
  // No log: each list page holds one empty row.
  for (int page : {TfrmSelectGameNumber::kPreviousPage, TfrmSelectGameNumber::kLostPage}) {
    messages.shown.clear();
    auto dialog = Dialog();
    dialog->Pages()->setCurrentIndex(page);
    EXPECT_EQ(dialog->PreviousGrid()->rowCount(), 1);
    EXPECT_EQ(Row(page == 1 ? dialog->PreviousGrid() : dialog->LostGrid(), 0).join(""), "");
    Ok(*dialog);
    EXPECT_EQ(Shown(), std::vector<std::string>{kSelectCorrectNumber}) << page;
    EXPECT_TRUE(dialog->isVisible());
  }
  // A game that was in the log but is no longer in the catalogue.
  Write(kStatLogFile, ReplaceRange(FormatGameLogLine(Result(false, 4)), 31, 5, "Fifty") + "\r\n");
  messages.shown.clear();
  auto dialog = Dialog();
  dialog->Pages()->setCurrentIndex(TfrmSelectGameNumber::kPreviousPage);
  EXPECT_EQ(Row(dialog->PreviousGrid(), 0)[1], "Fifty");
  Ok(*dialog);
  EXPECT_EQ(Shown(), std::vector<std::string>{"There is no game \"Fifty\" any more.\rChoose another game."});
  EXPECT_TRUE(host.played.empty());
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SelectGameNumberTest, AGameStartedFromTheLogClosesTheDialog) {
  auto dialog = Dialog();
  QTimer::singleShot(0, dialog.get(), [] {
    auto* log = dynamic_cast<TfrmStatisLog*>(QApplication::activeModalWidget());
    ASSERT_NE(log, nullptr);
    log->done(TfrmStatisLog::kGameStarted);
  });
  QTest::mouseClick(dialog->findChild<QPushButton*>("btnLog"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SelectGameNumberTest, TheGameWonDialogOpensIt) {
  TfrmGameWon won(StatsContext{session, ports, host});
  won.show();
  host.agree = false;
  QTest::mouseClick(won.findChild<QPushButton*>("btnSelectGame"), Qt::LeftButton);
  EXPECT_EQ(host.numberSelections, 1);
  EXPECT_TRUE(won.isVisible());
  host.agree = true;
  QTest::mouseClick(won.findChild<QPushButton*>("btnSelectGame"), Qt::LeftButton);
  EXPECT_EQ(host.numberSelections, 2);
  EXPECT_FALSE(won.isVisible());
}

// F3 in the window: the game in progress is recorded with its own deal, then
// the typed number is dealt.
class DealNumberWindowTest : public test::MainWindowTest {};

TEST_F(DealNumberWindowTest, F3DealsTheTypedNumberOfTheChosenGame) {
  auto window = Open(
      "Game=1\nAutoPlay=N\nCards_Animate=N\nUserDefault=Ann\nMainWindowState_Maximized=N\n"
      "MainWindowState_Width=1000\nMainWindowState_Height=700\n",
      1, "8");
  window->RunFirstActivation();
  QApplication::processEvents();
  ASSERT_TRUE(session.values.Flag(kGameInProgress));
  QString title;
  QTimer::singleShot(0, window.get(), [&] {
    auto* dialog = dynamic_cast<TfrmSelectGameNumber*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    dialog->NumberBox()->setEditText("42");
    QTest::mouseClick(dialog->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
  });
  QTest::keyClick(window.get(), Qt::Key_F3);
  EXPECT_EQ(title, "Select a game number");
  EXPECT_EQ(session.store.Get(pos::kDealNumber, 15), "0000000000042");
  EXPECT_EQ(session.store.GetInt(pos::kGameNumber, 4), 1);
  EXPECT_TRUE(session.values.Flag(kGameInProgress));
  const GameLogEntry left = ParseGameLogLine(dir.Read("DATA/STAT_LOG.DAT"));
  EXPECT_EQ(left.result, "Lost");
  EXPECT_EQ(left.dealNumber, "0000000000008");
  EXPECT_EQ(RecentDeals(session.settings)[0], "0000000000042");
}

}  // namespace
}  // namespace cardoria
