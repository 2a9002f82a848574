#include "persist/qt/TfrmStatisOverall.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Session.h"
#include "persist/qt/TfrmClearValues.h"
#include "persist/qt/TfrmStatisOverallDetails.h"
#include "persist/qt/TfrmStatisOverallInternet1.h"

namespace cardoria {

void AddPageLink(QWidget* dialog, QBoxLayout* layout, const char* address, const char* name) {
  if (*address == '\0') return;
  auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(QString::fromLatin1(address)), dialog);
  link->setObjectName(QString::fromLatin1(name));
  link->setOpenExternalLinks(true);
  layout->addWidget(link);
}

TfrmStatisOverall::TfrmStatisOverall(StatsContext context, QWidget* parent) : QDialog(parent), c_(context) {
  PrepareDialog(this, "frmStatisOverall", QStringLiteral("Overall score"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("Cardoria 2000 Champions:"), this);
  title->setObjectName(QStringLiteral("lblChampions"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);
  AddPageLink(this, layout, kChampionsPage, "lblChampionsLink");
  grid_ = new SortableGrid({"N.", "Player", "Score", "Time"}, this);
  grid_->setObjectName(QStringLiteral("grdOverall"));
  layout->addWidget(grid_, 1);
  auto* buttons = new QHBoxLayout;
  details_ = new QPushButton(QStringLiteral("&Details..."), this);
  details_->setObjectName(QStringLiteral("btnDetails"));
  publish_ = new QPushButton(QStringLiteral("&Publishing on the Internet..."), this);
  publish_->setObjectName(QStringLiteral("btnPublish"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  for (QPushButton* b : {details_, publish_}) b->setAutoDefault(false);
  buttons->addWidget(details_);
  buttons->addWidget(publish_);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  connect(details_, &QPushButton::clicked, this, &TfrmStatisOverall::OpenDetails);
  connect(publish_, &QPushButton::clicked, this, &TfrmStatisOverall::OpenPublishing);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Clear values..."), this, &TfrmStatisOverall::ClearValues);
    menu.exec(mapToGlobal(at));
  });
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TfrmStatisOverall::Enable);
  resize(520, 460);
  Refresh();
}

void TfrmStatisOverall::Refresh() {
  ranking_ = ReadOverallRanking(c_.session, c_.ports);
  std::vector<std::vector<SortableGrid::Cell>> rows;
  for (std::size_t i = 0; i < ranking_.size(); ++i) {
    const OverallRank& r = ranking_[i];
    const int rank = static_cast<int>(i) + 1;
    rows.push_back({{QString::number(rank), rank},
                    {Q(r.player), {}},
                    {QString::number(r.totalScore), QVariant::fromValue<qlonglong>(r.totalScore)},
                    {Q(FormatHMS(r.totalTime, 2)), QVariant::fromValue<qlonglong>(r.totalTime)}});
  }
  grid_->SetRows(rows);
  if (!ranking_.empty()) grid_->SelectRow(0);
  Enable();
}

void TfrmStatisOverall::Enable() {
  const bool player = grid_->SelectedRow() >= 0;
  details_->setEnabled(player);
  publish_->setEnabled(player);
}

void TfrmStatisOverall::OpenDetails() {
  const int row = grid_->SelectedRow();
  if (row < 0) return;
  TfrmStatisOverallDetails details(c_, ranking_[static_cast<std::size_t>(row)], this);
  if (details.exec() == TfrmStatisOverallDetails::kGameStarted) done(kGameStarted);
}

void TfrmStatisOverall::OpenPublishing() {
  const int row = grid_->SelectedRow();
  if (row >= 0) TfrmStatisOverallInternet1(ranking_[static_cast<std::size_t>(row)], this).exec();
}

void TfrmStatisOverall::ClearValues() {
  TfrmClearValues(c_, this).exec();
  Refresh();
}

}  // namespace cardoria
