#pragma once
// The bar of the demo player: Play and Stop, First, Previous, the scroll bar
// of positions, Next, Last, the counter and Close. It shows a DemoState and
// reports what the player did; the window moves the table.

#include <QWidget>
#include <functional>

#include "persist/DemoPlayback.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace cardoria {

class DemoBar final : public QWidget {
 public:
  explicit DemoBar(QWidget* parent = nullptr);

  // The counter, the scroll range and position; with no position to show
  // every control but Close is disabled.
  void Show(const DemoState& state);
  // Play and Stop both shown up.
  void ReleasePlayStop();
  bool PlayDown() const;
  bool StopDown() const;

  std::function<void(DemoButton)> onButton;
  // A thumb drag under way: the table waits for its end.
  std::function<void()> onThumbDragged;
  // Arrows, page clicks, keys, or the thumb let go, with the new position.
  std::function<void(int position)> onScrolled;
  std::function<void()> onPlay, onStop, onClose;

  QScrollBar* ScrollBar() const { return scroll_; }

 private:
  QToolButton* play_;
  QToolButton* stop_;
  QButtonGroup* playStop_;
  QToolButton* first_;
  QToolButton* prior_;
  QScrollBar* scroll_;
  QToolButton* next_;
  QToolButton* last_;
  QLabel* count_;
  QPushButton* close_;
};

}  // namespace cardoria
