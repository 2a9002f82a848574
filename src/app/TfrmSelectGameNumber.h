#pragma once
// "Select a game number": deals a chosen deal number of a game, typed or
// recent, one played before, or one that was lost and never won.

#include <QDialog>

#include "persist/qt/StatsWidgets.h"

class QComboBox;
class QTabWidget;
class QTableWidget;

namespace cardoria {

class TfrmSelectGameNumber final : public QDialog {
 public:
  enum Page { kGamePage, kPreviousPage, kLostPage };
  static constexpr int kHelpContext = 1001;

  TfrmSelectGameNumber(StatsContext context, QWidget* parent = nullptr);

  QTabWidget* Pages() const { return pages_; }
  QComboBox* NumberBox() const { return number_; }
  QComboBox* GameBox() const { return game_; }
  QTableWidget* PreviousGrid() const { return previous_; }
  QComboBox* LostGameBox() const { return lostGame_; }
  QTableWidget* LostGrid() const { return lost_; }

  // Deals the chosen number, or tells the player why not.
  void Ok();
  void ShowLog();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PageShown(int page);
  void FillPrevious();
  void FillLost();
  // The number and game name of the page shown; false, after telling the
  // player, when a list page has none.
  bool Choice(std::string& number, std::string& name);

  StatsContext c_;
  QTabWidget* pages_;
  QComboBox *number_, *game_, *lostGame_;
  QTableWidget *previous_, *lost_;
};

}  // namespace cardoria
