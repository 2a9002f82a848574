#include "app/Startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "core/Session.h"
#include "platform/IniProfile.h"
#include "platform/ResourceLibrary.h"
#include "support/CatalogueFixture.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::TempDir;

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("KRT.RGF", ResourceLibrary::Serialize({}));
    CatalogueFileContent catalogue;
    catalogue.games = {test::KlondikeLike(1, "Freecell"), test::KlondikeLike(205, "Baker's Game")};
    test::WriteCatalogue(dir, catalogue);
  }

  bool Start(ScreenInfo info = {}) {
    test::FakeScreen screen(info);
    StartupPorts ports{messages, screen, clock, random};
    InitializeSession(session, dir.Path());
    return MainFormCreate(session, ports, setup);
  }

  TempDir dir;
  Session session;
  test::RecordingMessages messages;
  test::FakeClock clock;
  Random random;
  WindowSetup setup;
};

TEST_F(StartupTest, AFreshInstallationGetsItsDataFolderPlayersAndMarker) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(session.store.Get(pos::kProgramDir, 200), dir.Path());
  EXPECT_EQ(session.store.Get(pos::kSettingsFile, 20), "DATA\\CFG.DAT");
  EXPECT_EQ(session.store.Get(pos::kGameName, 50), "Freecell");
  EXPECT_EQ(session.store.Get(pos::kPlayerName, 30), "Player 1");
  EXPECT_EQ(session.store.Get(pos::kRunWins, 4), "0000");
  EXPECT_EQ(session.positions[PositionTable::kSmallScreenState], 2);
  EXPECT_TRUE(session.values.Flag(kFirstActivationPending));
  EXPECT_EQ(session.values.Counter(kLastMouseMoveTick), -1);
  ASSERT_TRUE(session.resources);

  IniProfile written(dir / "DATA/CFG.DAT");
  EXPECT_EQ(written.ReadString("Preference", "UserDefault", ""), "Player 1");
  EXPECT_EQ(written.ReadString("Users", "User001", ""), "Player 1");
  EXPECT_EQ(written.ReadString("Users", "User002", ""), "Player 2");
  EXPECT_EQ(written.ReadString("Users", "User003", ""), "Player 3");
  EXPECT_EQ(dir.Read("KRTV0440.DAT"), "Cardoria version: 04.40\n");
}

TEST_F(StartupTest, TheMarkerIsNeverRewritten) {
  dir.Write("KRTV0440.DAT", "whatever was here");
  ASSERT_TRUE(Start());
  EXPECT_EQ(dir.Read("KRTV0440.DAT"), "whatever was here");
}

TEST_F(StartupTest, AMissingOrDamagedLibraryStopsTheProgram) {
  for (const char* content : {"", "KRTRGF1"}) {
    if (*content) {
      dir.Write("KRT.RGF", content);
    } else {
      std::filesystem::remove(dir / "KRT.RGF");
    }
    messages.shown.clear();
    EXPECT_FALSE(Start());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "fatal");
    std::string lower = dir / "krt.rgf";
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(messages.shown[0].text, "Can't find/load " + lower);
    EXPECT_FALSE(dir.Exists("DATA/CFG.DAT"));
  }
}

