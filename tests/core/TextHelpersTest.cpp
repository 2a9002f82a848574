#include "core/TextHelpers.h"

#include <gtest/gtest.h>

namespace cardoria {
namespace {

TEST(ZeroPad, PadsMovesTheSignAndOverflowsToAsterisks) {
  struct Case {
    long long value;
    int width;
    const char* expected;
  } cases[] = {
      {7, 3, "007"}, {-5, 3, "-05"}, {1234, 3, "***"}, {0, 4, "0000"}, {-100, 3, "***"}, {108, 3, "108"}, {5, 0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ZeroPad(c.value, c.width), c.expected) << c.value << " in " << c.width;
}

TEST(TextHelpers, RightStrPadRightAndTrims) {
  EXPECT_EQ(RightStr("abcdef", 2), "ef");
  EXPECT_EQ(RightStr("abc", 0), "");
  EXPECT_EQ(RightStr("abc", 9), "abc");
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
  EXPECT_EQ(PadRight("abcdef", 3), "abc");
  // Only the space character is trimmed.
  EXPECT_EQ(TrimLeftSpaces("  \tx "), "\tx ");
  EXPECT_EQ(TrimRightSpaces(" x\t  "), " x\t");
  EXPECT_EQ(TrimRightSpaces("    "), "");
}

TEST(TextHelpers, ColumnsOfAShortLineReadWhatIsThere) {
  struct Case {
    const char* line;
    int first, count;
    const char* expected;
  } cases[] = {
      {"abcdef", 2, 3, "bcd"},  // inside
      {"abcdef", 5, 4, "ef"},   // partly covered
      {"abcdef", 6, 1, "f"},    // the last column
      {"abcdef", 7, 1, ""},     // just past the end
      {"abc", 128, 13, ""},     // far past the end
      {"", 1, 2, ""},           // empty line
      {"abc", 0, 2, ""},        // no column 0
      {"abc", 1, 0, ""},        // nothing asked
      {"abc", 2, -4, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Columns(c.line, c.first, c.count), c.expected) << c.line << " " << c.first << "," << c.count;
}

TEST(TextHelpers, ReplaceRangeKeepsBothEnds) {
  EXPECT_EQ(ReplaceRange("abcdef", 3, 2, "XY"), "abXYef");
  EXPECT_EQ(ReplaceRange("abc", 4, 0, "d"), "abcd");
  EXPECT_EQ(ReplaceRange("abc", 2, 10, ""), "a");
}

TEST(TextHelpers, SectionLinesConcatenatesRepeatedSections) {
  const TextList file = {"[Sect1]", "a", "b", "[Sect2]", "c", "[Sect1]", "d"};
  EXPECT_EQ(SectionLines(file, "[Sect1]"), (TextList{"a", "b", "d"}));
  EXPECT_EQ(SectionLines(file, "[Sect2]"), (TextList{"c"}));
  EXPECT_TRUE(SectionLines(file, "[Sect3]").empty());
}

TEST(TextHelpers, IndexOfTrimmedIgnoresTrailingSpaces) {
  const TextList list = {"Alice  ", "Bob", " Bob"};
  EXPECT_EQ(IndexOfTrimmed(list, "Bob   "), 1);
  EXPECT_EQ(IndexOfTrimmed(list, "Alice"), 0);
  EXPECT_EQ(IndexOfTrimmed(list, "Carol"), -1);
}

TEST(TextHelpers, FormatHmsAndDigits) {
  EXPECT_EQ(FormatHMS(0, 1), "0:00:00");
  EXPECT_EQ(FormatHMS(3 * 3600 + 7 * 60 + 9, 2), "03:07:09");
  EXPECT_TRUE(IsAllDigits(""));
  EXPECT_TRUE(IsAllDigits("0123"));
  EXPECT_FALSE(IsAllDigits("12a"));
  EXPECT_FALSE(IsAllDigits("-1"));
}

TEST(TextHelpers, IntegerConversions) {
  EXPECT_EQ(TextToInt("007"), 7);
  EXPECT_EQ(TextToInt("-05"), -5);
  EXPECT_EQ(TextToInt("  12"), 12);
  EXPECT_EQ(TextToInt("abc"), 0);
  EXPECT_EQ(TextToIntDef(" 42abc ", 9), 42);
  EXPECT_EQ(TextToIntDef("", 9), 9);
  EXPECT_EQ(TextToIntDef("99999999999", 9), 9);
  EXPECT_EQ(TextToIntDef("-2147483648", 9), -2147483648);
}

}  // namespace
}  // namespace cardoria
