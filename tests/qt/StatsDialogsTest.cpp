// The statistics, hi-score, players and overall-score dialogs over files the
// statistics layer wrote, driven with real Qt events.

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "persist/GameRecord.h"
#include "persist/HiScores.h"
#include "persist/OverallScore.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "persist/qt/TfrmAboutGame.h"
#include "persist/qt/TfrmClearValues.h"
#include "persist/qt/TfrmHiScore.h"
#include "persist/qt/TfrmOperatori.h"
#include "persist/qt/TfrmOperatori2.h"
#include "persist/qt/TfrmStatisCanc.h"
#include "persist/qt/TfrmStatisGiochi.h"
#include "persist/qt/TfrmStatisLog.h"
#include "persist/qt/TfrmStatisOperat.h"
#include "persist/qt/TfrmStatisOverall.h"
#include "persist/qt/TfrmStatisOverallDetails.h"
#include "persist/qt/TfrmStatisOverallInternet1.h"
#include "persist/qt/TfrmStatistics.h"
#include "qt/RecordingStatsHost.h"
#include "support/StatsFixture.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '"' << list.join(QStringLiteral("\", \"")).toStdString() << '"';
}

namespace cardoria {
namespace {

using FakeHost = test::RecordingStatsHost;

class StatsDialogsTest : public test::StatsTest {
 protected:
  void SetUp() override {
    test::StatsTest::SetUp();
    dir.Write("DATA/CFG.DAT", "[Users]\nUser001=Ann\nUser002=Bob\nUser003=Anne\n");
    session.settings.Open(dir / "DATA/CFG.DAT");
  }

  StatsContext Context() { return {session, ports, host}; }

  void Play(const std::string& player, int game, const std::string& results, const std::string& score = "10") {
    for (char r : results) ASSERT_TRUE(RecordGameResult(session, Result(r == 'W', game, player, score), ports));
  }

  // Clicks the title of a grid column.
  static void ClickTitle(QTableView* grid, int column) {
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, 5));
  }

  static QStringList Column(const SortableGrid* grid, int column) {
    QStringList values;
    for (int r = 0; r < grid->Rows(); ++r) values << grid->At(r, column);
    return values;
  }

  // Pixels of the pie in the win colour and in the loss colour.
  static std::pair<int, int> PieColours(const QImage& pie) {
    int lime = 0, red = 0;
    for (int y = 0; y < pie.height(); ++y)
      for (int x = 0; x < pie.width(); ++x) {
        const QRgb c = pie.pixel(x, y) & 0xffffff;
        lime += c == 0x00ff00;
        red += c == 0xff0000;
      }
    return {lime, red};
  }

  FakeHost host;
};

TEST_F(StatsDialogsTest, GameStatisticsShowCountsPercentagesPiesAndStreaks) {
  struct Case {
    const char* results;
    const char* won;
    const char* lost;
    const char* wonPercent;
    const char* lostPercent;
    const char* current;
    double winShare;  // of the coloured pixels; -1 for the neutral picture
  };
  const Case cases[] = {
      {"WWWL", "3", "1", "(75%)", "(25%)", "Current: 1 lost", 0.75},
      {"LWL", "1", "2", "(33%)", "(67%)", "Current: 1 lost", 0.35},
      {"LWW", "2", "1", "(67%)", "(33%)", "Current: 2 won", 0.65},
      {"", "0", "0", "", "", "Current", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.results);
    std::filesystem::remove_all(dir / "DATA/STAT.DAT");
    std::filesystem::remove_all(dir / "DATA/STAT_LOG.DAT");
    Play("Bob", 1, "WWWWW");  // another player's records stay apart
    ResetRunCounters(session);
    Play("Ann", 1, c.results);
    TfrmStatistics dialog(Context());
    EXPECT_EQ(dialog.windowTitle(), "Statistics [Freecell]");
    EXPECT_EQ(dialog.Players()->currentText(), "Ann");
    for (CountsBox* box : {dialog.Total(), dialog.Session()}) {
      EXPECT_EQ(box->ValueText("won"), c.won);
      EXPECT_EQ(box->ValueText("lost"), c.lost);
      EXPECT_EQ(box->ValueText("wonPercent"), c.wonPercent);
      EXPECT_EQ(box->ValueText("lostPercent"), c.lostPercent);
    }
    EXPECT_EQ(dialog.CurrentStreakText(), c.current);
    const auto [lime, red] = PieColours(dialog.Total()->Pie());
    if (c.winShare < 0) {
      EXPECT_EQ(lime + red, 0);
    } else {
      EXPECT_NEAR(static_cast<double>(lime) / (lime + red), c.winShare, 0.03);
    }
    EXPECT_EQ(dialog.Chart()->chart()->series().size(), 1);
  }
}

