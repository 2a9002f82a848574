#pragma once
// The twenty best results of a game, with the list of games beside them.

#include "persist/qt/StatsWidgets.h"

class QListWidget;
class QLabel;

namespace cardoria {

class TfrmHiScore final : public QDialog {
 public:
  // `rank` (0-19) of a result that has just entered the table, or -1;
  // `caption` replaces the caption the first time when not empty.
  TfrmHiScore(StatsContext context, int game, int rank = -1, const QString& caption = {}, QWidget* parent = nullptr);
  void ShowGame(int game);
  QListWidget* Games() const { return games_; }
  SortableGrid* Scores() const { return scores_; }
  void ClearValues();

 private:
  StatsContext c_;
  QListWidget* games_;
  SortableGrid* scores_;
  QLabel* picture_;
  QString firstCaption_;
};

}  // namespace cardoria
