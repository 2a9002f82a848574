// The hi-score tables: the invented results, where a result enters, clearing
// and the conversion of older files.

#include "persist/HiScores.h"

#include "persist/OverallScore.h"
#include "persist/SectionFile.h"
#include "persist/Statistics.h"
#include "platform/IniProfile.h"
#include "support/StatsFixture.h"

namespace cardoria {
namespace {

class HiScoresTest : public test::StatsTest {
 protected:
  HiScoreOffer Offer(int score, int elapsed, const std::string& player = "Ann", int game = 1) const {
    HiScoreOffer offer;
    offer.game = game;
    offer.player = player;
    offer.dateTime = MakeDateTime(2024, 3, 6, 10, 0, 0);
    offer.elapsedSeconds = elapsed;
    offer.score = score;
    offer.won = true;
    offer.dealNumber = "0000000000042";
    return offer;
  }
  std::vector<std::string> Players(const TextList& table) const {
    std::vector<std::string> players;
    for (const std::string& entry : table) players.push_back(ParseHiScoreEntry(entry).player);
    return players;
  }
};

TEST_F(HiScoresTest, InventedScoresFollowTheGamesRules) {
  struct Case {
    int maxScore, cards;
    std::vector<int> first, last;  // ranks 1-3 and 13-15, 20
  };
  const Case cases[] = {
      {-1, 52, {52, 49, 46}, {16, 14, 12, 2}},  {-1, 104, {104, 98, 92}, {32, 27, 22, 1}},
      {60, 52, {30, 27, 24}, {1, 1, 1, 1}},     {40, 52, {20, 18, 16}, {1, 1, 1, 1}},
      {200, 52, {52, 49, 46}, {16, 14, 12, 2}},
  };
  for (const Case& c : cases) {
    const std::vector<int> s = InventedScores(c.maxScore, c.cards);
    ASSERT_EQ(s.size(), 20u);
    EXPECT_EQ((std::vector<int>{s[0], s[1], s[2]}), c.first) << c.maxScore << " " << c.cards;
    EXPECT_EQ((std::vector<int>{s[12], s[13], s[14], s[19]}), c.last) << c.maxScore << " " << c.cards;
    EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](int v) { return v >= 1; }));
  }
  // Sixty: 30 - 3 x 9 = 3 at rank 10, then never below 1.
  EXPECT_EQ(InventedScores(60, 52)[9], 3);
}

TEST_F(HiScoresTest, AFirstReadingWritesTheInventedTable) {
  const TextList table = ReadHiScores(session, ports, 1);
  ASSERT_EQ(table.size(), 20u);
  EXPECT_EQ(table[0],
            "000052 000260 20240305 14:07:09 * Alice" + std::string(23, ' ') + " " + "000000000000000 Won  x");
  EXPECT_EQ(table[1].substr(0, 13), "000049 000245");
  for (const std::string& entry : table) EXPECT_EQ(entry.size(), kHiScoreEntryLength);
  EXPECT_EQ(ReadValue(files, Path(kHiScoreFile), "0001", "01-20", ""), TrimRightSpaces(table[19]));
  EXPECT_TRUE(Read(kHiScoreFile).starts_with("[Version]\r\nVersion=0300\r\n"));
}

