// The players: names refused when typed, the list of twenty, and renaming and
// deleting across the statistics, log and hi-score files.

#include "persist/Players.h"

#include "persist/GameRecord.h"
#include "persist/HiScores.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "platform/IniProfile.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class PlayersTest : public test::StatsTest {
 protected:
  void Play(bool won, const std::string& player, const std::string& score, int game = 1) {
    ASSERT_TRUE(RecordGameResult(session, Result(won, game, player, score), ports));
  }
  std::string Record(const std::string& player, int game = 1) {
    return ReadValue(files, Path(kStatFile), ZeroPad(game, 4), player, "-");
  }
  std::vector<std::string> LogPlayers() {
    std::vector<std::string> players;
    for (const std::string& line : SplitLines(Read(kStatLogFile))) players.push_back(ParseGameLogLine(line).player);
    return players;
  }
  std::vector<std::string> ScorePlayers() {
    std::vector<std::string> players;
    for (const std::string& entry : ReadHiScores(session, ports, 1)) {
      const HiScoreRow row = ParseHiScoreEntry(entry);
      if (!row.player.starts_with("*") && !row.blank) players.push_back(row.player);
    }
    return players;
  }
};

TEST_F(PlayersTest, TypedNamesAreCheckedBeforeTheyReachAFile) {
  struct Case {
    std::string name;
    std::optional<std::string> problem;
  };
  const std::string bad = "A player name can not contain \"[\", \"]\", \"=\" or control characters.";
  const Case cases[] = {
      {"Ann", std::nullopt},
      {"Player 1   ", std::nullopt},
      {std::string(30, 'x'), std::nullopt},
      {"", "Please enter at least 1 character."},
      {"   ", "Please enter at least 1 character."},
      {std::string(31, 'x'), "A player name can have at most 30 characters."},
      {"[0001]", bad},
      {"Ann=1", bad},
      {"Ann\tB", bad},
      {"Ann\r\n[0001]", bad},
  };
  for (const Case& c : cases) EXPECT_EQ(PlayerNameProblem(c.name), c.problem) << c.name;
}

TEST_F(PlayersTest, NamesReadFromFilesAreCheckedAsTypedOnes) {
  std::string notice;
  EXPECT_EQ(PlayerNameFromFile("Ann  ", "Bob", "x.gam", notice), "Ann");
  EXPECT_EQ(notice, "");
  EXPECT_EQ(PlayerNameFromFile("[0001]", "Bob", "x.gam", notice), "Bob");
  EXPECT_EQ(notice,
            "The player name \"[0001]\" in x.gam can not be used: A player name can not contain \"[\", \"]\", \"=\" or "
            "control characters. Bob plays instead.");
  std::string none;
  EXPECT_EQ(PlayerNameFromFile("   ", "Bob", "demo.gam", none), "Bob");
  EXPECT_EQ(none, "") << "a recorded demo names no player";
  EXPECT_EQ(PlayerNameFromFile("A\rB", "Bob", "x.gam", notice), "Bob");
  EXPECT_EQ(notice.find('\r'), std::string::npos) << "the message stays one line";

  dir.Write("CFG.DAT", "[Users]\nUser001=Ann\nUser002=[0002]\nUser003=Bob=x\nUser004=Cid\n");
  EXPECT_EQ(ReadPlayers(IniProfile(dir / "CFG.DAT")), (TextList{"Ann", "Cid"}));
}

TEST_F(PlayersTest, RenamingBeforeAnyGameIsRecordedNeedsNoFile) {
  std::filesystem::remove_all(dir / "DATA");
  PlayerList list({"Player 1", "Player 2"}, "Player 1");
  EXPECT_TRUE(list.Edit(session, ports, "Player 1", "Ann"));
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
  EXPECT_EQ(list.Current(), "Ann");
  EXPECT_FALSE(dir.Exists("DATA/STAT.DAT"));
  EXPECT_FALSE(dir.Exists("DATA/STAT_LOG.DAT"));
}

TEST_F(PlayersTest, SavingKeepsThePlayersAnotherWindowAddedMeanwhile) {
  dir.Write("CFG.DAT", "[Users]\nUser001=Ann\nUser002=Bob\n");
  IniProfile settings(dir / "CFG.DAT");
  PlayerList list(ReadPlayers(settings), "Ann");
  ASSERT_TRUE(list.Add(messages, "Cid"));
  ASSERT_TRUE(list.Delete(session, ports, "Bob"));
  // Meanwhile another window adds Dan to the file.
  IniProfile other(dir / "CFG.DAT");
  other.WriteString("Users", "User003", "Dan");
  list.Save(session, settings);
  EXPECT_EQ(ReadPlayers(IniProfile(dir / "CFG.DAT")), (TextList{"Ann", "Cid", "Dan"}));
}

