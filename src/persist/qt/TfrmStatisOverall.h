#pragma once
// The overall ranking of the players, with each player's details and the
// text to publish.

#include "persist/OverallScore.h"
#include "persist/qt/StatsWidgets.h"

class QPushButton;

namespace cardoria {

inline constexpr const char* kChampionsPage = "https://cardoria.example.org/champions";
inline constexpr const char* kScoreSubmissionPage = "https://cardoria.example.org/champions/submit";

class TfrmStatisOverall final : public QDialog {
 public:
  static constexpr int kGameStarted = 2;
  TfrmStatisOverall(StatsContext context, QWidget* parent = nullptr);
  void Refresh();
  SortableGrid* Grid() const { return grid_; }
  QPushButton* DetailsButton() const { return details_; }
  QPushButton* PublishButton() const { return publish_; }
  void OpenDetails();
  void OpenPublishing();
  void ClearValues();

 private:
  void Enable();

  StatsContext c_;
  SortableGrid* grid_;
  QPushButton *details_, *publish_;
  std::vector<OverallRank> ranking_;
};

}  // namespace cardoria
