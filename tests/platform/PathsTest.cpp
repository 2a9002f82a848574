#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::TempDir;

TEST(Paths, ResolvesEachExistingComponentWithoutRegardToCase) {
  TempDir dir;
  dir.Write("Data/cfg.dat", "x");
  dir.Write("Images/DB011.bmp", "x");
  struct Case {
    const char* relative;
    const char* resolved;
  } cases[] = {
      {"DATA\\CFG.DAT", "Data/cfg.dat"},
      {"data/Cfg.Dat", "Data/cfg.dat"},
      {"IMAGES\\db011.BMP", "Images/DB011.bmp"},
      {"Images\\DB012.bmp", "Images/DB012.bmp"},  // new file: the spelling given
      {"DATA\\NEW\\X.DAT", "Data/NEW/X.DAT"},     // below a new directory
      {"KRT.RGF", "KRT.RGF"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvePath(dir.Path(), c.relative), dir / c.resolved) << c.relative;
}

TEST(Paths, ExactSpellingWinsOverOtherCases) {
  TempDir dir;
  dir.Write("data/a.txt", "lower");
  dir.Write("DATA/a.txt", "upper");
  EXPECT_EQ(ResolvePath(dir.Path(), "DATA\\a.txt"), dir / "DATA/a.txt");
  EXPECT_EQ(ResolvePath(dir.Path(), "data\\a.txt"), dir / "data/a.txt");
}

TEST(Paths, ProgramDirChoiceAndTrailingSeparator) {
  EXPECT_EQ(WithTrailingSeparator("/opt/cardoria"), "/opt/cardoria/");
  EXPECT_EQ(WithTrailingSeparator("/opt/cardoria//"), "/opt/cardoria/");
  EXPECT_EQ(WithTrailingSeparator("/"), "/");
  EXPECT_EQ(ChooseProgramDir("/given", "/usr/bin/cardoria"), "/given/");
  ::unsetenv("CARDORIA_PROGRAM_DIR");
  EXPECT_EQ(ChooseProgramDir("", "/usr/games/cardoria"), "/usr/games/");
  ::setenv("CARDORIA_PROGRAM_DIR", "/from/env", 1);
  EXPECT_EQ(ChooseProgramDir("", "/usr/games/cardoria"), "/from/env/");
  ::unsetenv("CARDORIA_PROGRAM_DIR");
  EXPECT_EQ(ExecutableDir().back(), '/');
}

TEST(Paths, LongInstallationDirectoriesStayWhole) {
  TempDir dir;
  std::string deep = "DATA";
  for (int i = 0; i < 30; ++i) deep += "/a_rather_long_folder_name";
  ASSERT_TRUE(CreateDirectory(dir / deep));
  const std::string resolved = ResolvePath(dir.Path() + deep + "/", "CFG.DAT");
  EXPECT_GT(resolved.size(), 700u);
  EXPECT_EQ(resolved, dir / (deep + "/CFG.DAT"));
}

}  // namespace
}  // namespace cardoria
