#include "table/qt/WinningAnimations.h"

#include <QCoreApplication>
#include <QPainter>

#include "platform/Clock.h"
#include "platform/Random.h"

namespace cardoria {

WinningAnimator::WinningAnimator(QWidget& target, QImage& picture, CardFaces faces, Clock& clock, Random& random)
    : target_(target), picture_(picture), faces_(std::move(faces)), clock_(clock), random_(random) {}

void WinningAnimator::Run(int kind, std::int64_t ms, int speed) {
  stopped_ = false;
  running_ = true;
  lastCard_ = 0;
  dirty_ = {};
  const QImage sample = faces_(1);
  AnimationArea area;
  area.formWidth = area.clientWidth = target_.width();
  area.formHeight = area.clientHeight = target_.height();
  area.topY = topY_;
  if (!sample.isNull()) {
    area.cardWidth = sample.width();
    area.cardHeight = sample.height();
  }
  RunWinningAnimation(kind, ms, speed, area, *this, random_);
  running_ = false;
}

void WinningAnimator::DrawCard(int card, int x, int y) {
  if (card != lastCard_) {
    lastFace_ = faces_(card);
    lastCard_ = card;
  }
  if (lastFace_.isNull()) return;
  {
    QPainter painter(&picture_);
    painter.drawImage(x, y + pictureTop_, lastFace_);
  }
  dirty_ += QRect(x, y, lastFace_.width(), lastFace_.height());
}

void WinningAnimator::Pump() {
  if (!dirty_.isEmpty()) {
    target_.repaint(dirty_.intersected(target_.rect()));
    dirty_ = {};
  }
  QCoreApplication::processEvents();
  if (frameHook_) frameHook_();
}

void WinningAnimator::Wait(int ms) { BusyWait(clock_, ms); }

std::int64_t WinningAnimator::TickMs() { return clock_.TickMs(); }

bool WinningAnimator::Stopped() { return stopped_ || (stopCheck_ && stopCheck_()); }

}  // namespace cardoria
