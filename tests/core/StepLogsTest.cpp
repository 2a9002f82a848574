#include "core/StepLogs.h"

#include <gtest/gtest.h>

namespace cardoria {
namespace {

TEST(StepLogs, DropLastAndLast) {
  struct Case {
    const char* log;
    const char* afterDrop;
    const char* last;
  } cases[] = {
      {"001,002,", "001,", "002"},   {"001,", "", "001"},   {"", "", ""},
      {"001,,003,", "001,,", "003"}, {"001,,", "001,", ""}, {"001003,", "", "001003"},
  };
  for (const auto& c : cases) {
    StepLogs logs;
    logs.Set(kUndoLog, c.log);
    EXPECT_EQ(logs.Last(kUndoLog), c.last) << c.log;
    logs.DropLast(kUndoLog);
    EXPECT_EQ(logs.Text(kUndoLog), c.afterDrop) << c.log;
  }
}

TEST(StepLogs, TagsAreCountedAndFound) {
  StepLogs logs;
  logs.Set(kRedoLog, "003,001003,");
  EXPECT_EQ(logs.Count(kRedoLog, 3), 2);
  EXPECT_TRUE(logs.LastHas(kRedoLog, 1));
  EXPECT_FALSE(logs.LastHas(kRedoLog, 30));
  logs.Set(kRedoLog, "030,");  // "003" must not be found across a tag boundary
  EXPECT_FALSE(logs.LastHas(kRedoLog, 3));
  EXPECT_EQ(logs.Count(kRedoLog, 3), 0);
  EXPECT_EQ(logs.Text(kUndoLog), "");  // the logs are separate
}

TEST(StepLogs, AppendTagAndMove) {
  StepLogs logs;
  logs.Append(kUndoLog, "");
  logs.Append(kUndoLog, "001");
  logs.Append(kUndoLog, "");
  EXPECT_EQ(logs.Text(kUndoLog), ",001,,");
  EXPECT_EQ(logs.Length(kUndoLog), 6);
  logs.TagLast(7);
  EXPECT_EQ(logs.Text(kUndoLog), ",001,007,");
  logs.MoveLast(kUndoLog);
  EXPECT_EQ(logs.Text(kUndoLog), ",007,");
  logs.Clear(kUndoLog);
  EXPECT_EQ(logs.Length(kUndoLog), 0);
}

}  // namespace
}  // namespace cardoria
