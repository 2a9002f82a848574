// Several processes recording games into one installation at once, and a
// process killed at any moment while it records: every game is counted
// exactly once, a game is in the log if and only if it is in the statistics,
// and every file stays well formed.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <random>
#include <set>

#include "persist/DataChange.h"
#include "persist/GameRecord.h"
#include "persist/HiScores.h"
#include "persist/RecentDeals.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class SharedDataTest : public test::StatsTest {
 protected:
  // A process of its own, with a session of its own on the same folder,
  // recording `games` games (or until it is killed when `games` is 0). It
  // writes a byte to `ready`, when given, once its first game is recorded.
  pid_t RecordInChild(const std::string& prefix, int games, int ready = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    Session own;
    own.programDir = dir.Path();
    test::RecordingMessages quiet;
    if (!LoadCatalogue(own, quiet)) _exit(2);
    FileSystem plain;
    test::RecordingStatsView silent;
    StatsPorts own_ports{plain, quiet, clock, random, silent};
    for (int i = 0; games == 0 || i < games; ++i) {
      // New players now and then, so sections are rewritten as well as
      // records overwritten in place.
      const std::string player = prefix + std::to_string(i % 7);
      if (!RecordGameResult(own, Result(i % 3 != 0, 1 + i % 2, player, std::to_string(i % 50)), own_ports)) _exit(3);
      if (i == 0 && ready >= 0 && write(ready, "r", 1) != 1) _exit(4);
    }
    _exit(0);
  }

  static int ExitCode(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }

  // Games per game number and player, as the statistics count them; empty
  // after a failure, which is recorded in `problem`.
  std::map<std::string, std::int64_t> CountedGames(std::string& problem) const {
    std::map<std::string, std::int64_t> counted;
    std::set<std::string> sections;
    std::string section;
    std::set<std::string> keys;
    const std::string stat = Read(kStatFile);
    if (stat == "<missing>") return counted;
    for (const std::string& line : SplitLines(stat)) {
      if (line.empty()) continue;
      if (const auto name = SectionNameOf(line)) {
        if (!sections.insert(*name).second) problem += "section " + *name + " twice; ";
        section = *name;
        keys.clear();
        continue;
      }
      const auto eq = line.find('=');
      if (eq == std::string::npos) {
        problem += "stray line \"" + line + "\"; ";
        continue;
      }
      const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
      if (!keys.insert(key).second) problem += "key " + key + " twice in " + section + "; ";
      if (section == "Version") continue;
      if (value.size() != 67 || FormatStatsRecord(ParseStatsRecord(value)) != value)
        problem += "torn record \"" + line + "\"; ";
      const GameStatsRecord record = ParseStatsRecord(value);
      counted[section + " " + key] += record.won + record.lost;
    }
    return counted;
  }

  std::map<std::string, std::int64_t> LoggedGames(std::string& problem) const {
    std::map<std::string, std::int64_t> logged;
    const std::string log = Read(kStatLogFile);
    if (log == "<missing>") return logged;
    for (const std::string& line : SplitLines(log)) {
      if (line.size() != kGameLogLineLength) {
        problem += "log line of " + std::to_string(line.size()) + " characters; ";
        continue;
      }
      const GameLogEntry entry = ParseGameLogLine(line);
      logged[ZeroPad(entry.gameNumber, 4) + " " + entry.player] += 1;
    }
    return logged;
  }

  // Every game table of the hi-scores holds its twenty ranks once each.
  std::string HiScoreProblems() const {
    std::string problem;
    std::set<std::string> sections;
    for (const std::string& name : ListSections(files, Path(kHiScoreFile))) {
      if (!sections.insert(name).second) problem += "hi-score section " + name + " twice; ";
      if (name == "Version") continue;
      const TextList lines = ReadSectionLines(files, Path(kHiScoreFile), name);
      if (lines.size() != static_cast<std::size_t>(kHiScoreRanks))
        problem += "hi-score section " + name + " has " + std::to_string(lines.size()) + " lines; ";
    }
    return problem;
  }

  void ExpectLogAndCountsAgree(const std::string& when) const {
    std::string problem;
    const auto counted = CountedGames(problem);
    const auto logged = LoggedGames(problem);
    problem += HiScoreProblems();
    EXPECT_EQ(problem, "") << when;
    EXPECT_EQ(counted, logged) << when;
  }
};

