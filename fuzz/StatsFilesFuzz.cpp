// Every reader of the statistics files, and the writers that read first, on
// whatever bytes the fuzzer makes. The first byte chooses the file the rest
// becomes: STAT.DAT, STAT_LOG.DAT, STAT_SCR.DAT or STAT_GLO.DAT.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/Session.h"
#include "engine/PlayPorts.h"
#include "persist/FileSystem.h"
#include "persist/GameRecord.h"
#include "persist/HiScores.h"
#include "persist/OverallScore.h"
#include "persist/Players.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/HeadlessPorts.h"
#include "platform/Random.h"

using namespace cardoria;

namespace {

// Waits pass at once.
class FastClock final : public Clock {
 public:
  std::int64_t TickMs() override { return tick_ += 1000; }
  double Now() override { return 45000.5; }

 private:
  std::int64_t tick_ = 0;
};

std::string Folder() {
  static const std::string folder = [] {
    // Every write is synced: TMPDIR on a memory file system runs much faster.
    std::string pattern = (std::filesystem::temp_directory_path() / "cardoria-fuzz-XXXXXX").string();
    return std::string(::mkdtemp(pattern.data())) + "/";
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  Session session;
  session.programDir = Folder();
  session.store.Set(pos::kGameNumber, 4, "0001");
  session.store.Set(pos::kPlayerName, 30, "Ann");
  std::filesystem::remove_all(session.PathOf("DATA"));
  std::filesystem::create_directories(session.PathOf("DATA"));
  const char* const files[] = {kStatFile, kStatLogFile, kHiScoreFile, kOverallFile};
  const std::string path = session.PathOf(files[data[0] % 4]);
  WriteFileAtomic(path, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

  FileSystem fs;
  SilentMessages messages;
  FastClock clock;
  Random random(1);
  QuietStatsView view;
  StatsPorts ports{fs, messages, clock, random, view};
  for (const char* section : {"0001", "Version", "Ann", "Clear scores"}) {
    ReadValue(fs, path, section, "Ann", "");
    ReadValues(fs, path, section, {"01-01", "T01", "Cleared"}, {});
    ReadSectionLines(fs, path, section);
  }
  ListSections(fs, path);
  ReadGameLog(session, fs);
  ReadGameStats(session, ports, 1, "Ann");
  ReadHiScores(session, ports, 1);
  ReadOverallRanking(session, ports);
  ReadOverallDetails(session, ports, "Ann");
  GameResult result;
  result.won = data[0] & 4;
  result.gameNumber = 1;
  result.player = "Ann";
  result.score = "77";
  RecordGameResult(session, result, ports);
  RenamePlayer(session, ports, "Ann", "Anna");
  ClearStatistics(session, ports, 1, "Bob");
  ClearHiScores(session, ports, 1, "Anna");
  return 0;
}
