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
}

TEST(CommandLine, Errors) {
  EXPECT_EQ(Parse({"--program-dir"}).error, "--program-dir needs a value");
  EXPECT_EQ(Parse({"--screenshot="}).error, "--screenshot= needs a value");
  EXPECT_EQ(Parse({"--bogus"}).error, "unknown option --bogus");
}

}  // namespace
}  // namespace cardoria
