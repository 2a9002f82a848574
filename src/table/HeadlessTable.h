#pragma once
// The table without a screen: lays the piles out for a fixed window size and
// otherwise shows nothing. cardoria-cli and the long-running play tests use it.

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "deal/GameStart.h"
#include "engine/PlayPorts.h"
#include "table/Layout.h"

namespace cardoria {

struct Session;

class HeadlessTable final : public GameWindow, public PlayView, public GameEndPort {
 public:
  HeadlessTable(Session& session, TableGeometry geometry) : session_(session), geometry_(geometry) {}

  // GameWindow
  void SetCommandsEnabled(Commands, bool) override {}
  bool GameCommandsEnabled() const override { return true; }
  void ShowWaitCursor() override {}
  void RestoreCursor() override {}
  void Repaint() override {}
  void UpdateTitle() override {}
  void SetTimeText(const std::string&) override {}
  void SetScoreText(const std::string&) override {}
  void ReloadCardImages() override;
  void LayOutTable() override;
  void PrepareBackground() override {}
  void DrawDeal(bool) override {}
  void PlaySound(const std::string&, bool) override {}

  // PlayView
  void Beep() override { ++beeps; }
  void PlaySound(const std::string&) override {}
  void PlaySoundLoop(const std::string&) override {}
  void StopSound() override {}
  void RedrawTable() override {}
  void RedrawPile(PileRef) override {}
  void DrawStockPressed(bool) override {}
  void LiftCards(int, const Rect&) override {}
  void MoveDrag(const Rect&) override {}
  void ReturnCards(int, const Rect&) override {}
  void FlyCard(int, const Rect&, const Rect&) override {}
  void Peek(int, const Rect&) override {}
  void EndPeek() override {}
  void ShowPopupMenu(int, int) override {}
  void SetDragCursor(bool) override {}
  void Scroll(int) override {}
  void CardMoved(int, int, int) override {}
  void ShowScore(const std::string&) override {}
  void ShowTime(const std::string&) override {}
  void HidePileSizeHint() override {}
  void SetAutoplayChecked(bool) override {}
  void InvertCard(const Rect& rect) override { inverted.push_back(rect); }
  void Pause(int milliseconds) override { pausedMilliseconds += milliseconds; }
  void SetInputBlocked(bool blocked) override { inputBlocked = blocked; }
  void DrawPokerPanel() override;

  // GameEndPort
  void RecordGameResult(const GameResult& result) override {
    lastResult = result;
    ++gamesEnded;
    if (recorder) recorder(result);
  }
  void RunWinningAnimation() override {}
  void ShowGameWon() override {}
  void CloseMainWindow() override {}
  void DeleteSnapshotFile(const std::string& path) override { std::remove(path.c_str()); }
  void ShowMemoryEnd(const MemoryEnd& end) override { memoryEnds.push_back(end); }

  GameResult lastResult;
  int gamesEnded = 0;
  // Where finished games are recorded, when anywhere.
  std::function<void(const GameResult&)> recorder;
  // What play asked of the picture: every inversion in order (a card inverted
  // twice is shown plain again), the time waited, the input block and the
  // refusing beeps.
  std::vector<Rect> inverted;
  int beeps = 0;
  int pausedMilliseconds = 0;
  bool inputBlocked = false;
  // Every showing of the poker panel (its three lines) and of the memory
  // games' end screen.
  std::vector<std::array<std::string, 3>> pokerPanels;
  std::vector<MemoryEnd> memoryEnds;

 private:
  Session& session_;
  TableGeometry geometry_;
};

}  // namespace cardoria
