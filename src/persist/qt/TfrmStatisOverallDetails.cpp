#include "persist/qt/TfrmStatisOverallDetails.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Session.h"
#include "persist/qt/TfrmStatisLog.h"

namespace cardoria {

TfrmStatisOverallDetails::TfrmStatisOverallDetails(StatsContext context, const OverallRank& player, QWidget* parent)
    : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmStatisOverallDetails", "Overall score details [" + Q(player.player) + "]");
  auto* layout = new QVBoxLayout(this);
  totals_ = new QLabel(
      QStringLiteral("Score: %1    Time: %2").arg(player.totalScore).arg(Q(FormatHMS(player.totalTime, 2))), this);
  totals_->setObjectName(QStringLiteral("lblTotals"));
  layout->addWidget(totals_);
  grid_ = new SortableGrid({"Game", "Score", "Max", "Time"}, this);
  grid_->setObjectName(QStringLiteral("grdDetails"));
  layout->addWidget(grid_, 1);
  details_ = ReadOverallDetails(c_.session, c_.ports, player.player);
  std::stable_sort(details_.begin(), details_.end(),
                   [](const OverallDetail& a, const OverallDetail& b) { return a.gameName < b.gameName; });
  std::vector<std::vector<SortableGrid::Cell>> rows;
  for (const OverallDetail& d : details_) {
    const bool max = d.bestScore > 0 && d.bestScore >= d.maxScore;
    rows.push_back({{Q(TrimRightSpaces(d.gameName)), {}},
                    {d.bestScore ? QString::number(d.bestScore) : QString(), d.bestScore},
                    {max ? QStringLiteral("Yes") : QString(), max ? 1 : 0},
                    {d.bestTime ? Q(FormatHMS(d.bestTime, 1)) : QString(), d.bestTime}});
  }
  grid_->SetRows(rows);
  auto* buttons = new QHBoxLayout;
  auto* play = new QPushButton(QStringLiteral("&Play this game"), this);
  play->setObjectName(QStringLiteral("btnPlay"));
  play->setAutoDefault(false);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  buttons->addWidget(play);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  connect(play, &QPushButton::clicked, this, &TfrmStatisOverallDetails::PlaySelected);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  resize(520, 520);
}

QString TfrmStatisOverallDetails::TotalsText() const { return totals_->text(); }

void TfrmStatisOverallDetails::PlaySelected() {
  const int row = grid_->SelectedRow();
  if (row < 0) return;
  const int game = details_[static_cast<std::size_t>(row)].game;
  if (WithDialogsHidden(this, [&] { return c_.host.PlayGame(game, ""); })) done(kGameStarted);
}

}  // namespace cardoria
