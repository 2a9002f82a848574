// cardoria-cli as a script uses it.

#include <gtest/gtest.h>
#include <filesystem>

#include "core/Cards.h"
#include "support/PlayFixture.h"
#include "support/PressSearch.h"
#include "support/RunCommand.h"
#include "support/Solver.h"
#include "support/TestSupport.h"

namespace {

using cardoria::test::TempDir;

using CliRun = cardoria::test::CommandRun;

CliRun Cli(const std::string& arguments) { return cardoria::test::RunCommand("'" CARDORIA_CLI "' " + arguments); }

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT"); }
  CliRun Run(const std::string& arguments) { return Cli("--program-dir '" + dir.Path() + "' " + arguments); }
  TempDir dir;
};

TEST_F(CliTest, ListsTheGamesAndTheirRules) {
  const CliRun games = Run("games");
  EXPECT_EQ(games.exitCode, 0);
  EXPECT_TRUE(games.output.starts_with("1 4 Freecell\n2 5 Klondike\n")) << games.output;
  const CliRun rules = Run("rules 2");
  EXPECT_EQ(rules.exitCode, 0);
  EXPECT_NE(rules.output.find("\n281 TableauCount = 7\n"), std::string::npos) << rules.output;
  EXPECT_NE(rules.output.find("\n294 TableauDealCount[6] = 7\n"), std::string::npos) << rules.output;
  EXPECT_EQ(rules.output.find(" = 0\n"), std::string::npos);
}

TEST_F(CliTest, DealsAsTheProgramDoes) {
  const CliRun deal = Run("deal 2 1");
  ASSERT_EQ(deal.exitCode, 0) << deal.output;
  EXPECT_TRUE(deal.output.starts_with("DealList: 040 004 043 039 015 006 016 045 018 035 034 007")) << deal.output;
  EXPECT_NE(deal.output.find("\nMazzo: 0400004004300390"), std::string::npos) << deal.output;
  EXPECT_NE(deal.output.find("\nFila1: 0211\nFila2: 00200411\n"), std::string::npos) << deal.output;
  EXPECT_NE(deal.output.find("\nFila7: 0290047003100200050003600011\n"), std::string::npos) << deal.output;
  EXPECT_EQ(deal.output.find("Dest1"), std::string::npos);
}

TEST_F(CliTest, ACatalogueCutShortInsideItsRuleRowsIsDamaged) {
  const std::string whole = dir.Read("GAMES.DAT");
  const auto rows = whole.find("[Sect2]");
  ASSERT_NE(rows, std::string::npos);
  for (const std::size_t cut : {whole.find("\n0200 ", rows) + 1, whole.find("\n0200 ", rows) + 40}) {
    dir.Write("GAMES.DAT", whole.substr(0, cut));
    const CliRun deal = Run("deal 1 1");
    EXPECT_EQ(deal.exitCode, 1) << deal.output;
    EXPECT_NE(deal.output.find("The game catalogue " + dir / "GAMES.DAT" + " is damaged"), std::string::npos)
        << deal.output;
    EXPECT_EQ(deal.output.find("Fila1"), std::string::npos);
  }
}

