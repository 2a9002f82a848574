#include "persist/qt/TfrmHiScore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/Catalogue.h"
#include "core/HelpTopics.h"
#include "core/Session.h"
#include "persist/HiScores.h"
#include "persist/qt/TfrmClearValues.h"

namespace cardoria {

namespace {

// The cup of the table; a new result gets it with a star over it.
QImage ScorePicture(bool newEntry) {
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(128, 96, 0), 2));
  p.setBrush(QColor(230, 190, 40));
  p.drawChord(QRect(14, 8, 36, 40), 180 * 16, 180 * 16);
  p.drawRect(QRect(14, 8, 36, 20));
  p.drawRect(QRect(29, 46, 6, 8));
  p.drawRect(QRect(20, 54, 24, 6));
  if (newEntry) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
      const double r = i % 2 ? 6.0 : 14.0, a = M_PI / 5 * i - M_PI / 2;
      star << QPointF(32 + r * std::cos(a), 24 + r * std::sin(a));
    }
    p.setBrush(Qt::red);
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.drawPolygon(star);
  }
  return image;
}

}  // namespace

TfrmHiScore::TfrmHiScore(StatsContext context, int game, int rank, const QString& caption, QWidget* parent)
    : QDialog(parent), c_(context), firstCaption_(caption) {
  PrepareDialog(this, "frmHiScore", QStringLiteral("Hi-Scores"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("imgScore"));
  picture_->setPixmap(QPixmap::fromImage(ScorePicture(rank >= 0)));
  left->addWidget(picture_);
  games_ = GameListWidget(c_.session, this);
  left->addWidget(games_);
  row->addLayout(left);
  scores_ = new SortableGrid({"N.", "Player", "Score", "Time", "W/L", "Date", "Game number"}, this);
  scores_->setObjectName(QStringLiteral("slScores"));
  scores_->setMinimumWidth(560);
  row->addWidget(scores_, 1);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  AddOkAndHelpButtons(this, buttons, c_.session, kHelpHiScores);
  layout->addLayout(buttons);
  connect(games_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) ShowGame(games_->item(row)->data(Qt::UserRole).toInt());
  });
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Clear values..."), this, &TfrmHiScore::ClearValues);
    menu.exec(mapToGlobal(at));
  });
  resize(860, 560);
  const int wanted = game >= 0 ? game : CurrentGame(c_.session);
  for (int i = 0; i < games_->count(); ++i)
    if (games_->item(i)->data(Qt::UserRole).toInt() == wanted) {
      games_->setCurrentRow(i);
      games_->scrollToItem(games_->item(i), QAbstractItemView::PositionAtCenter);
    }
  if (rank >= 0) scores_->SelectRow(rank);
}

void TfrmHiScore::ShowGame(int game) {
  const TextList entries = ReadHiScores(c_.session, c_.ports, game);
  std::vector<std::vector<SortableGrid::Cell>> rows;
  for (std::size_t r = 0; r < entries.size(); ++r) {
    const HiScoreRow e = ParseHiScoreEntry(entries[r]);
    const int rank = static_cast<int>(r) + 1;
    std::vector<SortableGrid::Cell> cells;
    cells.push_back({Q(ZeroPad(rank, 2)), rank});
    cells.push_back({Q(TrimRightSpaces(e.player)), {}});
    if (e.blank) {
      cells.push_back({QString(), -1});
      cells.push_back({QString(), -1});
    } else {
      const int score = TextToIntDef(TrimLeftSpaces(e.score), 0), seconds = TextToIntDef(TrimLeftSpaces(e.time), 0);
      cells.push_back({QString::number(score), score});
      cells.push_back({Q(FormatHMS(seconds, 1)), seconds});
    }
    cells.push_back({Q(TrimRightSpaces(e.result)), {}});
    cells.push_back({ShortDate(e.date), Q(e.date)});
    cells.push_back({Q(TrimRightSpaces(e.dealNumber)), {}});
    rows.push_back(std::move(cells));
  }
  scores_->SetRows(rows);
  if (!firstCaption_.isEmpty()) {
    setWindowTitle(firstCaption_);
    firstCaption_.clear();
  } else {
    setWindowTitle("Hi-Scores [" + Q(TrimRightSpaces(GameNameOf(c_.session, game))) + "]");
  }
}

void TfrmHiScore::ClearValues() {
  TfrmClearValues(c_, this).exec();
  if (auto* item = games_->currentItem()) ShowGame(item->data(Qt::UserRole).toInt());
}

}  // namespace cardoria
