#include "core/LanguageStrings.h"

#include <gtest/gtest.h>

namespace cardoria {
namespace {

TEST(LanguageStrings, NumberedFromTheLanguageBase) {
  EXPECT_EQ(LanguageString(kEnglishLanguage, 1601), "Save game");
  EXPECT_EQ(LanguageString(kEnglishLanguage, 2009), "Won");
  EXPECT_EQ(LanguageString(kEnglishLanguage, 2010), "Lost");
  EXPECT_EQ(LanguageString(30000, 1602), "Open game");  // a language we lack falls back to English
  EXPECT_EQ(LanguageString(kEnglishLanguage, 9999), "");
}

}  // namespace
}  // namespace cardoria
