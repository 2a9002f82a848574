// cardoria-cli as a script uses it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "support/TestSupport.h"

namespace {

using cardoria::test::TempDir;

struct CliRun {
  int exitCode;
  std::string out;
};

CliRun Cli(const std::string& arguments) {
  const std::string command = "'" CARDORIA_CLI "' " + arguments + " 2>&1";
  CliRun run{-1, {}};
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe)) run.out += buffer.data();
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT"); }
  CliRun Run(const std::string& arguments) { return Cli("--program-dir '" + dir.Path() + "' " + arguments); }
  TempDir dir;
};

TEST_F(CliTest, ListsTheGamesAndTheirRules) {
  const CliRun games = Run("games");
  EXPECT_EQ(games.exitCode, 0);
  EXPECT_TRUE(games.out.starts_with("1 4 Freecell\n2 5 Klondike\n")) << games.out;
  const CliRun rules = Run("rules 2");
  EXPECT_EQ(rules.exitCode, 0);
  EXPECT_NE(rules.out.find("\n281 TableauCount = 7\n"), std::string::npos) << rules.out;
  EXPECT_NE(rules.out.find("\n294 TableauDealCount[6] = 7\n"), std::string::npos) << rules.out;
  EXPECT_EQ(rules.out.find(" = 0\n"), std::string::npos);
}

TEST_F(CliTest, DealsAsTheProgramDoes) {
  const CliRun deal = Run("deal 2 1");
  ASSERT_EQ(deal.exitCode, 0) << deal.out;
  EXPECT_TRUE(deal.out.starts_with("DealList: 040 004 043 039 015 006 016 045 018 035 034 007")) << deal.out;
  EXPECT_NE(deal.out.find("\nMazzo: 0400004004300390"), std::string::npos) << deal.out;
  EXPECT_NE(deal.out.find("\nFila1: 0211\nFila2: 00200411\n"), std::string::npos) << deal.out;
  EXPECT_NE(deal.out.find("\nFila7: 0290047003100200050003600011\n"), std::string::npos) << deal.out;
  EXPECT_EQ(deal.out.find("Dest1"), std::string::npos);
}

TEST_F(CliTest, BadRequestsAreRefused) {
  EXPECT_EQ(Run("deal 999 1").exitCode, 1);
  EXPECT_NE(Run("deal 999 1").out.find("there is no game 999"), std::string::npos);
  EXPECT_EQ(Run("deal 2 12a").exitCode, 1);
  EXPECT_EQ(Run("rules").exitCode, 2);
  EXPECT_EQ(Run("shuffle").exitCode, 2);
  std::filesystem::remove(dir / "GAMES.DAT");
  const CliRun missing = Run("games");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.out.find("Cannot find file:"), std::string::npos);
}

}  // namespace
