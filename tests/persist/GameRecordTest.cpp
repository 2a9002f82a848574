// Recording a finished game in all four files, and what a failed write leaves:
// every file exactly as it was.

#include "persist/GameRecord.h"

#include <functional>

#include "persist/HiScores.h"
#include "persist/OverallScore.h"
#include "persist/Players.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class GameRecordTest : public test::StatsTest {
 protected:
  // Four players' games in two game numbers: every file exists.
  void Prepare() {
    std::filesystem::remove_all(dir / "DATA");
    files.renamesLeft = -1;
    int score = 20;
    for (const char* player : {"Ann", "Bob", "Anne"}) {
      for (int game : {1, 2}) {
        ASSERT_TRUE(RecordGameResult(session, Result(true, game, player, std::to_string(score += 7)), ports));
        ASSERT_TRUE(RecordGameResult(session, Result(false, game, player, "3"), ports));
      }
    }
    messages.shown.clear();
  }
};

TEST_F(GameRecordTest, AFinishedGameReachesEveryFile) {
  session.store.Set(pos::kRunWins, 4, "0002");
  ASSERT_TRUE(RecordGameResult(session, Result(true, 1, "Ann", "45", 300), ports));
  EXPECT_EQ(ReadValue(files, Path(kStatFile), "0001", "Ann", ""),
            "000001 000000 000001 000000 000001 000000 000000000045 000000000000");
  const TextList log = SplitLines(Read(kStatLogFile));
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].substr(112, 7), "Won  01");
  EXPECT_EQ(ParseHiScoreEntry(ReadHiScores(session, ports, 1)[3]).player, "Ann");  // after 52, 49 and 46
  ASSERT_EQ(ReadOverallRanking(session, ports).size(), 1u);
  EXPECT_EQ(ReadOverallRanking(session, ports)[0].totalScore, 45);
  EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0003");
  ASSERT_EQ(view.shown.size(), 1u);
  EXPECT_EQ(view.shown[0].rank, 3);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GameRecordTest, AWriteThatFailsBeforeItsRenameLeavesEveryFileAsItWas) {
  struct Operation {
    const char* name;
    std::function<bool()> run;
  };
  const Operation operations[] = {
      {"record a new player", [&] { return RecordGameResult(session, Result(true, 1, "Cid", "60"), ports); }},
      {"record a known player", [&] { return RecordGameResult(session, Result(true, 2, "Bob", "90"), ports); }},
      {"clear a player", [&] { return ClearStatistics(session, ports, kAllGames, "Ann"); }},
      {"clear a game", [&] { return ClearStatistics(session, ports, 1, ""); }},
      {"clear everything", [&] { return ClearStatistics(session, ports, kAllGames, ""); }},
      {"rename", [&] { return RenamePlayer(session, ports, "Ann", "Anna"); }},
      {"rename onto", [&] { return RenamePlayer(session, ports, "Ann", "Bob"); }},
      {"delete",
       [&] {
         return PlayerList({"Ann", "Bob"}, "Ann").Delete(session, ports, "Bob");
       }},
      {"clear hi-scores of a player", [&] { return ClearHiScores(session, ports, kAllGames, "Ann"); }},
      {"clear all hi-scores", [&] { return ClearHiScores(session, ports, kAllGames, ""); }},
  };
  for (const Operation& op : operations) {
    int renames = 0;
    for (;; ++renames) {
      Prepare();
      const auto before = Snapshot();
      const std::string runWins = session.store.Get(pos::kRunWins, 4);
      files.renamesLeft = renames;
      files.failures = 0;
      files.abandoned.clear();
      files.failedTargets.clear();
      const bool done = op.run();
      if (files.failures == 0) {
        EXPECT_TRUE(done) << op.name;
        EXPECT_NE(Snapshot(), before) << op.name;
        break;
      }
      EXPECT_FALSE(done) << op.name << " failing rename " << renames;
      EXPECT_EQ(Snapshot(), before) << op.name << " failing rename " << renames;
      EXPECT_EQ(session.store.Get(pos::kRunWins, 4), runWins) << op.name;
      ASSERT_FALSE(messages.shown.empty()) << op.name;
      // The message names the file that could not be written.
      EXPECT_TRUE(messages.shown.back().text.starts_with("Write error on file " + files.failedTargets.at(0)))
          << op.name << ": " << messages.shown.back().text;
      EXPECT_NE(files.abandoned.at(0), "<missing>") << op.name;
    }
    EXPECT_GT(renames, 0) << op.name << " never writes through a temporary file";
  }
}

}  // namespace
}  // namespace cardoria
