#pragma once
// The game log, newest first, filtered by player and game; any listed deal
// can be played again.

#include "persist/qt/StatsWidgets.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace cardoria {

class TfrmStatisLog final : public QDialog {
 public:
  // Closing with this code tells the dialogs behind that a game was started.
  static constexpr int kGameStarted = 2;
  // An empty `player` and a `game` of -1 choose all.
  TfrmStatisLog(StatsContext context, const std::string& player, int game, QWidget* parent = nullptr);
  void Refresh();
  QComboBox* Players() const { return players_; }
  QComboBox* Games() const { return games_; }
  SortableGrid* Grid() const { return grid_; }
  QString RecordsText() const;
  QPushButton* PlayButton() const { return play_; }
  // "Play this game" on the selected row.
  void PlaySelected();

 private:
  StatsContext c_;
  QComboBox *players_, *games_;
  SortableGrid* grid_;
  QLabel* records_;
  QPushButton* play_;
  std::vector<GameLogEntry> rows_;
};

// Hides `dialog` and the dialogs behind it while `action` runs; shows them
// again when it answers false.
bool WithDialogsHidden(QWidget* dialog, const std::function<bool()>& action);

}  // namespace cardoria
