#include "app/C_TBitmapAnimated.h"

#include <QPainter>
#include <QTimer>

namespace cardoria {

C_TBitmapAnimated::C_TBitmapAnimated(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
  resize(30, 30);
  connect(timer_, &QTimer::timeout, this, &C_TBitmapAnimated::Step);
}

void C_TBitmapAnimated::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  RestartTimer();
}

void C_TBitmapAnimated::SetFrameCount(int count) {
  frameCount_ = std::max(0, count);
  SetFrame(frame_);
}

void C_TBitmapAnimated::SetFrame(int frame) {
  // Without frames there is nothing to step through (and nothing to divide by).
  if (frameCount_ == 0) {
    frame_ = 0;
  } else {
    frame_ = frame < 0 ? frameCount_ - 1 : frame % frameCount_;
  }
  if (OnChangeFrame) OnChangeFrame();
  update();
}

void C_TBitmapAnimated::SetBitMap(const QImage& strip) {
  bitmap_ = strip;
  resize(width(), strip.height() > 0 ? strip.height() : 30);
  update();
}

void C_TBitmapAnimated::SetPlay(bool play) {
  play_ = play;
  RestartTimer();
}

void C_TBitmapAnimated::SetTransparentColor(int colour) {
  transparentColor_ = colour;
  update();
}

void C_TBitmapAnimated::RestartTimer() {
  timer_->stop();
  if (play_ && interval_ > 0) timer_->start(interval_);
}

void C_TBitmapAnimated::Step() {
  if (frameCount_ == 0) return;
  const int last = reverse_ ? 0 : frameCount_ - 1;
  if (frame_ == last && !loop_) {
    SetPlay(false);
    return;
  }
  SetFrame(frame_ + (reverse_ ? -1 : 1));
  if (frame_ == last && !loop_) SetPlay(false);
}

void C_TBitmapAnimated::paintEvent(QPaintEvent*) {
  if (frameCount_ == 0) return;
  QPainter painter(this);
  if (bitmap_.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  QImage frame = bitmap_.copy(frame_ * width(), 0, width(), height()).convertToFormat(QImage::Format_ARGB32);
  if (transparentColor_ >= 0) {
    const QRgb key = 0xFF000000u | static_cast<QRgb>(transparentColor_);
    for (int y = 0; y < frame.height(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
      for (int x = 0; x < frame.width(); ++x)
        if (line[x] == key) line[x] = palette().color(backgroundRole()).rgba();
    }
  }
  painter.drawImage(0, 0, frame);
}

}  // namespace cardoria
