#pragma once
// TfrmOpenGame: the "Open a game" dialog. A tree of the games (favourites,
// fixed folders, families, groups by descriptive values, all games) beside
// an information panel with the preview of the selected game. One instance
// lives as long as the main window; the tree keeps its state between showings.

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "app/GameTree.h"
#include "persist/qt/StatsWidgets.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QStackedLayout;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace cardoria {

class Screen;

// What the dialog asks of the main window.
struct OpenGameHooks {
  // The favourites were saved: the menu and both refreshable folders follow.
  std::function<void()> favouritesChanged;
  // Deletes a customized game with its statistics; true when it was deleted.
  std::function<bool(int code, const std::string& caption)> deleteCustomGame;
  std::function<void()> repaintMain;
};

class TfrmOpenGame final : public QDialog {
 public:
  TfrmOpenGame(StatsContext context, const Screen& screen, OpenGameHooks hooks, QWidget* parent = nullptr);

  // Set by OK; the caller clears it once the game is open.
  bool Accepted() const { return accepted_; }
  void ClearAccepted() { accepted_ = false; }
  // Both marks are cleared before each showing.
  void ClearMarks() { accepted_ = savedGameRequested_ = false; }
  // "Open a saved game..." was pressed: the caller loads one and shows the
  // dialog again when no game is in progress afterwards.
  bool SavedGameRequested() const { return savedGameRequested_; }
  int SelectedCode() const;
  // The selected game's name, without the mark its node may show.
  std::string SelectedCaption() const;
  std::string ChosenPlayer() const;

  void FillBranch(QTreeWidgetItem* node, int select);
  void RefreshFavouritesBranch();
  void RefreshCustomBranch();
  void ShowGameInfo(bool busy);
  void DrawPreview(int number);

  QTreeWidget* Tree() const { return tree_; }
  QTreeWidgetItem* FindNode(int code) const;
  // The node with this caption among the children of `parent`.
  static QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& caption);
  QString InfoText(const char* label) const;       // lblGameName, lblDecks, lblTime, ...
  QString InfoPicture(const char* picture) const;  // the resource an imgXxx shows
  bool DescriptionShown() const;
  const QImage& Preview() const { return preview_; }
  const TextList& GameIndexList() const { return gameIndex_; }
  const std::vector<CustomIndexEntry>& CustomIndexList() const { return customIndex_; }

  void Ok();
  void ShowRulesCommand();
  void StatisticsCommand();
  void FavouritesCommand();
  void DeleteCommand();
  void OpenSavedGameCommand();
  void HelpCommand();
  void OnDoubleClick(QTreeWidgetItem* item);
  void SetPreviewChecked(bool checked);

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& caption, int code, int image, int selectedImage);
  void AddPlaceholder(QTreeWidgetItem* folder);
  void AddGames(QTreeWidgetItem* folder, const std::vector<TreeGame>& games, int select);
  void FillCustom(QTreeWidgetItem* folder);
  void FillFavourites(QTreeWidgetItem* folder);
  void ClearPreview();
  void ShowPicture(QLabel* label, const std::string& picture);
  void ShowContextMenu(const QPoint& at);

  StatsContext c_;
  const Screen& screen_;
  OpenGameHooks hooks_;
  TextList gameIndex_;
  std::vector<CustomIndexEntry> customIndex_;
  std::vector<QIcon> images_;
  QImage gradient_, preview_;
  int rememberedFolder_ = 0;
  bool treeEnabled_ = false;
  bool accepted_ = false;
  bool savedGameRequested_ = false;
  QTreeWidget* tree_;
  QWidget* description_;
  QStackedLayout* infoStack_;
  QLabel* general_;
  QLabel* previewLabel_;
  QCheckBox* previewCheck_;
  QComboBox* players_;
  QWidget *ok_, *rules_, *statistics_, *previewButton_;
};

}  // namespace cardoria
