#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace cardoria {
namespace {

CommandLine Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "cardoria");
  return ParseCommandLine(args);
}

TEST(CommandLine, Options) {
  EXPECT_TRUE(Parse({"--help"}).help);
  EXPECT_TRUE(Parse({"--version"}).version);
  EXPECT_EQ(Parse({"--program-dir", "/tmp/x"}).programDir, "/tmp/x");
  EXPECT_EQ(Parse({"--program-dir=/tmp/y"}).programDir, "/tmp/y");
  EXPECT_EQ(Parse({"--screenshot", "out.png"}).screenshot, "out.png");
  EXPECT_EQ(Parse({"-platform", "offscreen"}).error, "");  // window-system options pass through
  EXPECT_EQ(Parse({"--game", "4", "--deal", "0000000012345"}).game, 4);
  EXPECT_EQ(Parse({"--game", "4", "--deal", "0000000012345"}).deal, "0000000012345");
  EXPECT_EQ(Parse({"--open", "my game.gam"}).open, "my game.gam");
}

TEST(CommandLine, Errors) {
  EXPECT_EQ(Parse({"--program-dir"}).error, "--program-dir needs a value");
  EXPECT_EQ(Parse({"--screenshot="}).error, "--screenshot= needs a value");
  EXPECT_EQ(Parse({"--bogus"}).error, "unknown option --bogus");
  EXPECT_EQ(Parse({"--open"}).error, "--open needs a value");
  EXPECT_EQ(Parse({"--game", "four"}).error, "--game takes a game number");
  EXPECT_EQ(Parse({"--deal", "12345678901234"}).error, "--deal takes a deal number of up to 13 digits");
}

}  // namespace
}  // namespace cardoria
