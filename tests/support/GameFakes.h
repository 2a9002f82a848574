#pragma once
// Recording fakes of the window and engine ports of starting a game.

#include <functional>
#include <map>
#include <vector>

#include "deal/GameStart.h"
#include "engine/StandardEngine.h"

namespace cardoria::test {

class RecordingWindow final : public GameWindow {
 public:
  void SetCommandsEnabled(Commands commands, bool enabled) override { this->enabled[commands] = enabled; }
  bool GameCommandsEnabled() const override {
    const auto it = enabled.find(Commands::Game);
    return it == enabled.end() || it->second;
  }
  bool AutoplayChecked() const override { return autoplayChecked; }
  void ShowWaitCursor() override { ++waitCursors; }
  void RestoreCursor() override { --waitCursors; }
  void Repaint() override { ++repaints; }
  void UpdateTitle() override { ++titleUpdates; }
  void SetTimeText(const std::string& text) override { timeText = text; }
  void SetScoreText(const std::string& text) override { scoreText = text; }
  void ReloadCardImages() override { ++cardReloads; }
  void LayOutTable() override { ++layouts; }
  void PrepareBackground() override { ++backgrounds; }
  void DrawDeal(bool animate) override { deals.push_back(animate); }
  void PlaySound(const std::string& name, bool) override { sounds.push_back(name); }

  std::map<Commands, bool> enabled;
  bool autoplayChecked = false;
  int waitCursors = 0, repaints = 0, titleUpdates = 0, cardReloads = 0, layouts = 0, backgrounds = 0;
  std::string timeText, scoreText;
  std::vector<bool> deals;
  std::vector<std::string> sounds;
};

// The standard engine, recording the foundation moves asked of it and
// carrying out those `accept` allows (card -> any foundation).
class RecordingEngine final : public StandardEngine {
 public:
  bool TryFoundation(Session& session, int card, int foundation) override;
  void AutoplayAfterDeal(Session&) override { ++autoplays; }

  std::vector<std::pair<int, int>> asked;
  std::function<bool(int card, int foundation)> accept = [](int, int) { return false; };
  int autoplays = 0;
};

}  // namespace cardoria::test
