#pragma once
// The statistics of one game for one player: totals, the current session,
// and the longest streaks as a bar chart.

#include "persist/qt/StatsWidgets.h"

class QComboBox;
class QLabel;
class QChartView;

namespace cardoria {

class TfrmStatistics final : public QDialog {
 public:
  TfrmStatistics(StatsContext context, QWidget* parent = nullptr);
  void Refresh();
  QComboBox* Games() const { return games_; }
  QComboBox* Players() const { return players_; }
  CountsBox* Total() const { return total_; }
  CountsBox* Session() const { return run_; }
  QString SeriesText() const;
  QString CurrentStreakText() const;
  QChartView* Chart() const { return chart_; }

  void OpenOverall();
  void OpenHiScores();
  void OpenAllGames();
  void OpenPlayers();
  void OpenLog();
  void ClearValues();

 protected:
  void done(int result) override;

 private:
  int ChosenGame() const;
  std::string ChosenPlayer() const;

  StatsContext c_;
  QComboBox *games_, *players_;
  CountsBox *total_, *run_;
  QLabel *seriesWon_, *seriesLost_, *current_;
  QChartView* chart_;
};

}  // namespace cardoria
