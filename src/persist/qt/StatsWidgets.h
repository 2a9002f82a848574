#pragma once
// Pieces the statistics dialogs share: what they ask of the main window, the
// counts block with its pie picture, the grids that sort by a click on a
// column title, the bar charts and the lists of games and players.

#include <QBoxLayout>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVariant>
#include <string>
#include <vector>

#include "persist/StatsFigures.h"
#include "persist/StatsPorts.h"

class QLabel;
class QStandardItemModel;
class QSortFilterProxyModel;
class QComboBox;
class QChartView;

namespace cardoria {

struct Session;

// What the dialogs ask of the main window. Starting a game always asks the
// player first whether the game in progress may be left; false means the
// player refused or nothing was started.
class StatsHost {
 public:
  virtual ~StatsHost() = default;
  // `deal` empty: a new deal number is drawn.
  virtual bool PlayGame(int game, const std::string& deal) = 0;
  virtual bool NewGame() = 0;
  virtual bool RestartGame() = 0;
  // The game-selection dialog; true when a game is in progress afterwards.
  virtual bool SelectGame() = 0;
  // The deal-number dialog; true when a game is in progress afterwards.
  virtual bool SelectGameNumber() = 0;
  // Asks `question` as leaving a game is asked and ends the game in
  // progress; false when the player refused.
  virtual bool LeaveGame(const std::string& question) = 0;
  virtual void RepaintTable() = 0;
  virtual void ClearTable() = 0;
  // The current player changed: caption and status bar.
  virtual void PlayerShown() = 0;
};

struct StatsContext {
  Session& session;
  StatsPorts& ports;
  StatsHost& host;
};

// The numbered text of the player's language.
QString Text(const Session& session, int n);
QString Q(const std::string& text);
std::string S(const QString& text);

// The catalogue's games sorted by name.
struct GameChoice {
  std::string name;
  int number = 0;
};
std::vector<GameChoice> GameChoices(const Session& session);
// The games by name, each item holding its number, for the dialogs that show
// one game at a time.
QListWidget* GameListWidget(const Session& session, QWidget* parent);

// A button of a dialog's column of buttons: Enter presses the dialog's
// default button, not the one that has the focus.
template <typename Dialog>
QPushButton* AddButton(Dialog* dialog, QBoxLayout* column, const char* name, const char* caption,
                       void (Dialog::*handler)()) {
  auto* button = new QPushButton(QString::fromLatin1(caption), dialog);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, dialog, handler);
  column->addWidget(button);
  return button;
}
// The "&?" button of a dialog's column of buttons: opens the help page
// numbered `context`.
QPushButton* AddHelpButton(QDialog* dialog, QBoxLayout* column, Session& session, int context);
// The default "OK" that closes the dialog ("btnOK"), then its "&?".
void AddOkAndHelpButtons(QDialog* dialog, QBoxLayout* row, Session& session, int context);
// Fills a combo box with the games, `allFirst` adding "[All games]" in front;
// selects `selected` when it is there.
void FillGames(QComboBox* box, const Session& session, int selected, bool allFirst);
// The names of all games, catalogue and customized, in name order; the game
// numbered `number` is chosen, none when it names no game.
void FillGameCombo(QComboBox* box, const Session& session, int number);
void FillPlayers(QComboBox* box, const Session& session, const std::string& selected, bool allFirst);
inline constexpr const char* kAllGamesEntry = "[All games]";
inline constexpr const char* kAllPlayersEntry = "[All players]";
// The current game number and player.
int CurrentGame(const Session& session);
std::string CurrentPlayer(const Session& session);

// "yyyymmdd" in the locale's short date format; empty when not a date.
QString ShortDate(const std::string& yyyymmdd);

// The pie picture: the larger share drawn as a loss share (red, with a
// maroon rim) and the rest in lime; exchanged pixel by pixel when the wins
// are the larger share. No games: a grey picture with no shares.
QImage PiePicture(const PieChoice& choice);

// Wins, losses, their total, both percentages and the pie picture.
class CountsBox final : public QGroupBox {
 public:
  CountsBox(const Session& session, const QString& title, QWidget* parent = nullptr);
  void Show(std::int64_t wins, std::int64_t losses);
  QString ValueText(const char* which) const;  // "won", "lost", "total", "wonPercent", "lostPercent"
  const QImage& Pie() const { return pie_; }

 private:
  QLabel *won_, *lost_, *total_, *wonPercent_, *lostPercent_, *picture_;
  QImage pie_;
};

// A grid that keeps the order its rows were given until a column title is
// clicked, then sorts by that column (numbers as numbers).
class SortableGrid final : public QTableView {
 public:
  struct Cell {
    QString text;
    QVariant key;  // what the column sorts by; the text when empty
  };
  SortableGrid(const QStringList& titles, QWidget* parent = nullptr);
  void SetRows(const std::vector<std::vector<Cell>>& rows);
  int Rows() const;
  // The text shown at a row as the grid is sorted now.
  QString At(int row, int column) const;
  // The row as it was given, of a row as shown; -1 for none.
  int SourceRow(int shownRow) const;
  int SelectedRow() const;  // as given
  void SelectRow(int sourceRow);

 private:
  QStandardItemModel* model_;
  QSortFilterProxyModel* proxy_;
};

// A bar chart of named values, one bar each, with the given colours.
struct Bar {
  QString label;
  double value = 0;
  QColor color;
};
QChartView* BarChart(const QString& name, QWidget* parent);
void SetBars(QChartView* chart, const std::vector<Bar>& bars);

// Modal dialogs of the views: centred, with a fixed title.
void PrepareDialog(QDialog* dialog, const char* objectName, const QString& caption);

}  // namespace cardoria
