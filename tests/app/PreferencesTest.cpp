#include "app/Preferences.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::FakeScreen;
using test::TempDir;

class PreferencesTest : public ::testing::Test {
 protected:
  WindowSetup Read(const std::string& preferences, ScreenInfo screen = {}) {
    dir.Write("DATA/CFG.DAT", "[Preference]\n" + preferences);
    for (const char* back : {"DB001.bmp", "DB007.bmp", "DB011.bmp"}) dir.Write(std::string("Images/") + back, "");
    session.programDir = dir.Path();
    session.settings.Open(dir / "DATA/CFG.DAT");
    return ReadPreferences(session, FakeScreen(screen));
  }
  std::string At(int position, int width) const { return session.store.Get(position, width); }

  TempDir dir;
  Session session;
};

TEST_F(PreferencesTest, DefaultsOfAFreshInstallation) {
  const WindowSetup setup = Read("");
  EXPECT_EQ(At(pos::kGameNumber, 4), "0001");
  EXPECT_EQ(At(pos::kGameName, 50), "Freecell");
  EXPECT_EQ(At(pos::kBackCard, 3), "011");
  EXPECT_EQ(At(pos::kCard, 3), "001");
  EXPECT_EQ(At(pos::kCardSize, 1), "B");
  EXPECT_EQ(At(pos::kBackgroundBmp, 4), "0");
  EXPECT_EQ(At(pos::kBackgroundCol, 15), "-2147483633");
  EXPECT_EQ(At(pos::kBackgroundFixedCol, 15), "32768");
  EXPECT_EQ(At(pos::kCustomizedBackground, 1), "N");
  EXPECT_EQ(At(pos::kLanguage, 6), "20000");
  EXPECT_EQ(At(pos::kSpeedMoveCard, 2), "10");
  EXPECT_EQ(At(pos::kCursor, 2), "10");
  EXPECT_EQ(At(pos::kUndoEnabled, 1), "0");
  EXPECT_EQ(At(pos::kScoreScheme, 2), "01");
  EXPECT_EQ(At(pos::kPlayerName, 30), "");
  EXPECT_EQ(At(251, 1), "N");  // DoubleClick_To_Tableaus
  EXPECT_EQ(At(249, 1), "Y");  // DoubleClick_To_Foundations
  EXPECT_EQ(At(252, 1), "Y");  // Sounds_Redeal_Without_Animation
  EXPECT_EQ(At(pos::kCardsShadowed, 1), "Y");
  EXPECT_FALSE(setup.toolbarLarge);
  EXPECT_TRUE(setup.toolbarFlat);
  EXPECT_TRUE(setup.autoplay);
  EXPECT_FALSE(setup.showStatusBar);
  EXPECT_TRUE(setup.undoRedoEnabled);
  EXPECT_EQ(setup.shadowSize, 9);
  EXPECT_EQ(setup.cursor, 10);
}

