#pragma once
// The player's overall score as the encrypted text to publish.

#include "persist/OverallScore.h"
#include "persist/qt/StatsWidgets.h"

class QLineEdit;

namespace cardoria {

class TfrmStatisOverallInternet1 final : public QDialog {
 public:
  TfrmStatisOverallInternet1(const OverallRank& player, QWidget* parent = nullptr);
  QLineEdit* Score() const { return score_; }

 private:
  QLineEdit* score_;
};

}  // namespace cardoria