TEST_F(StartupTest, TheCatalogueIsLoadedAndTheCurrentGameChecked) {
  dir.Write("DATA/CFG.DAT", "[Preference]\nGame=77\nGame_name=Vanished\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(session.catalogue.size(), 2u);
  EXPECT_EQ(session.store.Get(pos::kGameNumber, 4), "-001");
  EXPECT_EQ(session.store.Get(pos::kGameName, 50), "");
  std::filesystem::remove(dir / "GAMES.DAT");
  Session again;
  std::swap(session, again);
  EXPECT_FALSE(Start());
  EXPECT_EQ(messages.shown.back().kind, "fatal");
  EXPECT_TRUE(messages.shown.back().text.starts_with("Cannot find file:\r"));
}

TEST_F(StartupTest, TheLibraryIsFoundWhateverItsCase) {
  std::filesystem::rename(dir / "KRT.RGF", dir / "krt.rgf");
  EXPECT_TRUE(Start());
}

TEST_F(StartupTest, ALowColourScreenIsToldOnceUntilSilenced) {
  const ScreenInfo lowColour{800, 600, 8};
  messages.tickDontShowAgain = true;
  ASSERT_TRUE(Start(lowColour));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, "once");
  EXPECT_TRUE(messages.shown[0].text.starts_with("At this time your video driver supports 256 colors or less."));
  Session again;
  std::swap(session, again);
  ASSERT_TRUE(Start(lowColour));
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(StartupTest, FilesOfOlderInstallationsAreRemovedByExactName) {
  const char* removed[] = {"KRTV0150.DAT",        "KRTV0430.DAT",     "CARDORIA.DLL",     "IMAGES/GAME0000.BMP",
                           "IMAGES/GAME0100.BMP", "IMAGES/WB001.BMP", "IMAGES/WP025.BMP", "IMAGES/CB001C.BMP",
                           "IMAGES/CB005S.BMP",   "IMAGES/CL003H.BMP"};
  const char* kept[] = {"KRTV0440.DAT",      "KRTV0441.DAT",      "IMAGES/GAME0101.BMP", "IMAGES/WB026.BMP",
                        "IMAGES/CB006C.BMP", "IMAGES/CM004C.BMP", "IMAGES/B101.BMP",     "DATA/STAT.DAT"};
  for (const char* name : removed) dir.Write(name, "old");
  for (const char* name : kept) dir.Write(name, "mine");
  ASSERT_TRUE(Start());
  for (const char* name : removed) EXPECT_FALSE(dir.Exists(name)) << name;
  for (const char* name : kept) EXPECT_TRUE(dir.Exists(name)) << name;
}

TEST_F(StartupTest, PictureSetsGoOnlyWhenTheirTriggerFileIsThere) {
  dir.Write("IMAGES/GAME0001.BMP", "preview");
  dir.Write("IMAGES/WM003.BMP", "x");
  dir.Write("IMAGES/CM003C.BMP", "x");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(dir.Exists("IMAGES/GAME0001.BMP"));
  EXPECT_TRUE(dir.Exists("IMAGES/WM003.BMP"));
  EXPECT_TRUE(dir.Exists("IMAGES/CM003C.BMP"));
}

TEST_F(StartupTest, StartUpSurvivesDamagedPreferenceFiles) {
  std::string garbage(2048, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 7919) % 256);
  const std::string files[] = {
      "",
      garbage,
      "[Preference]\nGame=abc\nCard_Size=\nBack_Card=-1\nCursor=\nLanguage=0\n",
      "[Preference]\nGame=205\n[Preference]\nGame=7\nGame_name=Klondike\nGame_name=Yukon\n",
      "[Preference\nGame=3\n",
      "[Preference]\nGame=4",
  };
  const char* games[] = {"0001", "0001", "0001", "0205", "0001", "-001"};  // game 4 is not in the catalogue
  for (std::size_t i = 0; i < std::size(files); ++i) {
    dir.Write("DATA/CFG.DAT", files[i]);
    Session fresh;
    std::swap(session, fresh);
    ASSERT_TRUE(Start()) << "file " << i;
    EXPECT_EQ(session.store.Get(pos::kGameNumber, 4), games[i]) << "file " << i;
    EXPECT_EQ(session.store.Get(pos::kPlayerName, 30), "Player 1") << "file " << i;
    IniProfile after(dir / "DATA/CFG.DAT");
    EXPECT_EQ(after.ReadString("Preference", "UserDefault", ""), "Player 1") << "file " << i;
  }
  // What could be read survives the rewrite.
  IniProfile last(dir / "DATA/CFG.DAT");
  EXPECT_EQ(last.ReadString("Preference", "Game", ""), "4");
}

TEST_F(StartupTest, TemporaryFilesLeftByACrashAreRemoved) {
  dir.Write("DATA/CFG.DAT", "[Preference]\nGame=205\n");
  dir.Write("DATA/CFG.DAT.cardoria-tmp.Ab12Cd", "[Preference]\nGame=");
  dir.Write("KRTV0440.DAT.cardoria-tmp.Ab12Cd", "");
  dir.Write("DATA/STAT.DAT.rpl1234", "not ours");
  dir.Write("DATA/STAT_SCR.DAT.cardoria-tmp.Zz12Cd", "[Version]");
  ASSERT_TRUE(Start());
  EXPECT_FALSE(dir.Exists("DATA/STAT_SCR.DAT.cardoria-tmp.Zz12Cd"));
  EXPECT_FALSE(dir.Exists("DATA/CFG.DAT.cardoria-tmp.Ab12Cd"));
  EXPECT_FALSE(dir.Exists("KRTV0440.DAT.cardoria-tmp.Ab12Cd"));
  EXPECT_TRUE(dir.Exists("DATA/STAT.DAT.rpl1234"));
  EXPECT_EQ(session.store.Get(pos::kGameNumber, 4), "0205");
}

