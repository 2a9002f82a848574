#pragma once
// The players: add, rename, delete and choose the current one.

#include <memory>

#include "persist/Players.h"
#include "persist/qt/StatsWidgets.h"

class QListWidget;
class QPushButton;

namespace cardoria {

class TfrmOperatori final : public QDialog {
 public:
  TfrmOperatori(StatsContext context, QWidget* parent = nullptr);
  QListWidget* List() const { return list_; }
  const PlayerList& Players() const { return players_; }
  void SelectName(const QString& name);

  // The buttons; the name prompts are asked through `prompt` so that tests
  // can type into them.
  void AddPlayer();
  void EditPlayer();
  void DeletePlayer();
  void SelectPlayer();
  std::function<void(class TfrmOperatori2&)> prompt;

 protected:
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fill(const std::string& selected);
  void Enable();
  std::string Selected() const;
  void Save();

  StatsContext c_;
  PlayerList players_;
  QListWidget* list_;
  QPushButton *select_, *edit_, *delete_;
  bool saved_ = false, playerChanged_ = false;
};

}  // namespace cardoria
