// Every reader and writer of the statistics files over truncated and mutated
// copies of real files: no crash, no hang, and answers of the usual shape.

#include <gtest/gtest.h>

#include <cstdlib>

#include "persist/GameRecord.h"
#include "persist/HiScores.h"
#include "persist/OverallScore.h"
#include "persist/Players.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class DamagedFilesTest : public test::StatsTest {
 protected:
  std::string Mutated(const std::string& original) {
    std::string text = original;
    switch (chance.Next(4)) {
      case 0: text.resize(static_cast<std::size_t>(chance.Next(static_cast<int>(text.size()) + 1))); break;
      case 1:
        for (int n = chance.Next(8) + 1; n > 0 && !text.empty(); --n) {
          static constexpr char kTroublemakers[] = {'\n', '\r', '[', ']', '=', '\0', ' ', '-', '9', 'x', '\x7f'};
          const auto at = static_cast<std::size_t>(chance.Next(static_cast<int>(text.size())));
          text[at] =
              chance.Next(2) ? kTroublemakers[chance.Next(sizeof kTroublemakers)] : static_cast<char>(chance.Next(256));
        }
        break;
      case 2: {
        const auto at = static_cast<std::size_t>(chance.Next(static_cast<int>(text.size()) + 1));
        text.erase(at, static_cast<std::size_t>(chance.Next(200)));
        break;
      }
      default: {
        // Line ends lost or doubled.
        std::string changed;
        for (char c : text) {
          if (c == '\r' && chance.Next(2)) continue;
          changed += c;
          if (c == '\n' && chance.Next(10) == 0) changed += "\r\n";
        }
        text = changed;
      }
    }
    return text;
  }

  Random chance{20240305};
};

TEST_F(DamagedFilesTest, ReadersAndWritersSurviveDamagedFiles) {
  int score = 10;
  for (const char* player : {"Ann", "Bob", "Anne"})
    for (int game : {1, 2, 3})
      for (bool won : {true, false, true})
        ASSERT_TRUE(RecordGameResult(session, Result(won, game, player, std::to_string(score += 3)), ports));
  const char* const names[] = {kStatFile, kStatLogFile, kHiScoreFile, kOverallFile};
  std::map<std::string, std::string> originals;
  for (const char* name : names) originals[name] = Read(name);

  // CI runs a short round; `make fuzz` sets a longer one.
  const char* wanted = std::getenv("CARDORIA_FUZZ_FILE_ROUNDS");
  const int rounds = wanted ? std::max(1, std::atoi(wanted)) : 150;
  for (int round = 0; round < rounds; ++round) {
    for (const char* name : names) Write(name, chance.Next(3) ? Mutated(originals[name]) : originals[name]);
    const std::string stat = Path(kStatFile), scores = Path(kHiScoreFile);
    for (const char* section : {"0001", "0002", "Version", "Ann", ""}) {
      ReadValue(files, stat, section, "Ann", "");
      ReadSectionLines(files, scores, section);
      EXPECT_EQ(ReadValues(files, scores, section, {"01-01", "01-20"}, {"a", "b"}).values.size(), 2u);
    }
    ListSections(files, stat);
    for (const std::string& line : SplitLines(Read(kStatLogFile))) ParseGameLogLine(line);
    const StatsReading reading = ReadGameStats(session, ports, 1, "Ann");
    EXPECT_GE(reading.record.won, 0);
    for (int game : {1, 2, 3}) {
      const TextList table = ReadHiScores(session, ports, game);
      ASSERT_EQ(table.size(), 20u);
      for (const std::string& entry : table) {
        EXPECT_EQ(entry.size(), kHiScoreEntryLength);
        ParseHiScoreEntry(entry);
      }
    }
    for (const OverallRank& rank : ReadOverallRanking(session, ports)) EXPECT_GT(rank.totalScore, 0);
    ReadOverallDetails(session, ports, "Bob");
    switch (round % 5) {
      case 0: EXPECT_TRUE(RecordGameResult(session, Result(round % 2, 1 + round % 3, "Ann", "77"), ports)); break;
      case 1: EXPECT_TRUE(RenamePlayer(session, ports, "Ann", "Anna")); break;
      case 2: EXPECT_TRUE(ClearStatistics(session, ports, 2, "Bob")); break;
      case 3: EXPECT_TRUE(ClearHiScores(session, ports, kAllGames, "Anne")); break;
      default: EXPECT_TRUE(UpdateOverallScore(session, ports, 2, "Bob", false, 5, 500)); break;
    }
  }
}

}  // namespace
}  // namespace cardoria
