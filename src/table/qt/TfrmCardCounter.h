#pragma once
// TfrmCardCounter: the small tool window beside the table that shows every
// card of the game as a mark in a grid of suits and ranks, hidden or seen.
// It is created once with the main window and shown or hidden.

#include <QImage>
#include <QWidget>
#include <functional>

#include "table/CardCounter.h"

class QAction;
class QLabel;

namespace cardoria {

struct Session;

class TfrmCardCounter final : public QWidget {
 public:
  TfrmCardCounter(Session& session, QWidget* parent);

  // Builds every mark again from the piles.
  void RefreshCounter();
  // The same, only while a game is in progress.
  void RefreshIfPlaying();
  // The engine moved a card between kinds of piles (card -1: many moved).
  void CardMoved(int card, int fromKind, int toKind);

  void LoadCounterSettings();
  void SaveCounterSettings();

  CounterModes Modes() const;
  // The counter's picture as the player sees it.
  const QImage& Picture() const { return picture_; }
  // Told when the player closes the window.
  void SetClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }
  // Told when the player asks for help (F1) in the window.
  void SetHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ModeClicked(QAction* clicked);
  QImage Image(const QString& name) const;

  Session& session_;
  QAction* tableau_ = nullptr;
  QAction* stock_ = nullptr;
  QAction* inverted_ = nullptr;
  QLabel* back_ = nullptr;
  QImage picture_;
  std::function<void()> closed_;
  std::function<void()> help_;
};

}  // namespace cardoria
