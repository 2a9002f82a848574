#include "platform/IniProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::TempDir;

TEST(IniProfile, MissingFileSectionOrKeyReadsTheDefault) {
  TempDir dir;
  IniProfile profile(dir / "none.ini");
  EXPECT_EQ(profile.ReadString("Preference", "Game", "dflt"), "dflt");
  EXPECT_EQ(profile.ReadInt("Preference", "Game", 7), 7);
  EXPECT_FALSE(dir.Exists("none.ini"));  // reading never creates it
}

TEST(IniProfile, NamesIgnoreCaseAndValuesAreTrimmed) {
  TempDir dir;
  dir.Write("p.ini", "[Preference]\r\n  Game_Name =  Klondike  \r\nGame=12x\r\n[preference ]\r\nLate=yes\r\n");
  IniProfile profile(dir / "p.ini");
  EXPECT_EQ(profile.ReadString("PREFERENCE", "game_name", ""), "Klondike");
  EXPECT_EQ(profile.ReadInt("preference", "GAME", 0), 12);
  EXPECT_EQ(profile.ReadString("Preference", "Late", ""), "yes");  // found in the repeated section
}

TEST(IniProfile, LenientIntegers) {
  TempDir dir;
  dir.Write("p.ini", "[S]\na=-2147483633\nb=abc\nc=\nd= 42 \ne=99999999999\nf=+5\n");
  IniProfile profile(dir / "p.ini");
  EXPECT_EQ(profile.ReadInt("S", "a", 0), -2147483633);
  EXPECT_EQ(profile.ReadInt("S", "b", 3), 3);
  EXPECT_EQ(profile.ReadInt("S", "c", 3), 3);
  EXPECT_EQ(profile.ReadInt("S", "d", 3), 42);
  EXPECT_EQ(profile.ReadInt("S", "e", 3), 3);
  EXPECT_EQ(profile.ReadInt("S", "f", 3), 5);
}

TEST(IniProfile, WritingOneKeyKeepsEveryOtherLine) {
  TempDir dir;
  const std::string original =
      "; my notes\r\n[Preference]\r\nGame_Name=Freecell\r\nnonsense line\r\nCARD = 3\r\n\r\n[Users]\r\nUser001=Ann\r\n";
  dir.Write("p.ini", original);
  IniProfile profile(dir / "p.ini");
  ASSERT_TRUE(profile.WriteString("preference", "card", "5"));
  ASSERT_TRUE(profile.WriteString("Preference", "Cursor", "12"));
  ASSERT_TRUE(profile.WriteString("Show_Messages", "Screen_Under_256_Colors", "N"));
  EXPECT_EQ(dir.Read("p.ini"),
            "; my notes\r\n[Preference]\r\nGame_Name=Freecell\r\nnonsense line\r\nCARD=5\r\nCursor=12\r\n\r\n"
            "[Users]\r\nUser001=Ann\r\n\r\n[Show_Messages]\r\nScreen_Under_256_Colors=N\r\n");
  IniProfile again(dir / "p.ini");
  EXPECT_EQ(again.ReadInt("Preference", "Card", 0), 5);
}

TEST(IniProfile, WritingCreatesTheFileAndLeavesNoTemporaryFiles) {
  TempDir dir;
  IniProfile profile(dir / "new.ini");
  ASSERT_TRUE(profile.WriteString("Users", "User001", "Player 1"));
  EXPECT_EQ(dir.Read("new.ini"), "[Users]\nUser001=Player 1\n");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(IniProfile, ValuesCanNotBreakIntoNewLines) {
  TempDir dir;
  IniProfile profile(dir / "p.ini");
  profile.WriteString("S", "name", "evil\n[Preference]\nGame=0");
  IniProfile again(dir / "p.ini");
  EXPECT_EQ(again.ReadString("Preference", "Game", "none"), "none");
}

TEST(IniProfile, EntriesAndDeletion) {
  TempDir dir;
  dir.Write("p.ini", "[Users]\nUser001=Ann\nuser001=Dup\nUser002=Bob\n[Other]\nX=1\n");
  IniProfile profile(dir / "p.ini");
  const auto users = profile.Entries("users");
  ASSERT_EQ(users.size(), 2u);
  EXPECT_EQ(users[0], (std::pair<std::string, std::string>{"User001", "Ann"}));
  EXPECT_EQ(users[1].second, "Bob");
  EXPECT_TRUE(profile.DeleteKey("Users", "User002"));
  EXPECT_EQ(dir.Read("p.ini"), "[Users]\nUser001=Ann\nuser001=Dup\n[Other]\nX=1\n");
}

TEST(IniProfile, AFileThatCanNotBeReadIsNeverOverwritten) {
  TempDir dir;
  std::filesystem::create_directories(dir / "p.ini");  // a directory where the file should be
  IniProfile blocked(dir / "p.ini");
  EXPECT_FALSE(blocked.WriteString("S", "k", "v"));
}

// Damaged and hand-edited files: every one reads without failing, keys that
// can be read are read, and a write keeps the rest of the file.
TEST(IniProfile, SurvivesMalformedFiles) {
  std::string garbage(4096, '\0');
  std::mt19937 noise(7);
  for (auto& c : garbage) c = static_cast<char>(noise());
  std::string huge = "[Preference]\nGame=9\n";
  while (huge.size() < 10u << 20) huge += "Filler_Key_Without_Meaning=" + std::string(40, 'z') + "\n";
  const std::string cases[] = {
      "",
      "[Preference",
      "[Preference]\nGame",
      "[Preference]\nGame=9\n[Preference]\nGame=3\n",
      "[Preference]\nGame=9\nGame=4\n",
      "=\n==\n[]\n[ ]\nGame=1\n",
      garbage,
      garbage + "\n[Preference]\nGame=9\n",
      huge,
      "[Preference]\nGame=9\r",
      std::string("[Preference]\nGa\0me=2\nGame=9\n", 27),
  };
  TempDir dir;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string name = "case" + std::to_string(i) + ".ini";
    dir.Write(name, cases[i]);
    IniProfile profile(dir / name);
    const int game = profile.ReadInt("Preference", "Game", 1);
    EXPECT_TRUE(game == 1 || game == 9) << "case " << i << " read " << game;
    ASSERT_TRUE(profile.WriteString("Preference", "Written", "Y")) << "case " << i;
    IniProfile again(dir / name);
    EXPECT_EQ(again.ReadString("Preference", "Written", ""), "Y") << "case " << i;
    EXPECT_EQ(again.ReadInt("Preference", "Game", 1), game) << "case " << i;
  }
}

}  // namespace
}  // namespace cardoria
