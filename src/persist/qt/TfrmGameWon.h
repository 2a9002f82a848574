#pragma once
// Shown after a won game: the player's totals for the game and what to do
// next.

#include "persist/qt/StatsWidgets.h"

namespace cardoria {

class TfrmGameWon final : public QDialog {
 public:
  TfrmGameWon(StatsContext context, QWidget* parent = nullptr);
  void Refresh();
  CountsBox* Total() const { return total_; }
  void NewGame();
  void RestartGame();
  void Statistics();
  void SelectGame();
  void SelectGameNumber();

 protected:
  void done(int result) override;

 private:
  StatsContext c_;
  CountsBox* total_;
};

}  // namespace cardoria
