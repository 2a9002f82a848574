#pragma once
// What play asks of the table window, the card counter and the end-of-game
// screens. The Qt front end draws and sounds; tests record the calls.

#include <string>

#include "core/Piles.h"
#include "core/PlayState.h"

namespace cardoria {

class PlayView {
 public:
  virtual ~PlayView() = default;
  virtual void Beep() = 0;
  virtual void PlaySound(const std::string& name) = 0;
  virtual void PlaySoundLoop(const std::string& name) = 0;
  virtual void StopSound() = 0;
  virtual void RedrawTable() = 0;
  virtual void RedrawPile(PileRef pile) = 0;
  virtual void DrawStockPressed(bool pressed) = 0;
  // The lifted image of a card or group is built and the table drawn without it.
  virtual void LiftCards(int card, const Rect& rect) = 0;
  virtual void MoveDrag(const Rect& rect) = 0;
  // Lifted cards glide back to their place and are drawn there.
  virtual void ReturnCards(int card, const Rect& to) = 0;
  virtual void FlyCard(int card, const Rect& from, const Rect& to) = 0;
  virtual void Peek(int card, const Rect& rect) = 0;
  virtual void EndPeek() = 0;
  virtual void ShowPopupMenu(int x, int y) = 0;
  virtual void SetDragCursor(bool dragging) = 0;
  virtual void Scroll(int pages) = 0;
  // The card counter: a card left one kind of pile for another.
  virtual void CardMoved(int card, int fromKind, int toKind) = 0;
  virtual void ShowScore(const std::string& score) = 0;
  virtual void ShowTime(const std::string& time) = 0;
  virtual void HidePileSizeHint() = 0;
  virtual void SetAutoplayChecked(bool checked) = 0;
  virtual void ShowWaitCursor() = 0;
  virtual void RestoreCursor() = 0;
  // The card's rectangle with its colours inverted, on the screen and in the
  // table picture; inverting the same rectangle again restores it.
  virtual void InvertCard(const Rect& rect) = 0;
  // Waits without handling input or timers, with the table shown as it is.
  virtual void Pause(int milliseconds) = 0;
  // While blocked, key presses and left and right button presses are
  // swallowed, so that nothing re-enters play during a removal.
  virtual void SetInputBlocked(bool blocked) = 0;
  // The poker-hand panel with the three lines the session holds, on the
  // screen and in the table picture.
  virtual void DrawPokerPanel() = 0;
};

// What the end screen of a memory game shows on the page of its family.
struct MemoryEnd {
  bool won = false;
  int page = 0;  // 0 'Pairs', 1 'Ace-To-King', 2 'Forget me not', 3 'Concentration'
  int matches = 0, misses = 0, perMatch = 0;
  std::string perMiss;  // as shown: "-2", "-1" or "0"
  int matchesTotal = 0, missesTotal = 0;
  std::string start = "-52";
  std::string score;
  int winScore = 0;
  std::string gridCaption;  // the 'Pairs' page only
};

struct GameResult {
  bool won = false;
  int elapsedSeconds = 0;
  double endTime = 0;
  int gameNumber = 0;
  std::string gameName, player, scoreScheme, score, dealNumber;
};

class GameEndPort {
 public:
  virtual ~GameEndPort() = default;
  // The game log, the statistics, the hi-scores and the overall score.
  virtual void RecordGameResult(const GameResult& result) = 0;
  virtual void RunWinningAnimation() = 0;
  virtual void ShowGameWon() = 0;
  virtual void CloseMainWindow() = 0;
  virtual void DeleteSnapshotFile(const std::string& path) = 0;
  // The modal score screen of a memory game, before the result is recorded.
  virtual void ShowMemoryEnd(const MemoryEnd& end) = 0;
};

}  // namespace cardoria
