#include "app/DemoBar.h"

#include <QAbstractSlider>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace cardoria {

namespace {

QToolButton* Button(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const char* hint, int left,
                    int width) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolTip(QString::fromLatin1(hint));
  button->setAutoRaise(true);
  button->setGeometry(left, 2, width, 22);
  return button;
}

}  // namespace

DemoBar::DemoBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DemoBar"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("pnlLineUpDemo"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFixedHeight(2);
  column->addWidget(line);
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("pnlDemo"));
  panel->setFixedHeight(26);
  panel->setMinimumWidth(340);
  column->addWidget(panel);

  play_ = Button(panel, "btnDemoPlay", QStyle::SP_MediaPlay, "Play", 5, 23);
  stop_ = Button(panel, "btnDemoStop", QStyle::SP_MediaStop, "Stop", 28, 23);
  for (QToolButton* b : {play_, stop_}) b->setCheckable(true);
  playStop_ = new QButtonGroup(this);
  playStop_->setExclusive(false);  // both up at the start
  playStop_->addButton(play_);
  playStop_->addButton(stop_);
  first_ = Button(panel, "btnDemoFirst", QStyle::SP_MediaSkipBackward, "First", 56, 16);
  prior_ = Button(panel, "btnDemoPrior", QStyle::SP_MediaSeekBackward, "Previous 3 moves", 72, 16);
  scroll_ = new QScrollBar(Qt::Horizontal, panel);
  scroll_->setObjectName(QStringLiteral("scbDemoMove"));
  scroll_->setToolTip(QStringLiteral("Previous/Next move"));
  scroll_->setGeometry(88, 2, 89, 22);
  scroll_->setRange(1, 1);
  scroll_->setSingleStep(1);
  scroll_->setPageStep(1);
  next_ = Button(panel, "btnDemoNext", QStyle::SP_MediaSeekForward, "Next 3 moves", 177, 16);
  last_ = Button(panel, "btnDemoLast", QStyle::SP_MediaSkipForward, "Last", 193, 16);
  count_ = new QLabel(QStringLiteral("1/30"), panel);
  count_->setObjectName(QStringLiteral("pnlDemoCount"));
  count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  count_->setAlignment(Qt::AlignCenter);
  count_->setGeometry(222, 2, 49, 22);
  close_ = new QPushButton(QStringLiteral("Close"), panel);
  close_->setObjectName(QStringLiteral("btnDemoClose"));
  close_->setGeometry(284, 2, 49, 22);

  // Pressing the button that is down leaves it down; pressing the other
  // one lifts the first.
  auto press = [this](QToolButton* pressed, QToolButton* other, const std::function<void()>& handler) {
    pressed->setChecked(true);
    other->setChecked(false);
    if (handler) handler();
  };
  connect(play_, &QToolButton::clicked, this, [this, press] { press(play_, stop_, onPlay); });
  connect(stop_, &QToolButton::clicked, this, [this, press] { press(stop_, play_, onStop); });
  const std::pair<QToolButton*, DemoButton> moves[] = {
      {first_, DemoButton::First}, {prior_, DemoButton::Prior}, {next_, DemoButton::Next}, {last_, DemoButton::Last}};
  for (const auto& [button, kind] : moves)
    connect(button, &QToolButton::clicked, this, [this, kind] {
      if (onButton) onButton(kind);
    });
  // The new position is already the slider's when an action is reported,
  // before the value follows.
  connect(scroll_, &QAbstractSlider::actionTriggered, this, [this](int action) {
    if (action == QAbstractSlider::SliderMove) {
      if (scroll_->isSliderDown() && onThumbDragged) onThumbDragged();
      return;
    }
    if (action != QAbstractSlider::SliderNoAction && onScrolled) onScrolled(scroll_->sliderPosition());
  });
  connect(scroll_, &QAbstractSlider::sliderReleased, this, [this] {
    if (onScrolled) onScrolled(scroll_->sliderPosition());
  });
  connect(close_, &QPushButton::clicked, this, [this] {
    if (onClose) onClose();
  });
}

void DemoBar::Show(const DemoState& state) {
  const QSignalBlocker block(scroll_);
  const bool any = state.count > 0;
  scroll_->setRange(1, std::max(state.count, 1));
  if (!scroll_->isSliderDown()) scroll_->setValue(std::max(state.position, 1));
  count_->setText(QString::fromStdString(DemoCounterText(state)));
  count_->repaint();
  for (QWidget* w : std::initializer_list<QWidget*>{play_, stop_, first_, prior_, scroll_, next_, last_})
    w->setEnabled(any);
}

void DemoBar::ReleasePlayStop() {
  play_->setChecked(false);
  stop_->setChecked(false);
}

bool DemoBar::PlayDown() const { return play_->isChecked(); }
bool DemoBar::StopDown() const { return stop_->isChecked(); }

}  // namespace cardoria