TEST_F(PlayersTest, RenamingFollowsThePlayerThroughAllThreeFiles) {
  Play(true, "Ann", "40");
  Play(false, "Anne", "30");
  Play(true, "Ann", "20", 2);
  const std::string anne = Record("Anne");
  const std::string version = ReadSectionLines(files, Path(kStatFile), "Version")[0];
  ASSERT_TRUE(RenamePlayer(session, ports, "Ann", "Anna"));
  EXPECT_EQ(Record("Ann"), "-");
  EXPECT_EQ(ParseStatsRecord(Record("Anna")).won, 1);
  EXPECT_EQ(ParseStatsRecord(Record("Anna", 2)).won, 1);
  EXPECT_EQ(Record("Anne"), anne);
  EXPECT_EQ(ReadSectionLines(files, Path(kStatFile), "Version")[0], version);
  EXPECT_EQ(LogPlayers(), (std::vector<std::string>{"Anna", "Anne", "Anna"}));
  EXPECT_EQ(ScorePlayers(), (std::vector<std::string>{"Anna", "Anne"}));
  // The overall score keeps the old section.
  EXPECT_NE(Read(kOverallFile).find("[Ann]"), std::string::npos);
  // A player called like the version key leaves the version line alone.
  Play(true, "Version", "5");
  ASSERT_TRUE(RenamePlayer(session, ports, "Version", "V"));
  EXPECT_EQ(ReadSectionLines(files, Path(kStatFile), "Version")[0], "Version=0300");
  EXPECT_EQ(ParseStatsRecord(Record("V")).won, 1);
}

TEST_F(PlayersTest, RenamingOntoANameWithRecordsMergesThem) {
  Play(true, "Ann", "10");
  Play(true, "Ann", "10");
  Play(false, "Bob", "5");
  Play(true, "Bob", "5", 2);
  ASSERT_TRUE(RenamePlayer(session, ports, "Bob", "Ann"));
  const TextList lines = ReadSectionLines(files, Path(kStatFile), "0001");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Ann=000002 000001 000002 000001 000000 000001 000000000025 000000000000");
  EXPECT_EQ(ParseStatsRecord(Record("Ann", 2)).won, 1);
}

TEST_F(PlayersTest, TheListEditsAddsAndDeletes) {
  test::RecordingMessages& shown = messages;
  PlayerList list({"Player 2", "Ann", "Player 1", ""}, "Ann");
  EXPECT_EQ(list.Names(), (TextList{"Ann", "Player 1", "Player 2"}));
  EXPECT_FALSE(list.Add(shown, "Player 1 "));
  EXPECT_EQ(shown.shown.back().text, "This player name already exists.");
  for (int n = 4; n <= kMaxPlayers; ++n) ASSERT_TRUE(list.Add(shown, "P" + ZeroPad(n, 2)));
  EXPECT_FALSE(list.Add(shown, "One too many"));
  EXPECT_EQ(shown.shown.back().text, "There can be no more than 20 players.");
  EXPECT_EQ(list.Names().size(), 20u);

  Play(true, "Ann", "10");
  EXPECT_TRUE(list.Edit(session, ports, "Ann", "Annie"));
  EXPECT_EQ(list.Current(), "Annie");
  EXPECT_EQ(ParseStatsRecord(Record("Annie")).won, 1);
  EXPECT_FALSE(list.Edit(session, ports, "Annie", "P04"));
  EXPECT_FALSE(list.Delete(session, ports, "Annie"));
  EXPECT_EQ(shown.shown.back().text, "It is impossible to delete the selected player.");

  EXPECT_FALSE(list.Select(session, "Annie"));
  session.store.Set(pos::kRunWins, 4, "0003");
  EXPECT_TRUE(list.Select(session, "P04"));
  EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0000");

  IniProfile settings(dir / "CFG.DAT");
  list.Save(session, settings);
  EXPECT_EQ(session.store.Get(pos::kPlayerName, 30), "P04");
  EXPECT_EQ(settings.ReadString("Preference", "UserDefault", ""), "P04");
  EXPECT_EQ(ReadPlayers(settings), list.Names());
  EXPECT_EQ(settings.ReadString("Users", "User001", ""), "Annie");
}

TEST_F(PlayersTest, DeletingAPlayerDeletesTheStatisticsButNotTheHiScores) {
  Play(true, "Ann", "60");
  Play(true, "Bob", "50");
  Play(false, "Bob", "10", 2);
  PlayerList list({"Ann", "Bob"}, "Ann");
  ASSERT_TRUE(list.Delete(session, ports, "Bob"));
  EXPECT_EQ(list.Names(), (TextList{"Ann"}));
  EXPECT_EQ(Record("Bob"), FormatStatsRecord({}));
  EXPECT_EQ(Record("Bob", 2), FormatStatsRecord({}));
  EXPECT_EQ(ParseStatsRecord(Record("Ann")).won, 1);
  EXPECT_EQ(LogPlayers(), (std::vector<std::string>{"Ann"}));
  EXPECT_EQ(ScorePlayers(), (std::vector<std::string>{"Ann", "Bob"}));
}

}  // namespace
}  // namespace cardoria