TEST_F(PreferencesTest, CorrectionsOfTheStoredValues) {
  struct Case {
    const char* preferences;
    int position, width;
    const char* expected;
  } cases[] = {
      {"Card_Size=M\nBack_Card=7\n", pos::kBackCard, 3, "011"},
      {"Card_Size=B\nBack_Card=7\n", pos::kBackCard, 3, "007"},
      {"Back_Card=0\n", pos::kBackCard, 3, "001"},
      {"Back_Card=300\n", pos::kBackCard, 3, "011"},
      {"Back_Card=12\n", pos::kBackCard, 3, "011"},  // a back the folder does not hold
      {"Background_Col=0\n", pos::kBackgroundCol, 15, "-2147483633"},
      {"Background_Col=255\n", pos::kBackgroundCol, 15, "255"},
      {"Background_bmp=\n", pos::kBackgroundBmp, 4, "0"},
      {"Background_bmp=B101\n", pos::kBackgroundBmp, 4, "0"},
      {"Background_bmp=512\n", pos::kBackgroundBmp, 4, "512"},
      {"Customized_Background=/home/me/felt.png\n", pos::kCustomizedBackground, 1, "Y"},
      {"Card_Size=l\n", pos::kCardSize, 1, "L"},
      {"Card_Size=XL\n", pos::kCardSize, 1, "B"},
      {"Card=9\n", pos::kCard, 3, "001"},
      {"Cursor=99\n", pos::kCursor, 2, "10"},
      {"Cursor=13\n", pos::kCursor, 2, "13"},
      {"Speed_Move_Card=-4\n", pos::kSpeedMoveCard, 2, "10"},
      {"Speed_Move_Card=0\n", pos::kSpeedMoveCard, 2, "0"},  // "Fast": no waits
      {"Speed_Move_Card=50\n", pos::kSpeedMoveCard, 2, "50"},
      {"Undo_Enabled=7\n", pos::kUndoEnabled, 1, "0"},
      {"Undo_Enabled=2\n", pos::kUndoEnabled, 1, "2"},
      {"Game=-3\n", pos::kGameNumber, 4, "-001"},  // no game
      {"Game=0\n", pos::kGameNumber, 4, "0000"},   // no game once the catalogue is checked
      {"Game=\n", pos::kGameNumber, 4, "0001"},
      {"Game=205\n", pos::kGameNumber, 4, "0205"},
      {"Game_name=\n", pos::kGameName, 50, "Freecell"},
      {"Show_Time=no\n", pos::kShowTime, 1, "N"},
      {"Show_Time=\n", pos::kShowTime, 1, "Y"},
      {"Cards_Animate=N\n", pos::kCardsShadowed, 1, "N"},
      {"Cards_Animate=N\nCards_Shadowed=Y\n", pos::kCardsShadowed, 1, "Y"},
      {"UserDefault=A name much longer than thirty characters\n", pos::kPlayerName, 30,
       "A name much longer than thirty"},
  };
  for (const auto& c : cases) {
    Session fresh;
    std::swap(session.store, fresh.store);
    Read(c.preferences);
    EXPECT_EQ(At(c.position, c.width), c.expected) << c.preferences;
  }
}

TEST_F(PreferencesTest, ALowColourScreenDefaultsToCardSetThree) {
  Read("", ScreenInfo{1024, 768, 8});
  EXPECT_EQ(At(pos::kCard, 3), "003");
}

TEST_F(PreferencesTest, WindowSetupFollowsTheSwitches) {
  const WindowSetup setup =
      Read("ToolBar_Large=Y\nToolBar_Flat=N\nAutoPlay=N\nStatusBar=Y\nUndo_Enabled=2\nCards_Shadowed=N\nShow_Time=N\n");
  EXPECT_TRUE(setup.toolbarLarge);
  EXPECT_FALSE(setup.toolbarFlat);
  EXPECT_FALSE(setup.autoplay);
  EXPECT_TRUE(setup.showStatusBar);
  EXPECT_FALSE(setup.undoRedoEnabled);
  EXPECT_EQ(setup.shadowSize, 0);
  EXPECT_FALSE(setup.showTime);
  EXPECT_TRUE(setup.showScore);
}

TEST_F(PreferencesTest, DefaultPlayersAreWrittenOnlyIntoAnEmptyList) {
  Read("");
  test::RecordingMessages messages;
  EnsureDefaultPlayer(session, messages);
  EXPECT_EQ(At(pos::kPlayerName, 30), "Player 1");
  IniProfile written(dir / "DATA/CFG.DAT");
  EXPECT_EQ(written.ReadString("Preference", "UserDefault", ""), "Player 1");
  EXPECT_EQ(written.Entries("Users").size(), 3u);
  EXPECT_EQ(written.ReadString("Users", "User003", ""), "Player 3");

  dir.Write("DATA/CFG.DAT", "[Users]\nUser001=Alice\nUser002=Bob\n[Preference]\nUserDefault=\n");
  Session other;
  other.settings.Open(dir / "DATA/CFG.DAT");
  ReadPreferences(other, FakeScreen());
  EnsureDefaultPlayer(other, messages);
  IniProfile kept(dir / "DATA/CFG.DAT");
  EXPECT_EQ(kept.ReadString("Users", "User001", ""), "Alice");
  EXPECT_EQ(kept.ReadString("Users", "User002", ""), "Bob");
  EXPECT_EQ(kept.ReadString("Users", "User003", "none"), "none");
  EXPECT_EQ(kept.ReadString("Preference", "UserDefault", ""), "Player 1");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PreferencesTest, AHandEditedPlayerThatCouldBreakTheFilesBecomesTheDefault) {
  for (const std::string& name :
       {std::string("[0001]"), std::string("Bob=x"), std::string(31, 'a'), std::string("Ann\x01")}) {
    Read("UserDefault=" + name + "\n");
    test::RecordingMessages messages;
    EnsureDefaultPlayer(session, messages);
    EXPECT_EQ(At(pos::kPlayerName, 30), "Player 1") << name;
    EXPECT_EQ(IniProfile(dir / "DATA/CFG.DAT").ReadString("Preference", "UserDefault", ""), "Player 1") << name;
    ASSERT_EQ(messages.shown.size(), 1u) << name;
    EXPECT_NE(messages.shown[0].text.find("can not be used"), std::string::npos) << messages.shown[0].text;
    EXPECT_NE(messages.shown[0].text.find("Player 1 plays instead."), std::string::npos) << messages.shown[0].text;
  }
  Read("UserDefault=Ann\n");
  test::RecordingMessages messages;
  EnsureDefaultPlayer(session, messages);
  EXPECT_EQ(At(pos::kPlayerName, 30), "Ann");
  EXPECT_TRUE(messages.shown.empty());
}

