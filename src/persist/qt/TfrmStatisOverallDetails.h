#pragma once
// One player's overall score game by game.

#include "persist/OverallScore.h"
#include "persist/qt/StatsWidgets.h"

class QLabel;

namespace cardoria {

class TfrmStatisOverallDetails final : public QDialog {
 public:
  static constexpr int kGameStarted = 2;
  TfrmStatisOverallDetails(StatsContext context, const OverallRank& player, QWidget* parent = nullptr);
  SortableGrid* Grid() const { return grid_; }
  QString TotalsText() const;
  // "Play this game" on the selected row.
  void PlaySelected();

 private:
  StatsContext c_;
  SortableGrid* grid_;
  QLabel* totals_;
  std::vector<OverallDetail> details_;
};

}  // namespace cardoria
