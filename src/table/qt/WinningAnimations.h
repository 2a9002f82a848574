#pragma once
// A winning animation played on a picture that a widget shows: the table of
// the main window, or the preview of the options dialog. Run() blocks, as
// every animation of the program does, and processes window events between
// frames so that Stop() (from a key or a click) takes effect at once.

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

#include "table/WinningAnimations.h"

namespace cardoria {

class Clock;
class Random;

class WinningAnimator final : private AnimationCanvas {
 public:
  // The face of a card number (1..51) as it is to be drawn.
  using CardFaces = std::function<QImage(int card)>;

  // `picture` is what `target` shows, its row `pictureTop` at the widget's
  // top (the table's scroll offset; 0 for a plain picture). Cards are painted
  // into the picture, so they stay there after the animation.
  WinningAnimator(QWidget& target, QImage& picture, CardFaces faces, Clock& clock, Random& random);

  void SetPictureTop(int pictureTop) { pictureTop_ = pictureTop; }
  // The first row below a toolbar, in widget coordinates (default 5).
  void SetTopY(int topY) { topY_ = topY; }
  // Asked before every card besides Stop(): true ends the animation.
  void SetStopCheck(std::function<bool()> check) { stopCheck_ = std::move(check); }
  // Called after each frame is shown (after every pump).
  void SetFrameHook(std::function<void()> hook) { frameHook_ = std::move(hook); }

  // Runs animation `kind` (an index into kWinningAnimationNames; anything else
  // draws nothing) for `ms` milliseconds at `speed` (Speed_Move_Card).
  void Run(int kind, std::int64_t ms, int speed);
  void Stop() { stopped_ = true; }
  bool Running() const { return running_; }

 private:
  void DrawCard(int card, int x, int y) override;
  void Pump() override;
  void Wait(int ms) override;
  std::int64_t TickMs() override;
  bool Stopped() override;

  QWidget& target_;
  QImage& picture_;
  CardFaces faces_;
  Clock& clock_;
  Random& random_;
  int pictureTop_ = 0, topY_ = 5;
  int lastCard_ = 0;
  QImage lastFace_;
  // What was painted since the window last showed it.
  QRegion dirty_;
  bool stopped_ = false, running_ = false;
  std::function<bool()> stopCheck_;
  std::function<void()> frameHook_;
};

}  // namespace cardoria
