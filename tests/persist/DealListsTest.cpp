#include "persist/DealLists.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "engine/PlayPorts.h"
#include "persist/FileSystem.h"
#include "persist/Statistics.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

// A log line as the statistics write it; `day` and `minute` order the lines.
std::string Logged(const std::string& game, const std::string& player, bool won, const std::string& deal, int day,
                   int minute = 0) {
  GameResult r;
  r.won = won;
  r.endTime = MakeDateTime(2024, 3, day, 10, minute, 0);
  r.gameNumber = 1;
  r.gameName = game;
  r.player = player;
  r.scoreScheme = "01";
  r.score = "-52";
  r.dealNumber = deal;
  return FormatGameLogLine(r);
}

std::vector<std::string> Deals(const std::vector<DealRow>& rows) {
  std::vector<std::string> deals;
  for (const DealRow& row : rows) deals.push_back(row.dealNumber);
  return deals;
}

const std::string kA = "0000000000042", kB = "0000000000007", kC = "1234567890123";

TEST(LostGames, OneRowPerDealLostAndNeverWonNewestFirst) {
  const TextList log = {
      Logged("Klondike", "Ann", false, kA, 1),  // lost by Ann twice and by Bob once
      Logged("Klondike", "Bob", false, kA, 2),  //
      Logged("Klondike", "Ann", false, kA, 3),  //
      Logged("Klondike", "Bob", false, kB, 4),  // lost, then won by someone else
      Logged("Klondike", "Cy", true, kB, 5),    //
      Logged("Klondike", "cy", true, kC, 6),    // won first, lost afterwards
      Logged("Klondike", "Ann", false, kC, 7),  //
      Logged("Freecell", "Ann", false, kB, 8),  // another game
      Logged("Klondike", "Bob", false, kC, 9, 30), Logged("Klondike", "Dee", false, "0000000000099", 2, 5),
  };
  const std::vector<DealRow> rows = LostGames(log, "Klondike  ");
  EXPECT_EQ(Deals(rows), (std::vector<std::string>{"0000000000099", kA}));
  // The loss that sorts first by player, then by date, stands for the deal.
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].player, "Dee");
  EXPECT_EQ(rows[1].player, "Ann");
  EXPECT_EQ(rows[1].date, "20240301");
  EXPECT_EQ(rows[1].time, "10:00:00");
  EXPECT_FALSE(rows[1].won);

  EXPECT_EQ(Deals(LostGames(log, "Freecell")), (std::vector<std::string>{kB}));
  EXPECT_TRUE(LostGames(log, "Spider").empty());
  EXPECT_TRUE(LostGames({}, "Klondike").empty());
}

TEST(LostGames, ShortAndOddLinesNeitherCrashNorCount) {
  const std::string full = Logged("Klondike", "Ann", false, kA, 1);
  const TextList log = {
      "",
      "2024",
      full.substr(0, 40),
      full.substr(0, 120),  // cut before the deal number: no game of its own
      full.substr(0, 133),  // cut inside the deal number
      Logged("Klondike", "Ann", false, kB, 2),
  };
  const std::vector<DealRow> rows = LostGames(log, "Klondike");
  // Lines cut after the game name still name it: those without a number are
  // one deal, the one with part of a number another.
  EXPECT_EQ(Deals(rows), (std::vector<std::string>{kB, "000000       ", std::string(13, ' ')}));
}

TEST(PreviousGames, NewestFirstUpToAHundredRows) {
  TextList log;
  for (int i = 0; i < 130; ++i)
    log.push_back(Logged(i % 2 ? "Klondike" : "Freecell", "Ann", i % 3 == 0, ZeroPad(i, 13), 1 + i % 28));
  const std::vector<DealRow> rows = PreviousGames(log);
  ASSERT_EQ(rows.size(), 100u);
  EXPECT_EQ(rows[0].dealNumber, ZeroPad(129, 13));
  EXPECT_EQ(rows[0].game, "Klondike");
  EXPECT_TRUE(rows[0].won);
  EXPECT_EQ(rows[0].player, "Ann");
  EXPECT_EQ(rows[0].date, "20240318");
  EXPECT_FALSE(rows[1].won);
  EXPECT_EQ(rows[99].dealNumber, ZeroPad(30, 13));

  // Short lines give short rows; blank lines are left out.
  const std::vector<DealRow> few = PreviousGames({log[0], "", "20240301 10:0", "   "});
  ASSERT_EQ(few.size(), 2u);
  EXPECT_EQ(few[0].date, "20240301");
  EXPECT_EQ(few[0].time, "10:0");
  EXPECT_EQ(few[0].game, "");
  EXPECT_EQ(few[0].dealNumber, "");
  EXPECT_FALSE(few[0].won);
  EXPECT_EQ(few[1].dealNumber, ZeroPad(0, 13));
}

TEST(DealLists, AMissingLogGivesNoLines) {
  test::TempDir dir;
  Session session;
  session.programDir = dir.Path();
  FileSystem files;
  EXPECT_TRUE(ReadGameLogLines(session, files).empty());
  dir.Write("DATA/STAT_LOG.DAT", Logged("Klondike", "Ann", false, kA, 1) + "\r\n");
  const TextList lines = ReadGameLogLines(session, files);
  EXPECT_EQ(Deals(LostGames(lines, "Klondike")), (std::vector<std::string>{kA}));
}

TEST(DealNumberText, DigitsOnlyPaddedToThirteenAndZeroIgnored) {
  using Kind = DealNumberText::Kind;
  struct Case {
    const char* text;
    Kind kind;
    const char* deal;
  } cases[] = {
      {"42", Kind::Deal, "0000000000042"},
      {" 42 ", Kind::Deal, "0000000000042"},
      {"1234567890123", Kind::Deal, "1234567890123"},
      {"991234567890123", Kind::Deal, "1234567890123"},  // the last 13 digits
      {"0", Kind::Nothing, ""},
      {"0000", Kind::Nothing, ""},
      {"", Kind::Nothing, ""},
      {"   ", Kind::Nothing, ""},
      {"12a", Kind::NotDigits, ""},
      {"-5", Kind::NotDigits, ""},
      {"4 2", Kind::NotDigits, ""},
  };
  for (const auto& c : cases) {
    const DealNumberText read = ReadDealNumberText(c.text);
    EXPECT_EQ(read.kind, c.kind) << '"' << c.text << '"';
    EXPECT_EQ(read.deal, c.deal) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace cardoria