TEST_F(SharedDataTest, ProcessesRecordingAtOnceCountEveryGameOnce) {
  constexpr int kGames = 40;
  std::vector<pid_t> children;
  for (const char* prefix : {"Ann", "Bob", "Cid"}) children.push_back(RecordInChild(prefix, kGames));
  for (pid_t child : children) EXPECT_EQ(ExitCode(child), 0);

  std::string problem;
  const auto counted = CountedGames(problem);
  EXPECT_EQ(problem, "");
  std::int64_t total = 0;
  for (const auto& [who, games] : counted) total += games;
  EXPECT_EQ(total, 3 * kGames);
  ExpectLogAndCountsAgree("after three processes");
  EXPECT_FALSE(dir.Exists("DATA/CHANGES.JNL"));
}

TEST_F(SharedDataTest, AProcessKilledWhileRecordingLeavesFilesThatAgree) {
  std::mt19937 chance(20261211);
  int killedMidway = 0;
  for (int round = 0; round < 25; ++round) {
    // The kill waits until the child records: a slow start-up (under a
    // sanitizer, say) would otherwise take the blows meant for recordings.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = RecordInChild("P" + std::to_string(round % 4) + "-", 0, ready[1]);
    close(ready[1]);
    char byte = 0;
    EXPECT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    usleep(chance() % 20000);
    kill(child, SIGKILL);
    EXPECT_EQ(ExitCode(child), -SIGKILL);
    if (dir.Exists("DATA/CHANGES.JNL")) ++killedMidway;
    // The next process to start puts right what the killed one left.
    const FileSystem::Recovery recovery = TidyDataFolder(session);
    EXPECT_NE(recovery, FileSystem::Recovery::Failed);
    EXPECT_FALSE(dir.Exists("DATA/CHANGES.JNL"));
    ExpectLogAndCountsAgree("after kill " + std::to_string(round));
    for (const auto& [name, content] : Snapshot())
      EXPECT_EQ(name.find(".cardoria-tmp."), std::string::npos) << name << " left behind";
  }
  // Nearly every kill lands in the middle of a recording: the journal was
  // there to be used.
  EXPECT_GT(killedMidway, 10);
}

TEST_F(SharedDataTest, ARecordingCutShortIsTakenBackAndACommittedOneKept) {
  ASSERT_TRUE(RecordGameResult(session, Result(true, 1, "Ann", "10"), ports));
  const auto before = Snapshot();
  // A crash after the statistics and hi-scores were written, before the log
  // line: the journal is left as the crash leaves it.
  files.BeginChanges(Path(kChangeJournalFile));
  ASSERT_TRUE(RecordStatistics(session, files, Result(true, 1, "Bob", "20")));
  HiScoreOffer offer;
  offer.game = 1;
  offer.player = "Bob";
  offer.score = 20;
  ASSERT_TRUE(EnterHiScore(session, ports, offer));
  EXPECT_EQ(TidyDataFolder(session), FileSystem::Recovery::TakenBack);
  auto after = Snapshot();
  after.erase("CHANGES.JNL");
  EXPECT_EQ(after, before);

  // A crash before the first change leaves nothing to tell the player.
  files.BeginChanges(Path(kChangeJournalFile));
  EXPECT_EQ(TidyDataFolder(session), FileSystem::Recovery::Clean);
  EXPECT_FALSE(dir.Exists("DATA/CHANGES.JNL"));

  // The same crash just after the log line: the game is recorded whole.
  files.BeginChanges(Path(kChangeJournalFile));
  ASSERT_TRUE(RecordStatistics(session, files, Result(true, 1, "Bob", "20")));
  ASSERT_TRUE(AppendGameLogLine(session, files, Result(true, 1, "Bob", "20")));
  EXPECT_EQ(TidyDataFolder(session), FileSystem::Recovery::Completed);
  ExpectLogAndCountsAgree("after a committed recording");
  EXPECT_EQ(SplitLines(Read(kStatLogFile)).size(), 2u);
}

TEST_F(SharedDataTest, RecentDealsOfTwoProcessesAreAllKept) {
  const std::string cfg = Path("DATA\\CFG.DAT");
  std::filesystem::create_directories(dir / "DATA");
  std::vector<pid_t> children;
  for (const char first : {'1', '2'}) {
    const pid_t pid = fork();
    if (pid == 0) {
      IniProfile settings;
      Session own;
      own.programDir = dir.Path();
      settings.UseLock(own.SharedDataLock());
      settings.Open(cfg);
      for (int i = 0; i < 10; ++i) RecordRecentDeal(settings, std::string(1, first) + ZeroPad(i, 12));
      _exit(0);
    }
    children.push_back(pid);
  }
  for (pid_t child : children) EXPECT_EQ(ExitCode(child), 0);
  IniProfile settings(cfg);
  std::set<std::string> deals;
  for (const std::string& deal : RecentDeals(settings)) deals.insert(deal);
  EXPECT_EQ(deals.size(), 20u);
  EXPECT_FALSE(deals.contains(""));
}

}  // namespace
}  // namespace cardoria