TEST_F(HiScoresTest, AResultGoesBeforeTheFirstEntryItBeats) {
  struct Case {
    int score, elapsed, rank;
  };
  // Rank 5 of the invented table: 40 points in 200 seconds.
  const Case cases[] = {
      {40, 200, 5}, {40, 199, 4}, {41, 500, 4}, {53, 1, 0}, {2, 10, -1}, {1, 0, -1}, {2, 9, 19},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(dir / "DATA");
    const TextList before = ReadHiScores(session, ports, 1);
    EXPECT_EQ(OfferHiScore(session, ports, Offer(c.score, c.elapsed)), c.rank) << c.score << " " << c.elapsed;
    const TextList after = ReadHiScores(session, ports, 1);
    if (c.rank < 0) {
      EXPECT_EQ(after, before);
      continue;
    }
    EXPECT_EQ(ParseHiScoreEntry(after[static_cast<std::size_t>(c.rank)]).player, "Ann");
    EXPECT_EQ(ParseHiScoreEntry(after[static_cast<std::size_t>(c.rank)]).dealNumber, "0000000000042");
    EXPECT_EQ(after[19], c.rank == 19 ? after[19] : before[18]);  // the last one drops out
  }
  ASSERT_FALSE(view.shown.empty());
  EXPECT_EQ(view.shown.back().caption, "Congratulations! Your score has made the Freecell Hi-Scores list!");
  EXPECT_EQ(view.shown.back().rank, 19);
  session.store.Set(186, 1, "N");
  view.shown.clear();
  OfferHiScore(session, ports, Offer(99, 1));
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(HiScoresTest, PlayerNamesFillTheirThirtyColumns) {
  const std::string thirty(30, 'n');
  ASSERT_EQ(OfferHiScore(session, ports, Offer(90, 1, thirty)), 0);
  ASSERT_EQ(OfferHiScore(session, ports, Offer(91, 1, thirty + "cut")), 0);
  const TextList table = ReadHiScores(session, ports, 1);
  EXPECT_EQ(table[0].substr(32, 31), thirty + " ");
  EXPECT_EQ(table[1].substr(32, 31), thirty + " ");
}

TEST_F(HiScoresTest, ClearingAllLeavesOnlyRealResultsForGood) {
  OfferHiScore(session, ports, Offer(60, 10));
  ASSERT_TRUE(ClearHiScores(session, ports, kAllGames, ""));
  EXPECT_EQ(Read(kHiScoreFile), "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
  EXPECT_FALSE(files.Exists(Path(kOverallFile)));
  EXPECT_EQ(OfferHiScore(session, ports, Offer(3, 10, "Ann", 2)), 0);
  const TextList table = ReadHiScores(session, ports, 2);
  EXPECT_EQ(ParseHiScoreEntry(table[0]).score, "000003");
  EXPECT_TRUE(ParseHiScoreEntry(table[1]).blank);
  EXPECT_EQ(table[1], EmptyHiScoreEntry());
}

TEST_F(HiScoresTest, ClearingAPlayerMovesTheOthersUpAndTakesTheGameOutOfTheOverallScore) {
  OfferHiScore(session, ports, Offer(70, 10, "Bob"));
  OfferHiScore(session, ports, Offer(60, 10, "Ann"));
  OfferHiScore(session, ports, Offer(50, 10, "Ann"));
  ASSERT_EQ(ReadOverallRanking(session, ports).size(), 2u);
  ASSERT_TRUE(ClearHiScores(session, ports, 1, "Ann"));
  const TextList table = ReadHiScores(session, ports, 1);
  const std::vector<std::string> players = Players(table);
  EXPECT_EQ(players[0], "Bob");
  EXPECT_EQ(players[1], "* Alice");
  EXPECT_TRUE(ParseHiScoreEntry(table[18]).blank);
  EXPECT_EQ(std::count(players.begin(), players.end(), "Ann"), 0);
  const auto ranking = ReadOverallRanking(session, ports);
  ASSERT_EQ(ranking.size(), 1u);
  EXPECT_EQ(ranking[0].player, "Bob");

  // Everybody's entries of one game: the table comes back invented.
  ASSERT_TRUE(ClearHiScores(session, ports, 1, ""));
  EXPECT_EQ(Players(ReadHiScores(session, ports, 1))[0], "* Alice");
  EXPECT_TRUE(BlankHiScores(session, ports, 3));
  EXPECT_EQ(ReadValue(files, Path(kHiScoreFile), "0003", "01-01", "-"), std::string(84, ' ') + "x");
}

TEST_F(HiScoresTest, AnOlderFileIsConvertedAndItsPreferencesUpdated) {
  const std::string oldEntry =
      "01-01=000052 000260 19990101 10:00:00 Ann" + std::string(27, ' ') + " 000000000000001 Won";
  Write(kHiScoreFile, "[Version]\r\nVersion=0200\r\n[0001]\r\n" + oldEntry + "\r\n");
  dir.Write("CFG.DAT", "[Preference]\nCards_Animate=S\nConfirmQuit=N\n");
  IniProfile settings(dir / "CFG.DAT");
  ASSERT_TRUE(UpgradeHiScoreFile(session, ports, settings));
  EXPECT_EQ(Read(kHiScoreFile), "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n" + PadRight(oldEntry, 89) + " x\r\n");
  EXPECT_EQ(settings.ReadString("Preference", "Cards_Animate", ""), "Y");
  EXPECT_EQ(settings.ReadString("Preference", "ConfirmQuit", ""), "N");
  // Once converted it stays as it is.
  const std::string converted = Read(kHiScoreFile);
  ASSERT_TRUE(UpgradeHiScoreFile(session, ports, settings));
  EXPECT_EQ(Read(kHiScoreFile), converted);
}

}  // namespace
}  // namespace cardoria