TEST(WindowState, ReadWithDefaultsAndChecks) {
  TempDir dir;
  const ScreenInfo screen{1280, 1024, 24};
  struct Case {
    const char* preferences;
    WindowState expected;
  } cases[] = {
      {"", {50, 50, 1130, 874, true}},
      {"MainWindowState_Maximized=N\nMainWindowState_Left=10\nMainWindowState_Top=20\n"
       "MainWindowState_Width=800\nMainWindowState_Height=600\n",
       {10, 20, 800, 600, false}},
      {"MainWindowState_Maximized=y\n", {50, 50, 1130, 874, false}},
      {"MainWindowState_Maximized=N\nMainWindowState_Width=5\nMainWindowState_Height=-9\n", {50, 50, 1130, 874, false}},
      {"MainWindowState_Maximized=N\nMainWindowState_Left=90000\nMainWindowState_Top=-4000\n",
       {50, 50, 1130, 874, false}},
  };
  for (const auto& c : cases) {
    dir.Write("p.ini", std::string("[Preference]\n") + c.preferences);
    EXPECT_EQ(ReadWindowState(IniProfile(dir / "p.ini"), screen), c.expected) << c.preferences;
  }
}

TEST(WindowState, WrittenBackAsTheMainWindowCloses) {
  TempDir dir;
  IniProfile profile(dir / "p.ini");
  WriteWindowState(profile, {11, 22, 640, 480, false});
  EXPECT_EQ(ReadWindowState(profile, ScreenInfo{}), (WindowState{11, 22, 640, 480, false}));
  WriteWindowState(profile, {0, 0, 0, 0, true});
  EXPECT_TRUE(ReadWindowState(profile, ScreenInfo{}).maximized);
  EXPECT_EQ(profile.ReadInt("Preference", "MainWindowState_Left", 0), 11);  // bounds kept when maximized
}

TEST(Caption, GameNamePlayerAndDeal) {
  Session session;
  session.store.Set(pos::kGameName, 50, "Klondike");
  session.store.Set(pos::kPlayerName, 30, "Ann");
  EXPECT_EQ(WindowCaption(session), "Cardoria 2000 [Klondike]  [Ann]");
  session.store.Set(pos::kDealNumber, 15, "0000000012345");
  EXPECT_EQ(WindowCaption(session), "Cardoria 2000 [Klondike]  [Ann]  [0000000012345]");
}

TEST(ShowMessageOnce, SilencedForGoodWhenTicked) {
  TempDir dir;
  Session session;
  session.settings.Open(dir / "p.ini");
  test::RecordingMessages messages;
  messages.tickDontShowAgain = true;
  ShowMessageOnce(session, messages, "Hello", "Greeting");
  ShowMessageOnce(session, messages, "Hello", "Greeting");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, "once");
  EXPECT_EQ(session.settings.ReadString("Show_Messages", "Greeting", ""), "N");
}

}  // namespace
}  // namespace cardoria
