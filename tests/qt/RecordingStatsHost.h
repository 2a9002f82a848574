#pragma once
// A stand-in for the main window as the statistics dialogs see it: it records
// what they ask and answers yes or no as the test says.

#include <string>
#include <utility>
#include <vector>

#include "persist/qt/StatsWidgets.h"

namespace cardoria::test {

class RecordingStatsHost final : public StatsHost {
 public:
  bool PlayGame(int game, const std::string& deal) override {
    played.push_back({game, deal});
    return agree;
  }
  bool NewGame() override { return agree; }
  bool RestartGame() override { return agree; }
  bool SelectGame() override {
    ++selections;
    return agree;
  }
  bool SelectGameNumber() override {
    ++numberSelections;
    return agree;
  }
  bool LeaveGame(const std::string& question) override {
    questions.push_back(question);
    return agree;
  }
  void RepaintTable() override { ++repaints; }
  void ClearTable() override { ++clears; }
  void PlayerShown() override { ++titles; }

  bool agree = true;
  std::vector<std::pair<int, std::string>> played;
  std::vector<std::string> questions;
  int selections = 0, numberSelections = 0, repaints = 0, clears = 0, titles = 0;
};

}  // namespace cardoria::test
