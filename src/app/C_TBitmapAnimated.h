#pragma once
// A strip of frames side by side, each as wide as the control, shown one at a
// time and stepped by a timer: the card-effect previews of the options dialog.

#include <QImage>
#include <QWidget>
#include <functional>

class QTimer;

namespace cardoria {

class C_TBitmapAnimated final : public QWidget {
 public:
  explicit C_TBitmapAnimated(QWidget* parent = nullptr);

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  int FrameCount() const { return frameCount_; }
  void SetFrameCount(int count);
  int Frame() const { return frame_; }
  // Taken modulo the frame count, a negative value giving the last frame.
  void SetFrame(int frame);
  const QImage& BitMap() const { return bitmap_; }
  // The control takes the strip's height (30 for an empty strip).
  void SetBitMap(const QImage& strip);
  bool Play() const { return play_; }
  void SetPlay(bool play);
  bool Reverse() const { return reverse_; }
  void SetReverse(bool reverse) { reverse_ = reverse; }
  bool Loop() const { return loop_; }
  void SetLoop(bool loop) { loop_ = loop; }
  // -1: none; else an 0xRRGGBB colour whose pixels show the control's own colour.
  int TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(int colour);

  std::function<void()> OnChangeFrame;

  // One timer step: the next frame, or the end of a strip that does not loop.
  void Step();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void RestartTimer();
  QTimer* timer_;
  QImage bitmap_;
  int interval_ = 0, frameCount_ = 0, frame_ = 0;
  bool play_ = false, reverse_ = false, loop_ = true;
  int transparentColor_ = -1;
};

}  // namespace cardoria
