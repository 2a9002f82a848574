#pragma once
// All players of one game compared in a bar chart: win percentage or
// average score.

#include "persist/qt/StatsWidgets.h"

class QListWidget;
class QRadioButton;
class QChartView;

namespace cardoria {

class TfrmStatisOperat final : public QDialog {
 public:
  TfrmStatisOperat(StatsContext context, int game, QWidget* parent = nullptr);
  void ShowSeries(PlayerSeries series);
  void Refresh();
  QListWidget* Games() const { return games_; }
  QChartView* Chart() const { return chart_; }
  // The players and values shown, highest first.
  const std::vector<PlayerValue>& Values() const { return shown_; }

 private:
  StatsContext c_;
  QListWidget* games_;
  QRadioButton *percent_, *average_;
  QChartView* chart_;
  std::vector<PlayerValue> shown_;
};

}  // namespace cardoria
