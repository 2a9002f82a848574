#include "app/TfrmMemoryEnd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace cardoria {

namespace {

const char* const kPageNames[4] = {"Pairs", "Ace-To-King", "Forget me not", "Concentration"};

QLabel* Figure(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QStringLiteral("figure"));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

QPixmap MemoryEndPicture(bool won) {
  QPixmap picture(64, 64);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor colour = won ? QColor(30, 150, 50) : QColor(200, 40, 40);
  painter.setBrush(colour);
  painter.setPen(QPen(colour.darker(140), 2));
  painter.drawEllipse(QRectF(4, 4, 56, 56));
  painter.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (won) {
    QPainterPath tick;
    tick.moveTo(19, 33);
    tick.lineTo(28, 43);
    tick.lineTo(46, 22);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
  } else {
    painter.drawLine(22, 22, 42, 42);
    painter.drawLine(42, 22, 22, 42);
  }
  return picture;
}

TfrmMemoryEnd::TfrmMemoryEnd(const MemoryEnd& end, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmMemoryEnd"));
  setWindowTitle(end.won ? QStringLiteral("Game Won") : QStringLiteral("Game Lost"));
  auto* layout = new QVBoxLayout(this);
  notebook_ = new QStackedWidget(this);
  notebook_->setObjectName(QStringLiteral("Notebook1"));
  layout->addWidget(notebook_);
  for (int page = 0; page < 4; ++page) {
    auto* widget = new QWidget(notebook_);
    widget->setObjectName(QString::fromLatin1(kPageNames[page]));
    notebook_->addWidget(widget);
    if (page != end.page) continue;
    auto* row = new QHBoxLayout(widget);
    auto* picture = new QLabel(widget);
    picture->setObjectName(end.won ? QStringLiteral("imgGreen") : QStringLiteral("imgRed"));
    picture->setPixmap(MemoryEndPicture(end.won));
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture);
    QWidget* holder = widget;
    if (page == 0) {
      grbGrid_ = new QGroupBox(QString::fromStdString(end.gridCaption), widget);
      grbGrid_->setObjectName(QStringLiteral("grbGrid"));
      holder = grbGrid_;
    }
    auto* grid = new QGridLayout;
    auto add = [&](int r, const QString& what, const QString& count, const QString& each, const QString& total) {
      grid->addWidget(new QLabel(what, holder), r, 0);
      grid->addWidget(Figure(count, holder), r, 1);
      grid->addWidget(new QLabel(QStringLiteral("x"), holder), r, 2);
      grid->addWidget(Figure(each, holder), r, 3);
      grid->addWidget(new QLabel(QStringLiteral("="), holder), r, 4);
      grid->addWidget(Figure(total, holder), r, 5);
    };
    add(0, QStringLiteral("Matches"), QString::number(end.matches), QString::number(end.perMatch),
        QString::number(end.matchesTotal));
    add(1, QStringLiteral("Misses"), QString::number(end.misses), QString::fromStdString(end.perMiss),
        QString::number(end.missesTotal));
    grid->addWidget(new QLabel(QStringLiteral("Start"), holder), 2, 0);
    grid->addWidget(Figure(QString::fromStdString(end.start), holder), 2, 5);
    auto* totalLabel = new QLabel(QStringLiteral("Total"), holder);
    QFont bold = totalLabel->font();
    bold.setBold(true);
    totalLabel->setFont(bold);
    grid->addWidget(totalLabel, 3, 0);
    QLabel* score = Figure(QString::fromStdString(end.score), holder);
    score->setFont(bold);
    grid->addWidget(score, 3, 5);
    grid->addWidget(new QLabel(QStringLiteral("(Score to win: %1)").arg(end.winScore), holder), 4, 0, 1, 6);
    if (grbGrid_) {
      grbGrid_->setLayout(grid);
      row->addWidget(grbGrid_);
    } else {
      row->addLayout(grid);
    }
  }
  notebook_->setCurrentIndex(std::clamp(end.page, 0, 3));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  // The next-game buttons of the form are not offered here.
  for (const char* text : {"New...", " Open...", "Restart..."}) {
    auto* hidden = new QPushButton(QString::fromLatin1(text), this);
    hidden->hide();
    buttons->addWidget(hidden);
  }
  btnOK_ = new QPushButton(QStringLiteral("OK"), this);
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnOK_->setDefault(true);
  connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(btnOK_);
  layout->addLayout(buttons);
}

QStringList TfrmMemoryEnd::Figures() const {
  QStringList figures;
  if (QWidget* page = notebook_->currentWidget())
    for (const QLabel* label : page->findChildren<QLabel*>(QStringLiteral("figure"))) figures << label->text();
  return figures;
}

}  // namespace cardoria