TEST_F(CliTest, PlaysAScriptOfMouseCommands) {
  dir.Write("script.txt",
            "autoplay off\n"
            "state\n"
            "drag 001 Dest1\n"
            "drag 041 Fila7\n"
            "click Mazzo\n"
            "undo\n"
            "redo\n"
            "press 5000 5000\n"
            "release\n"
            "fly 1 2\n"
            "press x y\n");
  const CliRun run = Run("play 2 1 < '" + dir / "script.txt" + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string expected =
      "ok\n"
      "score=-47 won=no passes=1 deals=0 moves=2\n"  // autoplay of a fresh install took the Ace
      "refused\n"
      "refused\n"
      "ok\n"
      "ok\n"
      "ok\n"
      "refused\n"
      "refused\n"
      "error: unknown command \"fly\"\n"
      "error: press X Y [right] [ctrl]\n";
  EXPECT_TRUE(run.output.starts_with(expected)) << run.output;
  EXPECT_TRUE(run.output.ends_with("score=-47 won=no passes=1 deals=0 moves=3\n")) << run.output;
  EXPECT_NE(run.output.find("\nDest1: 0011\n"), std::string::npos);
  EXPECT_NE(run.output.find("\nMazzo_Vis: 0321\n"), std::string::npos);
}

TEST_F(CliTest, MovesCardsIntoTheGapsOfARow) {
  dir.Write("script.txt",
            "drag 046 Fila1 11\n"  // the 7 of spades into the gap right of the 6
            "rclick 051\n"         // the Queen of spades finds the gap right of the Jack
            "rclick 051\n"
            "drag 010 Fila1 0\n"
            "show\n");
  const CliRun run = Run("play 76 1000000000001 < '" + dir / "script.txt" + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(run.output.starts_with("ok\nok\nrefused\nerror: drag CODE PILE [PLACE]\n")) << run.output;
  EXPECT_NE(run.output.find("\nFila1: 0481035100210251036100310201023100510451046105010511\n"), std::string::npos)
      << run.output;
}

TEST_F(CliTest, ScriptsSaveAndGoOnFromTheFile) {
  const std::string saved = dir / "mid game.gam";
  dir.Write("first.txt", "autoplay off\nclick Mazzo\nclick Mazzo\nsave " + saved + "\nstate\n");
  const CliRun first = Run("play 2 1 < '" + dir / "first.txt" + "'");
  ASSERT_EQ(first.exitCode, 0) << first.output;
  // Autoplay of a fresh install took the Ace before it was switched off.
  const std::string state = "score=-47 won=no passes=1 deals=0 moves=4\n";
  EXPECT_NE(first.output.find("ok\nok\nok\nok\n" + state), std::string::npos) << first.output;
  EXPECT_TRUE(dir.Read("mid game.gam").starts_with("[S-0303]0002"));

  dir.Write("empty.gam", "");
  dir.Write("second.txt", "autoplay off\nload " + saved + "\nstate\nundo\nundo\nundo\nload " + dir / "empty.gam" +
                              "\nload " + dir / "none.gam" + "\nstate\n");
  const CliRun second = Run("play 2 5 < '" + dir / "second.txt" + "'");
  ASSERT_EQ(second.exitCode, 0) << second.output;
  EXPECT_NE(second.output.find("ok\nok\n" + state +
                               "ok\nok\nok\n"
                               "error: The game file " +
                               dir / "empty.gam" +
                               " can not be used: the file is empty.\n"
                               "error: File not found: " +
                               dir / "none.gam" + "\nscore=-47 won=no passes=1 deals=0 moves=1\n"),
            std::string::npos)
      << second.output;
}

// Seconds pass at a script's word: the remembered cards hide only once more
// than ten seconds of play have passed.
TEST_F(CliTest, WaitLetsTheClockActInAGame) {
  dir.Write("wait.txt", "wait 5\nwait 6\nwait 6\nwait x\nstate\n");
  const CliRun run = Run("play 69 2026121000069 < '" + dir / "wait.txt" + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("refused\nok\nrefused\nerror: wait SECONDS\nscore=-52 won=no"), std::string::npos)
      << run.output;
}

// One line is one command and gets one answer, whatever its length or bytes.
TEST_F(CliTest, EveryScriptLineIsOneCommand) {
  const std::string script = "# " + std::string(5000, 'x') + " undo\n" +         // a long comment: no answer
                             "press 1 1" + std::string(5000, ' ') + "right\n" +  // one command
                             std::string(70000, 'a') + "\n" +                    // beyond any command
                             std::string("state\0junk\n", 11) +                  // a NUL inside
                             "state\r\n" +                                       // still read as ever
                             "state";                                            // no line end at the end
  dir.Write("script.txt", script);
  const CliRun run = Run("play 2 1 < '" + dir / "script.txt" + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output.substr(0, 500);
  const std::string state = "score=-47 won=no passes=1 deals=0 moves=2\n";
  EXPECT_TRUE(
      run.output.starts_with("refused\n"
                             "error: the line is longer than 65536 bytes\n"
                             "error: the line holds a NUL byte\n" +
                             state + state + "Mazzo: "))
      << run.output.substr(0, 500);
}

TEST_F(CliTest, AMonteCarloDealIsWonByClicks) {
  cardoria::test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(28, "1000000000001"));
  cardoria::test::PressSearch search(5000);
  const auto presses = search.Solve(play.session);
  ASSERT_TRUE(presses.has_value());
  std::string script = "select 999\nselect 000\n";
  for (const auto& press : *presses)
    script += press.card > 0 ? "select " + cardoria::CardCode(press.card) + "\n"
                             : "click " + cardoria::PileName(press.pile) + "\n";
  dir.Write("win.txt", script);
  const CliRun run = Run("play 28 1000000000001 < '" + dir / "win.txt" + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  // A card off the table, then no card at all.
  EXPECT_TRUE(run.output.starts_with("refused\nerror: select CODE\nok\n")) << run.output.substr(0, 300);
  EXPECT_EQ(run.output.find("refused", 8), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("score=208 won=yes"), std::string::npos) << run.output;
}

TEST_F(CliTest, AFreecellDealIsReplayedToAWin) {
  cardoria::test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(1, "8", true));
  cardoria::test::Solver solver(20000);
  const auto moves = solver.Solve(play.session);
  ASSERT_TRUE(moves.has_value());
  std::string script;
  for (const auto& move : *moves)
    script += "drag " + cardoria::CardCode(move.card) + " " + cardoria::PileName(move.target) + "\n";
  dir.Write("win.txt", script);
  const CliRun run = Run("play 1 8 < '" + dir / "win.txt" + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output.find("refused"), std::string::npos) << run.output;
  EXPECT_TRUE(run.output.ends_with(" won=yes passes=1 deals=0 moves=0\n") ||
              run.output.find("score=208 won=yes") != std::string::npos)
      << run.output;
  // Recorded when the last card was placed, for the player of the preferences.
  const std::string log = dir.Read("DATA/STAT_LOG.DAT");
  EXPECT_EQ(log.size(), 149u) << log;
  EXPECT_EQ(log.substr(81, 36), "Player 1                       Won  ");
  EXPECT_NE(dir.Read("DATA/STAT.DAT").find("\r\n[0001]\r\nPlayer 1=000001 000000 000001 "), std::string::npos);
}

TEST_F(CliTest, AGameGivenUpIsRecordedAsALossOfThePlayer) {
  dir.Write("quit.txt", "quit\nquit\n");
  for (int deal : {5, 6}) {
    const CliRun run = Run("play 1 " + std::to_string(deal) + " --player 'Ann B' < '" + dir / "quit.txt" + "'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("ok\nrefused\n"), std::string::npos) << run.output;
  }
  const std::string stat = dir.Read("DATA/STAT.DAT");
  EXPECT_NE(stat.find("\r\nAnn B=000000 000002 000000 000002 000000 000002 "), std::string::npos) << stat;
  const std::string log = dir.Read("DATA/STAT_LOG.DAT");
  ASSERT_EQ(log.size(), 2 * 149u);
  EXPECT_EQ(log.substr(112, 7), "Lost 01");
  EXPECT_NE(dir.Read("DATA/STAT_SCR.DAT").find("[0001]"), std::string::npos);
  EXPECT_EQ(Run("play 1 1 --player 'A=B' < '" + dir / "quit.txt" + "'").exitCode, 1);
}

TEST_F(CliTest, BadRequestsAreRefused) {
  EXPECT_EQ(Run("deal 999 1").exitCode, 1);
  EXPECT_NE(Run("deal 999 1").output.find("there is no game 999"), std::string::npos);
  EXPECT_EQ(Run("deal 2 12a").exitCode, 1);
  EXPECT_EQ(Run("rules").exitCode, 2);
  EXPECT_EQ(Run("shuffle").exitCode, 2);
  EXPECT_EQ(Run("play 1 1 --size 10x10").exitCode, 2);
  EXPECT_EQ(Run("play 1 1 --card-size Q").exitCode, 2);
  std::filesystem::remove(dir / "GAMES.DAT");
  const CliRun missing = Run("games");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("Cannot find file:"), std::string::npos);
}

}  // namespace

// What solve prints after its two lines is a script that play wins with.
TEST_F(CliTest, SolveWritesTheMovesThatPlayReplaysToAWin) {
  struct Case {
    const char* game;
    const char* deal;
  };
  for (const Case& c : {Case{"1", "3"}, Case{"2", "3"}}) {
    SCOPED_TRACE(c.game);
    const CliRun solve = Run(std::string("solve ") + c.game + " " + c.deal + " --budget 3000");
    ASSERT_EQ(solve.exitCode, 0) << solve.output;
    ASSERT_TRUE(solve.output.starts_with("This deal can be won")) << solve.output.substr(0, 300);
    const std::size_t moves = solve.output.find('\n', solve.output.find("positions: "));
    ASSERT_NE(moves, std::string::npos);
    const std::string script = solve.output.substr(moves + 1);
    ASSERT_FALSE(script.empty());
    dir.Write("solution.txt", script);
    const CliRun run = Run(std::string("play ") + c.game + " " + c.deal + " < '" + dir / "solution.txt" + "'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("refused"), std::string::npos) << run.output.substr(0, 600);
    EXPECT_NE(run.output.find(" won=yes "), std::string::npos) << run.output;
  }
  EXPECT_EQ(Run("solve 1 3 --budget 0").exitCode, 2);
  EXPECT_EQ(Run("solve 1 3 --budget").exitCode, 2);
  const CliRun memory = Run("solve 66 1");
  EXPECT_TRUE(
      memory.output.starts_with("The solver cannot judge this game. It is played on what the player remembers "
                                "of the hidden cards.\npositions: 0\n"))
      << memory.output;
}

// A demo file is a win played out and saved: the same deal always gives the
// same bytes, the program loads it, and its history winds back to the deal.
TEST_F(CliTest, SolveRecordsAWinAsADemoFileTheSameEachTime) {
  const std::string first = dir / "first.GAM";
  const std::string second = dir / "second.GAM";
  ASSERT_EQ(Run("solve 2 3 --budget 3000 --demo '" + first + "'").exitCode, 0);
  ASSERT_EQ(Run("solve 2 3 --budget 3000 --demo '" + second + "'").exitCode, 0);
  const std::string recorded = dir.Read("first.GAM");
  ASSERT_FALSE(recorded.empty());
  EXPECT_EQ(recorded, dir.Read("second.GAM"));

  const std::string dealt = Run("deal 2 3").output;
  ASSERT_NE(dealt.find("Mazzo: "), std::string::npos) << dealt;
  const std::string table = dealt.substr(dealt.find("Mazzo: "));
  ASSERT_NE(table.find("Fila7: "), std::string::npos) << dealt;
  std::string script = "load " + first + "\n";
  // More undos than the recording holds: the ones past its start are refused.
  for (int i = 0; i < 400; ++i) script += "undo\n";
  script += "show\n";
  dir.Write("wind.txt", script);
  const CliRun wound = Run("play 2 3 < '" + dir / "wind.txt" + "'");
  ASSERT_EQ(wound.exitCode, 0) << wound.output;
  EXPECT_EQ(wound.output.find("error"), std::string::npos) << wound.output.substr(0, 300);
  EXPECT_NE(wound.output.find(table), std::string::npos) << wound.output.substr(wound.output.size() - 900);

  const std::string nothing = dir / "memory.GAM";
  EXPECT_NE(Run("solve 66 1 --demo '" + nothing + "'").exitCode, 0);
  EXPECT_FALSE(std::filesystem::exists(nothing));
}
