#pragma once
// The overall ranking of the players, with each player's details and the
// text to publish.

#include "persist/OverallScore.h"
#include "persist/qt/StatsWidgets.h"

class QBoxLayout;
class QPushButton;

namespace cardoria {

// The pages of the champions and of their submission. Cardoria has none yet:
// no link is shown while they are empty.
inline constexpr const char* kChampionsPage = "";
inline constexpr const char* kScoreSubmissionPage = "";

// A label with the address as a link, added below the others; nothing when
// there is no address.
void AddPageLink(QWidget* dialog, QBoxLayout* layout, const char* address, const char* name);

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
