#pragma once
// Chooses what to clear: everything at once, or the statistics or the
// hi-scores of a chosen player and game.

#include "persist/qt/StatsWidgets.h"

class QRadioButton;
class QStackedWidget;

namespace cardoria {

class TfrmClearValues final : public QDialog {
 public:
  TfrmClearValues(StatsContext context, QWidget* parent = nullptr);
  enum Choice { kAll, kStatistics, kHiScores };
  void Choose(Choice choice);
  // OK.
  void Proceed();

 private:
  StatsContext c_;
  QRadioButton* choices_[3];
  QStackedWidget* description_;
};

}  // namespace cardoria