TEST_F(StatsDialogsTest, ChoosingAnotherPlayerOrGameRefreshesAndTheSessionCountsOnlyTheCurrentOnes) {
  Play("Ann", 1, "WWL");
  Play("Bob", 2, "WL");
  TfrmStatistics dialog(Context());
  dialog.show();
  dialog.Players()->setCurrentText("Bob");
  dialog.Games()->setCurrentText("Spider");
  EXPECT_EQ(dialog.windowTitle(), "Statistics [Spider]");
  EXPECT_EQ(dialog.Total()->ValueText("total"), "2");
  EXPECT_EQ(dialog.Session()->ValueText("total"), "0");
  EXPECT_EQ(dialog.SeriesText(), "Won: 1 (50%) / Lost: 1 (50%)");
  dialog.accept();
  EXPECT_EQ(host.repaints, 1);  // the table is repainted on closing
}

TEST_F(StatsDialogsTest, AllGamesGridSortsByAClickOnAColumnTitle) {
  Play("Ann", 2, "LL");
  Play("Ann", 3, "W");
  ResetRunCounters(session);  // the session plays only the current game
  Play("Ann", 1, "WWWL");
  TfrmStatisGiochi dialog(Context(), "Ann");
  dialog.show();
  QApplication::processEvents();
  const SortableGrid* grid = dialog.Grid();
  EXPECT_EQ(Column(grid, 0), QStringList({"Forty", "Freecell", "Sixty", "Spider"}));
  EXPECT_EQ(Column(grid, 3), QStringList({"0", "75", "100", "0"}));
  ClickTitle(dialog.Grid(), 1);
  EXPECT_EQ(Column(grid, 1), QStringList({"0", "0", "1", "3"}));
  ClickTitle(dialog.Grid(), 1);  // again: the other way round
  EXPECT_EQ(Column(grid, 1), QStringList({"3", "1", "0", "0"}));
  dialog.ShowValues(TfrmStatisGiochi::kSeries);
  EXPECT_EQ(grid->At(0, 0), "Freecell");  // the rows are sorted as the grid is
  EXPECT_EQ(grid->At(0, 1), "3");
  EXPECT_EQ(grid->At(0, 2), "1");
  dialog.ShowValues(TfrmStatisGiochi::kSession);
  ASSERT_EQ(grid->Rows(), 1);
  EXPECT_EQ(grid->At(0, 0), "Freecell");
  EXPECT_EQ(grid->At(0, 1), "3");
}

TEST_F(StatsDialogsTest, PlayersChartOrdersThePlayersByValue) {
  Play("Ann", 1, "WL", "10");
  Play("Bob", 1, "WWWL", "30");
  Play("Anne", 1, "L", "5");
  TfrmStatisOperat dialog(Context(), 1);
  auto names = [&] {
    std::vector<std::pair<std::string, std::int64_t>> out;
    for (const PlayerValue& v : dialog.Values()) out.emplace_back(v.player, v.value);
    return out;
  };
  using V = std::vector<std::pair<std::string, std::int64_t>>;
  EXPECT_EQ(names(), (V{{"Bob", 75}, {"Ann", 50}, {"Anne", 0}}));
  dialog.ShowSeries(PlayerSeries::AverageScore);
  EXPECT_EQ(names(), (V{{"Bob", 30}, {"Ann", 10}, {"Anne", 5}}));
  EXPECT_EQ(dialog.Chart()->objectName(), "grafPlayerSeries1");
}

