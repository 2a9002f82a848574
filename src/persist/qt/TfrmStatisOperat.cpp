#include "persist/qt/TfrmStatisOperat.h"

#include <QChartView>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Session.h"
#include "persist/Players.h"

namespace cardoria {

TfrmStatisOperat::TfrmStatisOperat(StatsContext context, int game, QWidget* parent) : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmStatisOperat", QStringLiteral("Players statistics"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  games_ = GameListWidget(c_.session, this);
  row->addWidget(games_);
  auto* right = new QVBoxLayout;
  auto* group = new QGroupBox(QStringLiteral("Series values "), this);
  auto* radios = new QHBoxLayout(group);
  percent_ = new QRadioButton(QStringLiteral("% Games &won"), group);
  percent_->setObjectName(QStringLiteral("rbPercent"));
  average_ = new QRadioButton(QStringLiteral("&Average score"), group);
  average_->setObjectName(QStringLiteral("rbAverage"));
  radios->addWidget(percent_);
  radios->addWidget(average_);
  right->addWidget(group);
  chart_ = BarChart(QStringLiteral("grafPlayerSeries1"), this);
  right->addWidget(chart_, 1);
  row->addLayout(right, 1);
  layout->addLayout(row, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  percent_->setChecked(true);
  connect(percent_, &QRadioButton::toggled, this, &TfrmStatisOperat::Refresh);
  connect(games_, &QListWidget::currentRowChanged, this, &TfrmStatisOperat::Refresh);
  const int wanted = game >= 0 ? game : CurrentGame(c_.session);
  for (int i = 0; i < games_->count(); ++i)
    if (games_->item(i)->data(Qt::UserRole).toInt() == wanted) games_->setCurrentRow(i);
  if (games_->currentRow() < 0 && games_->count() > 0) games_->setCurrentRow(0);
  resize(760, 460);
}

void TfrmStatisOperat::ShowSeries(PlayerSeries series) {
  (series == PlayerSeries::WinPercent ? percent_ : average_)->setChecked(true);
}

void TfrmStatisOperat::Refresh() {
  const QListWidgetItem* item = games_->currentItem();
  if (!item) return;
  const int game = item->data(Qt::UserRole).toInt();
  const PlayerSeries series = percent_->isChecked() ? PlayerSeries::WinPercent : PlayerSeries::AverageScore;
  std::vector<PlayerValue> values;
  for (const std::string& player : ReadPlayers(c_.session.settings))
    values.push_back({player, SeriesValue(series, ReadGameStats(c_.session, c_.ports, game, player).record)});
  shown_ = OrderByValue(values);
  // Red and lime mean losses and wins elsewhere; the players get other colours.
  static const QColor kColours[] = {
      QColor(0, 0, 255),   QColor(255, 165, 0), QColor(128, 0, 128), QColor(0, 128, 128),  QColor(255, 0, 255),
      QColor(128, 128, 0), QColor(0, 0, 128),   QColor(160, 82, 45), QColor(70, 130, 180), QColor(128, 128, 128)};
  std::vector<Bar> bars;
  for (std::size_t i = 0; i < shown_.size(); ++i)
    bars.push_back({Q(shown_[i].player), static_cast<double>(shown_[i].value), kColours[i % std::size(kColours)]});
  SetBars(chart_, bars);
}

}  // namespace cardoria
