#include "table/qt/TfrmCardCounter.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

#include "core/RuleIndex.h"
#include "core/Session.h"
#include "platform/IniProfile.h"
#include "table/qt/CardImages.h"

namespace cardoria {

namespace {

constexpr int kWidth = 198;
constexpr const char* kSection = "Preference";

}  // namespace

TfrmCardCounter::TfrmCardCounter(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      session_(session) {
  setObjectName(QStringLiteral("frmCardCounter"));
  setWindowTitle(QStringLiteral("Card counter"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* menuBar = new QMenuBar(this);
  QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("mnuOptions"));
  auto item = [&](const char* name, const char* caption) {
    QAction* action = options->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, action] { ModeClicked(action); });
    return action;
  };
  tableau_ = item("mnuTableau", "&Tableau only");
  stock_ = item("mnuStock", "&Stock only");
  options->addSeparator();
  inverted_ = item("mnuInverted", "&Inverted");
  layout->setMenuBar(menuBar);
  auto* bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setFixedHeight(2);
  layout->addWidget(bevel);
  back_ = new QLabel(this);
  back_->setObjectName(QStringLiteral("imgBack"));
  back_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(back_, 1);
  setFixedSize(kWidth, 300);
}

CounterModes TfrmCardCounter::Modes() const {
  return {stock_->isChecked(), tableau_->isChecked(), inverted_->isChecked()};
}

QImage TfrmCardCounter::Image(const QString& name) const {
  return session_.resources ? LibraryImage(*session_.resources, name.toStdString()) : QImage();
}

void TfrmCardCounter::RefreshCounter() {
  const int cards = session_.rules[rule::CardCount];
  const int height = CounterHeight(cards);
  if (height != this->height()) {
    const bool shown = isVisible();
    if (shown) hide();
    setFixedSize(kWidth, height);
    if (shown) show();
  }
  picture_ = QImage(kWidth, std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
  picture_.fill(palette().window().color());
  QPainter painter(&picture_);
  static const char* const kRows[4] = {"card_hearts", "card_diamonds", "card_clubs", "card_spades"};
  const std::vector<CounterMark> marks = CounterMarks(session_, Modes());
  const int rows = (static_cast<int>(marks.size()) + 12) / 13;
  for (int row = 0; row < rows; ++row) painter.drawImage(0, 3 + 18 * row, Image(QString::fromLatin1(kRows[row % 4])));
  for (int card = 1; card <= static_cast<int>(marks.size()); ++card) {
    const CounterMark mark = marks[static_cast<std::size_t>(card - 1)];
    const int rank = (card - 1) % 13 + 1;
    const QString name = mark == CounterMark::None
                             ? QStringLiteral("Card_None")
                             : QStringLiteral("Card_%1_%2").arg(rank).arg(mark == CounterMark::Up ? "Up" : "Down");
    painter.drawImage(CounterMarkX(card), CounterMarkY(card), Image(name));
  }
  painter.end();
  back_->setPixmap(QPixmap::fromImage(picture_));
}

void TfrmCardCounter::RefreshIfPlaying() {
  if (session_.values.Flag(kGameInProgress)) RefreshCounter();
}

void TfrmCardCounter::CardMoved(int, int, int) {
  // Every move is few cards: building the whole grid again costs less than
  // a frame and can never drift from the piles.
  if (isVisible()) RefreshCounter();
}

void TfrmCardCounter::ModeClicked(QAction* clicked) {
  // The two counting modes exclude each other.
  if (clicked == stock_ && stock_->isChecked()) tableau_->setChecked(false);
  if (clicked == tableau_ && tableau_->isChecked()) stock_->setChecked(false);
  RefreshCounter();
  SaveCounterSettings();
}

void TfrmCardCounter::LoadCounterSettings() {
  const IniProfile& ini = session_.settings;
  const int left = ini.ReadInt(kSection, "CardCounter_Left", -1);
  const int top = ini.ReadInt(kSection, "CardCounter_Top", -1);
  if (left > 0 && top > 0) move(left, top);
  const bool stock = ini.ReadString(kSection, "CardCounter_Stock", "N") == "Y";
  stock_->setChecked(stock);
  tableau_->setChecked(!stock && ini.ReadString(kSection, "CardCounter_Tableau", "N") == "Y");
  inverted_->setChecked(ini.ReadString(kSection, "CardCounter_Inverse", "N") == "Y");
}

void TfrmCardCounter::SaveCounterSettings() {
  auto yes = [](bool on) { return std::string(on ? "Y" : "N"); };
  session_.settings.WriteStrings(kSection, {{"CardCounter_Stock", yes(stock_->isChecked())},
                                            {"CardCounter_Tableau", yes(tableau_->isChecked())},
                                            {"CardCounter_Inverse", yes(inverted_->isChecked())},
                                            {"CardCounter_Visible", yes(isVisible())},
                                            {"CardCounter_Left", std::to_string(x())},
                                            {"CardCounter_Top", std::to_string(y())}});
}

void TfrmCardCounter::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RefreshCounter();
}

bool TfrmCardCounter::event(QEvent* event) {
  // A tool window's shortcuts are its owner's: F1 would open the rules of
  // the game. Here it is the window's own help, taken before any shortcut.
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void TfrmCardCounter::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && help_) {
    help_();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TfrmCardCounter::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
  if (closed_) closed_();
}

}  // namespace cardoria