TEST_F(StatsDialogsTest, LogListsNewestFirstFiltersSortsAndPlaysAGameAgain) {
  Play("Ann", 1, "W", "12");
  Play("Bob", 2, "L", "3");
  Play("Ann", 2, "L", "40");
  // A line whose deal number is not 13 digits is not listed.
  ASSERT_TRUE(files.Append(Path(kStatLogFile), "20240305 09:04:03 000100 0001 Freecell\r\n"));
  TfrmStatisLog dialog(Context(), "", -1);
  dialog.show();
  QApplication::processEvents();
  const SortableGrid* grid = dialog.Grid();
  EXPECT_EQ(dialog.windowTitle(), "Log statistics");
  EXPECT_EQ(dialog.RecordsText(), "3 records");
  EXPECT_EQ(Column(grid, 6), QStringList({"Ann", "Bob", "Ann"}));
  EXPECT_EQ(Column(grid, 4), QStringList({"Lost", "Lost", "Won"}));
  EXPECT_EQ(grid->At(0, 2), "0:01:40");
  EXPECT_EQ(grid->At(0, 1), "09:04");
  ClickTitle(dialog.Grid(), 5);
  EXPECT_EQ(Column(grid, 5), QStringList({"3", "12", "40"}));

  dialog.Players()->setCurrentText("Ann");
  EXPECT_EQ(dialog.RecordsText(), "2 records");
  dialog.Games()->setCurrentText("Spider");
  EXPECT_EQ(dialog.RecordsText(), "1 record");
  EXPECT_FALSE(dialog.PlayButton()->isEnabled());
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 0)).center());
  ASSERT_TRUE(dialog.PlayButton()->isEnabled());

  // The player keeps the game in progress: the dialog, open as the menu
  // opens it, is there again and still running.
  host.agree = false;
  bool shownAgain = false;
  QTimer::singleShot(0, &dialog, [&] {
    QTest::mouseClick(dialog.PlayButton(), Qt::LeftButton);
    shownAgain = dialog.isVisible();
    QTimer::singleShot(0, &dialog, [&] { dialog.done(42); });
  });
  EXPECT_EQ(dialog.exec(), 42);
  EXPECT_TRUE(shownAgain);
  host.agree = true;
  QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(dialog.PlayButton(), Qt::LeftButton); });
  QTimer guard;  // a dialog left running unseen is ended here, and fails
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
    dialog.setAttribute(Qt::WA_WState_Hidden, false);
    dialog.done(-1);
  });
  guard.start(5000);
  EXPECT_EQ(dialog.exec(), TfrmStatisLog::kGameStarted);
  EXPECT_FALSE(dialog.isVisible());
  using Played = std::vector<std::pair<int, std::string>>;
  EXPECT_EQ(host.played, (Played{{2, "0000000012345"}, {2, "0000000012345"}}));
}

TEST_F(StatsDialogsTest, ClearingStatisticsOfOnePlayerOrEverything) {
  Play("Ann", 1, "WW");
  Play("Bob", 1, "L");
  {
    TfrmStatisCanc dialog(Context(), false);
    EXPECT_EQ(dialog.windowTitle(), "Clear statistics");
    EXPECT_EQ(dialog.Players()->currentText(), "Ann");
    dialog.Games()->setCurrentIndex(0);
    EXPECT_EQ(dialog.Games()->currentText(), "[All games]");
    messages.answer = false;
    dialog.Clear();
    EXPECT_EQ(ReadGameStats(session, ports, 1, "Ann").record.won, 2);
    messages.answer = true;
    dialog.Clear();
    ASSERT_GE(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[1].text,
              "Are you sure you want to clear the statistics for player: Ann\rfor game: [All games]?");
    EXPECT_EQ(messages.shown.back().text, "Statistics have been cleared.");
    EXPECT_EQ(ReadGameStats(session, ports, 1, "Ann").record.won, 0);
    EXPECT_EQ(ReadGameStats(session, ports, 1, "Bob").record.lost, 1);
    EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0000");
  }
  TfrmClearValues all(Context());
  EXPECT_EQ(all.windowTitle(), "Clear values");
  all.Choose(TfrmClearValues::kAll);
  all.Proceed();
  EXPECT_EQ(Read(kStatFile), "[Version]\r\nVersion=0300\r\n");
  EXPECT_EQ(Read(kStatLogFile), "");
  EXPECT_EQ(messages.shown.back().text, "Statistics, Hi-Scores and Overall Score have been cleared.");
}

