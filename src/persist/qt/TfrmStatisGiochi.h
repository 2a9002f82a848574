#pragma once
// Every game of one player in one grid: totals, the current session or the
// longest streaks.

#include "persist/qt/StatsWidgets.h"

class QComboBox;
class QRadioButton;

namespace cardoria {

class TfrmStatisGiochi final : public QDialog {
 public:
  TfrmStatisGiochi(StatsContext context, const std::string& player, QWidget* parent = nullptr);
  enum Values { kTotal, kSession, kSeries };
  void ShowValues(Values values);
  void Refresh();
  QComboBox* Players() const { return players_; }
  SortableGrid* Grid() const { return grid_; }

 private:
  StatsContext c_;
  QComboBox* players_;
  QRadioButton* values_[3];
  SortableGrid* grid_;
};

}  // namespace cardoria
