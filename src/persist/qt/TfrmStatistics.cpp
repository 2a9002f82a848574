#include "persist/qt/TfrmStatistics.h"

#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Catalogue.h"
#include "core/HelpTopics.h"
#include "core/Session.h"
#include "persist/qt/TfrmClearValues.h"
#include "persist/qt/TfrmHiScore.h"
#include "persist/qt/TfrmStatisGiochi.h"
#include "persist/qt/TfrmStatisLog.h"
#include "persist/qt/TfrmStatisOperat.h"
#include "persist/qt/TfrmStatisOverall.h"

namespace cardoria {

TfrmStatistics::TfrmStatistics(StatsContext context, QWidget* parent) : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmStatistics", QStringLiteral("Statistics"));
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* choose = new QGridLayout;
  games_ = new QComboBox(this);
  games_->setObjectName(QStringLiteral("cboGame"));
  FillGames(games_, c_.session, CurrentGame(c_.session), false);
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboPlayer"));
  FillPlayers(players_, c_.session, CurrentPlayer(c_.session), false);
  auto* gameLabel = new QLabel(QStringLiteral("&Game:"));
  gameLabel->setBuddy(games_);
  auto* playerLabel = new QLabel(QStringLiteral("&Player:"));
  playerLabel->setBuddy(players_);
  choose->addWidget(gameLabel, 0, 0);
  choose->addWidget(games_, 0, 1);
  choose->addWidget(playerLabel, 1, 0);
  choose->addWidget(players_, 1, 1);
  choose->setColumnStretch(1, 1);
  left->addLayout(choose);
  total_ = new CountsBox(c_.session, QStringLiteral("Total "), this);
  total_->setObjectName(QStringLiteral("grpTotal"));
  run_ = new CountsBox(c_.session, QStringLiteral("Current session "), this);
  run_->setObjectName(QStringLiteral("grpSession"));
  left->addWidget(total_);
  left->addWidget(run_);
  auto* series = new QGroupBox(QStringLiteral("Series "), this);
  series->setObjectName(QStringLiteral("grpSeries"));
  auto* seriesLayout = new QGridLayout(series);
  chart_ = BarChart(QStringLiteral("chtSeries"), series);
  seriesLayout->addWidget(chart_, 0, 0, 1, 2);
  seriesWon_ = new QLabel(series);
  seriesWon_->setObjectName(QStringLiteral("lblSeriesWon"));
  seriesLost_ = new QLabel(series);
  seriesLost_->setObjectName(QStringLiteral("lblSeriesLost"));
  current_ = new QLabel(series);
  current_->setObjectName(QStringLiteral("lblCurrent"));
  seriesLayout->addWidget(seriesWon_, 1, 0);
  seriesLayout->addWidget(seriesLost_, 1, 1);
  seriesLayout->addWidget(current_, 2, 0, 1, 2);
  left->addWidget(series);
  layout->addLayout(left, 1);

  auto* buttons = new QVBoxLayout;
  AddButton(this, buttons, "btnOverall", "O&verall score...", &TfrmStatistics::OpenOverall);
  AddButton(this, buttons, "btnHiScores", "  &Hi-Scores...", &TfrmStatistics::OpenHiScores);
  AddButton(this, buttons, "btnAllGames", "A&ll games...", &TfrmStatistics::OpenAllGames);
  AddButton(this, buttons, "btnPlayers", "Pla&yers statistics...", &TfrmStatistics::OpenPlayers);
  AddButton(this, buttons, "btnLog", "Log s&tatistics", &TfrmStatistics::OpenLog);
  buttons->addStretch(1);
  AddOkAndHelpButtons(this, buttons, c_.session, kHelpStatistics);
  layout->addLayout(buttons);

  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Clear values..."), this, &TfrmStatistics::ClearValues);
    menu.exec(mapToGlobal(at));
  });
  connect(games_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::Refresh);
  connect(players_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::Refresh);
  Refresh();
}

int TfrmStatistics::ChosenGame() const { return games_->currentData().toInt(); }
std::string TfrmStatistics::ChosenPlayer() const { return S(players_->currentData().toString()); }

void TfrmStatistics::Refresh() {
  const int game = ChosenGame();
  setWindowTitle("Statistics [" + Q(TrimRightSpaces(GameNameOf(c_.session, game))) + "]");
  const StatsReading reading = ReadGameStats(c_.session, c_.ports, game, ChosenPlayer());
  const GameStatsRecord& r = reading.record;
  total_->Show(r.won, r.lost);
  run_->Show(reading.runWins, reading.runLosses);
  const auto percent = WinPercent(r.longestWinning, r.longestLosing);
  seriesWon_->setText(Text(c_.session, 1905) + ": " + QString::number(r.longestWinning) + " " +
                      Q(PercentText(percent)));
  seriesLost_->setText(Text(c_.session, 1906) + ": " + QString::number(r.longestLosing) + " " +
                       Q(PercentText(percent ? std::optional<int>(100 - *percent) : std::nullopt)));
  current_->setText(Q(StreakLabel(c_.session.store.GetInt(pos::kLanguage, 6), r)));
  SetBars(chart_, {{Text(c_.session, 1905), static_cast<double>(r.longestWinning), QColor(0, 255, 0)},
                   {Text(c_.session, 1906), static_cast<double>(r.longestLosing), QColor(255, 0, 0)}});
}

QString TfrmStatistics::SeriesText() const { return seriesWon_->text() + " / " + seriesLost_->text(); }
QString TfrmStatistics::CurrentStreakText() const { return current_->text(); }

void TfrmStatistics::OpenOverall() {
  TfrmStatisOverall overall(c_, this);
  if (overall.exec() == TfrmStatisOverall::kGameStarted) accept();
}

void TfrmStatistics::OpenHiScores() { TfrmHiScore(c_, ChosenGame(), -1, {}, this).exec(); }

void TfrmStatistics::OpenAllGames() { TfrmStatisGiochi(c_, ChosenPlayer(), this).exec(); }

void TfrmStatistics::OpenPlayers() { TfrmStatisOperat(c_, ChosenGame(), this).exec(); }

void TfrmStatistics::OpenLog() {
  TfrmStatisLog log(c_, "", -1, this);
  if (log.exec() == TfrmStatisLog::kGameStarted) accept();
}

void TfrmStatistics::ClearValues() {
  TfrmClearValues(c_, this).exec();
  Refresh();
}

void TfrmStatistics::done(int result) {
  QDialog::done(result);
  c_.host.RepaintTable();
}

}  // namespace cardoria