TEST_F(StatsDialogsTest, HiScoresShowTheInventedTableAndANewEntrySelected) {
  Play("Ann", 1, "W", "50");
  TfrmHiScore dialog(Context(), 1, 1, "Congratulations!");
  dialog.show();
  QApplication::processEvents();
  EXPECT_EQ(dialog.windowTitle(), "Congratulations!");
  const SortableGrid* grid = dialog.Scores();
  ASSERT_EQ(grid->Rows(), 20);
  EXPECT_EQ(grid->At(0, 2), "52");
  EXPECT_EQ(grid->At(1, 1), "Ann");
  EXPECT_EQ(grid->At(1, 2), "50");
  EXPECT_EQ(grid->At(1, 4), "Won");
  EXPECT_EQ(grid->At(0, 3), "0:04:20");
  EXPECT_EQ(grid->SelectedRow(), 1);
  ClickTitle(dialog.Scores(), 2);
  EXPECT_EQ(grid->At(0, 2), "4");  // the invented 2 has dropped out
  // Another game: the caption follows.
  dialog.Games()->setCurrentRow(dialog.Games()->row(dialog.Games()->findItems("Spider", Qt::MatchExactly).front()));
  EXPECT_EQ(dialog.windowTitle(), "Hi-Scores [Spider]");
  EXPECT_EQ(grid->At(19, 2), "104");  // still sorted by the score
}

TEST_F(StatsDialogsTest, OverallRankingDetailsAndGameInformation) {
  Play("Ann", 1, "W", "30");
  Play("Bob", 1, "W", "45");
  Play("Bob", 3, "W", "20");
  TfrmStatisOverall overall(Context());
  EXPECT_EQ(overall.windowTitle(), "Overall score");
  const SortableGrid* grid = overall.Grid();
  ASSERT_EQ(grid->Rows(), 2);
  EXPECT_EQ(Column(grid, 1), QStringList({"Bob", "Ann"}));
  EXPECT_EQ(Column(grid, 2), QStringList({"65", "30"}));
  EXPECT_TRUE(overall.DetailsButton()->isEnabled());
  // No page of champions exists to point at: no link is shown.
  TfrmStatisOverallInternet1 publishing(ReadOverallRanking(session, ports).front());
  for (const QDialog* dialog : {static_cast<const QDialog*>(&overall), static_cast<const QDialog*>(&publishing)}) {
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblChampionsLink")), nullptr);
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblSubmitLink")), nullptr);
    for (const QLabel* label : dialog->findChildren<QLabel*>())
      EXPECT_FALSE(label->text().contains(QStringLiteral("example.org"))) << S(label->text());
  }
  TfrmStatisOverallDetails details(Context(), ReadOverallRanking(session, ports).front());
  EXPECT_EQ(details.windowTitle(), "Overall score details [Bob]");
  const SortableGrid* rows = details.Grid();
  EXPECT_EQ(Column(rows, 0), QStringList({"Forty", "Freecell", "Sixty", "Spider"}));
  EXPECT_EQ(Column(rows, 1), QStringList({"", "45", "20", ""}));

  TfrmAboutGame about(Context());
  EXPECT_EQ(about.windowTitle(), "Freecell");
  EXPECT_EQ(about.ValueText("lblWon"), "1");
  EXPECT_EQ(about.ValueText("lblPoints"), "52");
  EXPECT_EQ(about.ValueText("lblPlayer"), "* " + about.ValueText("lblPlayer").mid(2));
}

