#pragma once
// Clears the statistics or the hi-scores of one player or all, for one game
// or all.

#include "persist/qt/StatsWidgets.h"

class QComboBox;

namespace cardoria {

class TfrmStatisCanc final : public QDialog {
 public:
  TfrmStatisCanc(StatsContext context, bool hiScores, QWidget* parent = nullptr);
  QComboBox* Players() const { return players_; }
  QComboBox* Games() const { return games_; }
  // OK: asks, clears and tells; the dialog closes when it cleared.
  void Clear();

 private:
  StatsContext c_;
  bool hiScores_;
  QComboBox *players_, *games_;
};

}  // namespace cardoria
