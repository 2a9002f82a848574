#pragma once
// The score screen of the memory games: one notebook page per family with
// the score taken apart into matches, misses and the start value.

#include <QDialog>

#include "engine/PlayPorts.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace cardoria {

class TfrmMemoryEnd final : public QDialog {
 public:
  explicit TfrmMemoryEnd(const MemoryEnd& end, QWidget* parent = nullptr);

  QStackedWidget* Notebook1() const { return notebook_; }
  QGroupBox* GrbGrid() const { return grbGrid_; }
  QPushButton* BtnOK() const { return btnOK_; }
  // The figures of the page shown, top to bottom, as the player reads them.
  QStringList Figures() const;

 private:
  QStackedWidget* notebook_ = nullptr;
  QGroupBox* grbGrid_ = nullptr;
  QPushButton* btnOK_ = nullptr;
};

// The picture of a won (green) or lost (red) game.
QPixmap MemoryEndPicture(bool won);

}  // namespace cardoria
