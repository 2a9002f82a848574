#pragma once
// An installation directory with a small catalogue, a session playing game 1
// as "Ann", and the statistics ports with a file layer whose renames can be
// made to fail.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/Catalogue.h"
#include "core/Session.h"
#include "engine/PlayPorts.h"
#include "persist/FileSystem.h"
#include "persist/StatsPorts.h"
#include "platform/AtomicFile.h"
#include "platform/Random.h"
#include "support/CatalogueFixture.h"
#include "support/TestSupport.h"

namespace cardoria::test {

// Renames succeed until `renamesLeft` reaches 0; -1 never fails.
class FailingFiles final : public FileSystem {
 public:
  int renamesLeft = -1;
  int failures = 0;
  // The temporary file held the whole new content when the rename failed.
  std::vector<std::string> abandoned;
  std::vector<std::string> failedTargets;

 protected:
  bool BeforeRename(const std::string& target, const std::string& temporary) override {
    if (renamesLeft == 0) {
      ++failures;
      abandoned.push_back(ReadWholeFile(temporary).value_or("<missing>"));
      failedTargets.push_back(target);
      return false;
    }
    if (renamesLeft > 0) --renamesLeft;
    return true;
  }
};

class RecordingStatsView final : public StatsView {
 public:
  struct Shown {
    bool newEntry;
    int rank;
    std::string caption;
    int game;
  };
  void ShowHiScores(bool newEntry, int rank, const std::string& caption, int game) override {
    shown.push_back({newEntry, rank, caption, game});
  }
  void Repaint() override { ++repaints; }
  void ShowWaitCursor() override {}
  void RestoreCursor() override {}
  std::vector<Shown> shown;
  int repaints = 0;
};

inline CatalogueEntry ScoredGame(int number, const std::string& name, int maxScore, int cards) {
  CatalogueEntry game = KlondikeLike(number, name);
  game.rules[42] = maxScore;
  game.rules[284] = cards;
  return game;
}

class StatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteCatalogue(dir, {{ScoredGame(1, "Freecell", -1, 52), ScoredGame(2, "Spider", -1, 104),
                          ScoredGame(3, "Sixty", 60, 52), ScoredGame(4, "Forty", 40, 52)},
                         {},
                         {},
                         {}});
    session.programDir = dir.Path();
    ASSERT_TRUE(LoadCatalogue(session, messages));
    session.store.Set(pos::kGameNumber, 4, "0001");
    session.store.Set(pos::kPlayerName, 30, "Ann");
    session.store.Set(pos::kRunWins, 4, "0000");
    session.store.Set(pos::kRunLosses, 4, "0000");
    clock.now = MakeDateTime(2024, 3, 5, 14, 7, 9);
    clock.step = 500;  // waits pass at once
  }

  std::string Path(const char* file) const { return session.PathOf(file); }
  std::string Read(const char* file) const { return ReadWholeFile(Path(file)).value_or("<missing>"); }
  void Write(const char* file, const std::string& content) const {
    std::filesystem::create_directories(std::filesystem::path(Path(file)).parent_path());
    ASSERT_TRUE(WriteFileAtomic(Path(file), content));
  }
  // Every file of the DATA folder with its content.
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    const auto folder = std::filesystem::path(Path(kStatFile)).parent_path();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
      files[entry.path().filename().string()] = ReadWholeFile(entry.path().string()).value_or("");
    return files;
  }

  GameResult Result(bool won, int game = 1, const std::string& player = "Ann", const std::string& score = "0",
                    int elapsed = 100) const {
    GameResult r;
    r.won = won;
    r.elapsedSeconds = elapsed;
    r.endTime = MakeDateTime(2024, 3, 5, 9, 4, 3);
    r.gameNumber = game;
    r.gameName = GameNameOf(session, game);
    r.player = player;
    r.scoreScheme = "01";
    r.score = score;
    r.dealNumber = "0000000012345";
    return r;
  }

  TempDir dir;
  Session session;
  RecordingMessages messages;
  FakeClock clock;
  Random random{7};
  RecordingStatsView view;
  FailingFiles files;
  StatsPorts ports{files, messages, clock, random, view};
};

}  // namespace cardoria::test
