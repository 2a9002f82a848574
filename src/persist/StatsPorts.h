#pragma once
// What the statistics, hi-score and overall-score stores need from the rest of
// the program: the files, the player's message boxes, the clock, chance, and
// the few things the main window shows for them.

#include <string>

namespace cardoria {

class FileSystem;
class Messages;
class Clock;
class Random;

class StatsView {
 public:
  virtual ~StatsView() = default;
  // The hi-score dialog; `newEntry` with the rank (0-19) reached, `caption`
  // replacing the dialog's caption when not empty.
  virtual void ShowHiScores(bool newEntry, int rank, const std::string& caption, int game) = 0;
  virtual void Repaint() = 0;
  virtual void ShowWaitCursor() = 0;
  virtual void RestoreCursor() = 0;
};

// For callers without a window (the command line, tests).
class QuietStatsView final : public StatsView {
 public:
  void ShowHiScores(bool, int, const std::string&, int) override {}
  void Repaint() override {}
  void ShowWaitCursor() override {}
  void RestoreCursor() override {}
};

struct StatsPorts {
  FileSystem& files;
  Messages& messages;
  Clock& clock;
  Random& random;
  StatsView& view;
};

inline constexpr const char* kStatFile = "DATA\\STAT.DAT";
inline constexpr const char* kStatLogFile = "DATA\\STAT_LOG.DAT";
inline constexpr const char* kHiScoreFile = "DATA\\STAT_SCR.DAT";
inline constexpr const char* kOverallFile = "DATA\\STAT_GLO.DAT";

// The message shown when a statistics file could not be written.
std::string WriteErrorText(const std::string& path);

}  // namespace cardoria