TEST_F(StatsDialogsTest, PlayersAreAddedRenamedAndDeletedThroughTheDialog) {
  Play("Ann", 1, "WW");
  Play("Bob", 1, "L");
  Play("Anne", 1, "W");
  TfrmOperatori dialog(Context());
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Players");
  EXPECT_EQ(dialog.List()->currentItem()->text(), "Ann");
  // Each prompt is answered with the texts in turn; a refused one stays open.
  std::vector<QString> typed;
  std::vector<std::string> captions;
  dialog.prompt = [&](TfrmOperatori2& prompt) {
    captions.push_back(S(prompt.windowTitle()));
    prompt.show();
    for (const QString& text : typed) {
      prompt.Name()->setText(text);
      QTest::keyClick(prompt.Name(), Qt::Key_Return);
      if (prompt.result() == QDialog::Accepted) return;
    }
  };
  typed = {"", "Bob", "Carl"};
  QTest::keyClick(dialog.List(), Qt::Key_Insert);
  ASSERT_GE(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Please enter at least 1 character.");
  EXPECT_EQ(messages.shown[1].text, "This player name already exists.");
  EXPECT_EQ(dialog.List()->currentItem()->text(), "Carl");

  dialog.SelectName("Ann");
  typed = {"Anna"};
  QTest::mouseClick(dialog.findChild<QPushButton*>("btnEdit"), Qt::LeftButton);
  EXPECT_EQ(captions, (std::vector<std::string>{"Add a player", "Edit a player"}));
  EXPECT_EQ(dialog.Players().Current(), "Anna");
  EXPECT_EQ(ReadGameStats(session, ports, 1, "Anna").record.won, 2);
  EXPECT_EQ(ReadGameStats(session, ports, 1, "Anne").record.won, 1);
  EXPECT_EQ(ParseGameLogLine(SplitLines(Read(kStatLogFile)).front()).player, "Anna");

  messages.shown.clear();
  QTest::keyClick(dialog.List(), Qt::Key_Delete);  // Anna is current
  EXPECT_EQ(messages.shown.back().text, "It is impossible to delete the selected player.");
  dialog.SelectName("Bob");
  QTest::mouseClick(dialog.findChild<QPushButton*>("btnDelete"), Qt::LeftButton);
  EXPECT_EQ(messages.shown.back().text, kDeletePlayerQuestion);
  EXPECT_EQ(ReadGameStats(session, ports, 1, "Bob").record.lost, 0);

  QTest::mouseClick(dialog.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
  EXPECT_EQ(host.titles, 1);
  EXPECT_EQ(CurrentPlayer(session), "Anna");
  IniProfile saved(dir / "DATA/CFG.DAT");
  EXPECT_EQ(saved.ReadString("Preference", "UserDefault", ""), "Anna");
  EXPECT_EQ(saved.ReadString("Users", "User001", ""), "Anna");
  EXPECT_EQ(saved.ReadString("Users", "User002", ""), "Anne");
  EXPECT_EQ(saved.ReadString("Users", "User003", ""), "Carl");
  EXPECT_EQ(saved.ReadString("Users", "User004", ""), "");
}

TEST_F(StatsDialogsTest, SelectingAnotherPlayerEndsTheGameFirstAndOpensTheGameSelection) {
  {
    TfrmOperatori dialog(Context());
    dialog.show();
    dialog.SelectName("Bob");
    host.agree = false;
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnSelect"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(host.questions, std::vector<std::string>{"Start a new game for player Bob?"});
    host.agree = true;
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnSelect"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_EQ(CurrentPlayer(session), "Bob");
  EXPECT_EQ(host.clears, 1);
  EXPECT_EQ(host.selections, 1);
  // The player who is current already: the dialog just closes.
  TfrmOperatori again(Context());
  again.show();
  QTest::mouseClick(again.findChild<QPushButton*>("btnSelect"), Qt::LeftButton);
  EXPECT_EQ(host.questions.size(), 2u);
  EXPECT_EQ(host.selections, 1);
}

}  // namespace
}  // namespace cardoria