TEST_F(StartupTest, AHiScoreFileOfAnOlderVersionIsConverted) {
  dir.Write("DATA/STAT_SCR.DAT", "[Version]\r\nVersion=0200\r\n[0001]\r\n01-01=000052\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(dir.Read("DATA/STAT_SCR.DAT"),
            "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n01-01=000052" + std::string(77, ' ') + " x\r\n");
}

// The player hears once in a run that the preferences can not be kept, and
// the file stays as it was.
TEST_F(StartupTest, PreferencesThatCanNotBeReadOrWrittenAreToldOnce) {
  const std::string saved = "The preferences file could not be saved:\r";
  const std::string read = "The preferences file could not be read:\r";
  struct Case {
    const char* what;
    std::function<void(const TempDir&)> prepare;
    std::string told;  // empty: nothing to tell
  } cases[] = {
      {"a file that can be written", [](const TempDir&) {}, ""},
      {"DATA is a file", [](const TempDir& d) { d.Write("DATA", "not a folder"); }, saved},
      {"a write-protected file",
       [](const TempDir& d) {
         d.Write("DATA/CFG.DAT", "[Preference]\nGame=205\n");
         ::chmod((d / "DATA/CFG.DAT").c_str(), 0444);
       },
       saved},
      {"a file too large to read",
       [](const TempDir& d) {
         d.Write("DATA/CFG.DAT", "[Preference]\nUserDefault=Ann\n");
         std::filesystem::resize_file(d / "DATA/CFG.DAT", (64u << 20) + 1);  // sparse: no disk is used
       },
       read},
  };
  for (const auto& c : cases) {
    TempDir install;
    install.Write("KRT.RGF", dir.Read("KRT.RGF"));
    install.Write("GAMES.DAT", dir.Read("GAMES.DAT"));
    c.prepare(install);
    const bool hadFile = std::filesystem::is_regular_file(install / "DATA/CFG.DAT");
    const auto before = hadFile ? std::filesystem::file_size(install / "DATA/CFG.DAT") : 0;
    Session run;
    test::RecordingMessages told;
    test::FakeScreen screen;
    StartupPorts ports{told, screen, clock, random};
    InitializeSession(run, install.Path());
    ASSERT_TRUE(MainFormCreate(run, ports, setup)) << c.what;
    WriteWindowState(run.settings, WindowState{10, 10, 800, 600, false});
    run.settings.WriteString(kPreferenceSection, "AutoPlay", "N");
    if (c.told.empty()) {
      EXPECT_TRUE(told.shown.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(told.shown.size(), 1u) << c.what;
    EXPECT_EQ(told.shown[0].kind, "info") << c.what;
    EXPECT_TRUE(told.shown[0].text.starts_with(c.told + install / "DATA/CFG.DAT" + "\r")) << told.shown[0].text;
    if (hadFile) {
      EXPECT_EQ(std::filesystem::file_size(install / "DATA/CFG.DAT"), before) << c.what;
    }
  }
}

TEST_F(StartupTest, FirstActivationRewritesOldSwitchValues) {
  dir.Write("DATA/CFG.DAT", "[Preference]\nCards_Animate=S\nConfirmQuit=S\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(session.store.Get(pos::kCardsAnimate, 1), "S");
  FirstActivation(session);
  EXPECT_FALSE(session.values.Flag(kFirstActivationPending));
  EXPECT_EQ(session.store.Get(pos::kCardsAnimate, 1), "Y");
  IniProfile after(dir / "DATA/CFG.DAT");
  EXPECT_EQ(after.ReadString("Preference", "Cards_Animate", ""), "Y");
  EXPECT_EQ(after.ReadString("Preference", "ConfirmQuit", ""), "Y");
}

}  // namespace
}  // namespace cardoria
