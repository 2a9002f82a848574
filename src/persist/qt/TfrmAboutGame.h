#pragma once
// The current game: its chance of winning, the player's totals and its best
// result.

#include "persist/qt/StatsWidgets.h"

class QLabel;

namespace cardoria {

class TfrmAboutGame final : public QDialog {
 public:
  TfrmAboutGame(StatsContext context, QWidget* parent = nullptr);
  QString ValueText(const char* name) const;
};

}  // namespace cardoria
