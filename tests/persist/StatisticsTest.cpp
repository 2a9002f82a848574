// Wins, losses and streaks per game and player, the game log, and clearing.

#include "persist/Statistics.h"

#include <unistd.h>

#include "persist/GameRecord.h"
#include "persist/SectionFile.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class StatisticsTest : public test::StatsTest {
 protected:
  void Play(bool won, int game = 1, const std::string& player = "Ann", const std::string& score = "0") {
    ASSERT_TRUE(RecordGameResult(session, Result(won, game, player, score), ports));
  }
  GameStatsRecord Record(int game, const std::string& player) {
    return ParseStatsRecord(ReadValue(files, Path(kStatFile), ZeroPad(game, 4), player, ""));
  }
  static std::vector<std::int64_t> Fields(const GameStatsRecord& r) {
    return {r.won, r.lost, r.longestWinning, r.longestLosing, r.currentWinning, r.currentLosing, r.totalScore};
  }
};

TEST_F(StatisticsTest, ResultsAddUpToCountsAndStreaks) {
  struct Case {
    std::vector<bool> results;
    std::vector<std::int64_t> fields;  // won, lost, longest W/L, current W/L, total
  };
  const Case cases[] = {
      {{true, true, false}, {2, 1, 2, 1, 0, 1, 0}},
      {{false, false, true, true, true, false}, {3, 3, 3, 2, 0, 1, 0}},
      {{true}, {1, 0, 1, 0, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    GameStatsRecord r;
    for (bool won : c.results) r = AddResult(r, won, 0);
    EXPECT_EQ(Fields(r), c.fields);
  }
  // Through the files: win, win, loss.
  Play(true, 1, "Ann", "52");
  Play(true, 1, "Ann", "-3");
  Play(false, 1, "Ann", "10");
  EXPECT_EQ(ReadValue(files, Path(kStatFile), "0001", "Ann", ""),
            "000002 000001 000002 000001 000000 000001 000000000059 000000000000");
  const StatsReading reading = ReadGameStats(session, ports, 1, "Ann");
  EXPECT_EQ(Fields(reading.record), (std::vector<std::int64_t>{2, 1, 2, 1, 0, 1, 59}));
  EXPECT_EQ(reading.runWins, 2);
  EXPECT_EQ(reading.runLosses, 1);
  EXPECT_EQ(ReadGameStats(session, ports, 2, "Ann").runWins, 0);  // not the current game
  EXPECT_TRUE(Read(kStatFile).starts_with("[Version]\r\nVersion=0300\r\n"));
}

TEST_F(StatisticsTest, PlayersWhoseNamesShareABeginningKeepTheirOwnRecords) {
  Play(true, 1, "Anne");
  Play(false, 1, "Ann");
  Play(false, 1, "Ann");
  Play(true, 1, "Anne");
  EXPECT_EQ(Record(1, "Ann").lost, 2);
  EXPECT_EQ(Record(1, "Ann").won, 0);
  EXPECT_EQ(Record(1, "Anne").won, 2);
  EXPECT_EQ(Record(1, "Anne").lost, 0);
}

TEST_F(StatisticsTest, ALogLineHasItsFieldsAtTheirColumns) {
  GameResult result = Result(false, 7, "Ann", "-52", 1234);
  result.gameName = "Freecell";
  const std::string line = FormatGameLogLine(result);
  ASSERT_EQ(line.size(), kGameLogLineLength);
  EXPECT_EQ(line.substr(0, 29), "20240305 09:04:03 001234 0007");
  EXPECT_EQ(line.substr(112, 7), "Lost 01");  // columns 113-119
  EXPECT_EQ(line.substr(81, 30), PadRight("Ann", 30));
  EXPECT_EQ(line.substr(120, 6), "-52   ");
  EXPECT_EQ(line.substr(127, 20), "0000000012345   0440");
  result.won = true;
  EXPECT_EQ(FormatGameLogLine(result).substr(112, 7), "Won  01");
  const GameLogEntry entry = ParseGameLogLine(line);
  EXPECT_EQ(entry.gameNumber, 7);
  EXPECT_EQ(entry.player, "Ann");
  EXPECT_EQ(entry.result, "Lost");
  EXPECT_TRUE(IsListedLogLine(entry));
  // Short and damaged lines read empty fields and are not listed.
  for (const std::string& bad : TextList{"", "2024", line.substr(0, 90), line.substr(0, 130)}) {
    const GameLogEntry e = ParseGameLogLine(bad);
    EXPECT_FALSE(IsListedLogLine(e)) << bad;
  }
  EXPECT_EQ(ParseGameLogLine(line.substr(0, 27)).gameNumber, -1);
  // The views list only whole lines, LF-only ones too.
  Write(kStatLogFile, line + "\n" + line.substr(0, 135) + "\r\n\r\n" + FormatGameLogLine(result) + "\r\n");
  const std::vector<GameLogEntry> listed = ReadGameLog(session, files);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[1].result, "Won");
}

TEST_F(StatisticsTest, DamagedOrHugeRecordsStayWithinTheirFields) {
  EXPECT_EQ(Fields(ParseStatsRecord("000003 00x001 000004")), (std::vector<std::int64_t>{3, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Fields(ParseStatsRecord("")), (std::vector<std::int64_t>{0, 0, 0, 0, 0, 0, 0}));
  // A count below zero is as damaged as one that is no number; a total may be.
  EXPECT_EQ(Fields(ParseStatsRecord("000003 -00005 000004")), (std::vector<std::int64_t>{3, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ParseStatsRecord("000001 000002 000001 000001 000000 000001 -00000000052 000000000000").totalScore, -52);
  GameStatsRecord huge;
  huge.won = 999999;
  huge.totalScore = 999999999999;
  huge = AddResult(huge, true, 100);
  EXPECT_EQ(FormatStatsRecord(huge), "999999 000000 000001 000000 000001 000000 999999999999 000000000000");
}

TEST_F(StatisticsTest, AFileTheViewsCanNotShowWholeIsNamedForThePlayer) {
  EXPECT_EQ(StatsFileProblem(session, files), std::nullopt) << "no file yet";
  Write(kStatFile, std::string(kStatVersionLines) + "\r\n[0001]\r\nAnn=" + FormatStatsRecord({}) +
                       "\r\nBob=-00005 000000 000000 000000 000000 000000 000000000000 000000000000\r\n");
  const auto damaged = StatsFileProblem(session, files);
  ASSERT_TRUE(damaged);
  EXPECT_NE(damaged->find("holds damaged records: Bob in game 0001."), std::string::npos) << *damaged;
  EXPECT_EQ(ReadGameStats(session, ports, 1, "Bob").record.won, 0) << "never shown as -5";

  if (geteuid() != 0) {  // root reads anyway
    std::filesystem::permissions(Path(kStatFile), std::filesystem::perms::none);
    const auto unreadable = StatsFileProblem(session, files);
    ASSERT_TRUE(unreadable);
    EXPECT_NE(unreadable->find(" can not be read."), std::string::npos) << *unreadable;
    std::filesystem::permissions(Path(kStatFile), std::filesystem::perms::owner_all);
  }
}

TEST_F(StatisticsTest, ClearingRemovesTheSelectedRecordsAndLogLines) {
  struct Case {
    int game;
    std::string player;
    std::vector<std::int64_t> wonLeft;  // Ann 1, Bob 1, Ann 2, Bob 2
    std::size_t logLinesLeft;
  };
  const Case cases[] = {
      {1, "Ann", {0, 1, 1, 1}, 3},
      {kAllGames, "Ann", {0, 1, 0, 1}, 2},
      {1, "", {0, 0, 1, 1}, 2},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(dir / "DATA");
    for (int game : {1, 2})
      for (const char* player : {"Ann", "Bob"}) Play(true, game, player);
    ASSERT_TRUE(ClearStatistics(session, ports, c.game, c.player));
    std::vector<std::int64_t> won;
    for (int game : {1, 2})
      for (const char* player : {"Ann", "Bob"}) won.push_back(Record(game, player).won);
    EXPECT_EQ(won, c.wonLeft) << c.game << c.player;
    EXPECT_EQ(SplitLines(Read(kStatLogFile)).size(), c.logLinesLeft) << c.game << c.player;
  }
  // A game where the player has no record yet gets a zero record.
  EXPECT_EQ(ReadSectionLines(files, Path(kStatFile), "0002").size(), 2u);

  ASSERT_TRUE(ClearStatistics(session, ports, kAllGames, ""));
  EXPECT_EQ(Read(kStatFile), "[Version]\r\nVersion=0300\r\n");
  EXPECT_EQ(Read(kStatLogFile), "");
  EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0000");
}

TEST_F(StatisticsTest, ClearingAllGamesForAPlayerAddsMissingRecordsButSparesTheVersion) {
  Write(kStatFile,
        "[Version]\nVersion=0300\n[0001]\nBob=000001 000000 000001 000000 000001 000000 "
        "000000000000 000000000000\n[0002]\nAnn=000001 000002 000001 000002 000000 000002 000000000007 "
        "000000000000\n");
  ASSERT_TRUE(ClearStatistics(session, ports, kAllGames, "Ann"));
  EXPECT_EQ(ReadSectionLines(files, Path(kStatFile), "Version"), (TextList{"Version=0300"}));
  EXPECT_EQ(Record(1, "Bob").won, 1);
  EXPECT_EQ(ReadValue(files, Path(kStatFile), "0001", "Ann", "-"), FormatStatsRecord({}));
  EXPECT_EQ(ReadValue(files, Path(kStatFile), "0002", "Ann", "-"), FormatStatsRecord({}));
}

}  // namespace
}  // namespace cardoria
