#pragma once
// Recording fakes of the window and engine ports of starting a game.

#include <functional>
#include <map>
#include <vector>

#include "deal/GameStart.h"
#include "engine/Engine.h"

namespace cardoria::test {

class RecordingWindow final : public GameWindow {
 public:
  void SetCommandsEnabled(Commands commands, bool enabled) override { this->enabled[commands] = enabled; }
  bool GameCommandsEnabled() const override {
    const auto it = enabled.find(Commands::Game);
    return it == enabled.end() || it->second;
  }
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
  int waitCursors = 0, repaints = 0, titleUpdates = 0, cardReloads = 0, layouts = 0, backgrounds = 0;
  std::string timeText, scoreText;
  std::vector<bool> deals;
  std::vector<std::string> sounds;
};

// An engine for the deal alone: it records the foundation moves asked of it
// and carries out those `accept` allows, keeps the standard score, and ends a
// game by its flags.
class RecordingEngine final : public PlayEngine {
 public:
  bool TryFoundation(Session& session, int card, int foundation) override;
  void UpdateScore(Session& session) override;
  bool EndGame(Session& session) override;
  void AutoplayAfterDeal(Session&) override { ++autoplays; }

  std::vector<std::pair<int, int>> asked;
  std::function<bool(int card, int foundation)> accept = [](int, int) { return false; };
  int autoplays = 0;
};

}  // namespace cardoria::test
