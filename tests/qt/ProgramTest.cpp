// The program as a player starts it, on the offscreen platform.

#include <gtest/gtest.h>

#include <algorithm>

#include "support/RunCommand.h"
#include "support/TestSupport.h"

namespace {

using cardoria::test::TempDir;

using ProgramRun = cardoria::test::CommandRun;

ProgramRun RunProgram(const std::string& arguments) {
  return cardoria::test::RunCommand("QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 '" CARDORIA_EXE "' " +
                                    arguments);
}

TEST(Program, HelpAndVersion) {
  const ProgramRun version = RunProgram("--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.output, "Cardoria 04.40\n");
  const ProgramRun help = RunProgram("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.output.find("--program-dir DIR"), std::string::npos);
  EXPECT_NE(help.output.find("--screenshot FILE.png"), std::string::npos);
  EXPECT_EQ(RunProgram("--nonsense").exitCode, 2);
}

TEST(Program, AMissingLibraryStopsWithItsMessage) {
  TempDir dir;
  const ProgramRun run = RunProgram("--program-dir '" + dir.Path() + "' --screenshot '" + (dir / "x.png") + "'");
  EXPECT_NE(run.exitCode, 0);
  std::string lowerPath = dir / "krt.rgf";
  std::transform(lowerPath.begin(), lowerPath.end(), lowerPath.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  EXPECT_NE(run.output.find("Can't find/load " + lowerPath), std::string::npos) << run.output;
  EXPECT_FALSE(dir.Exists("x.png"));
  EXPECT_FALSE(dir.Exists("DATA/CFG.DAT"));
}

TEST(Program, AMissingCatalogueStopsWithItsMessage) {
  TempDir dir;
  std::filesystem::copy_file(CARDORIA_RGF, dir / "KRT.RGF");
  const ProgramRun run = RunProgram("--program-dir '" + dir.Path() + "' --screenshot '" + (dir / "x.png") + "'");
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.output.find("Cannot find file:\n" + dir.Path() + "GAMES.DAT"), std::string::npos) << run.output;
  EXPECT_FALSE(dir.Exists("x.png"));
}

TEST(Program, MissingPicturesAreDrawnAndNamed) {
  TempDir dir;
  std::filesystem::copy_file(CARDORIA_RGF, dir / "KRT.RGF");
  std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
  dir.Write("Images/DB011.bmp", "");
  const ProgramRun run = RunProgram("--program-dir '" + dir.Path() + "' --screenshot '" + (dir / "x.png") + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("These pictures can not be read:\n" + dir.Path() + "Images/DB011.bmp"), std::string::npos)
      << run.output;
  EXPECT_EQ(dir.Read("x.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
}

TEST(Program, AFreshInstallationStartsAndShowsItsWindow) {
  TempDir dir;
  std::filesystem::copy_file(CARDORIA_RGF, dir / "KRT.RGF");
  std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
  std::filesystem::copy(CARDORIA_IMAGES, dir / "Images");
  const ProgramRun run = RunProgram("--program-dir '" + dir.Path() + "' --screenshot '" + (dir / "shot.png") + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(dir.Read("shot.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
  const std::string settings = dir.Read("DATA/CFG.DAT");
  EXPECT_NE(settings.find("UserDefault=Player 1"), std::string::npos) << settings;
  EXPECT_NE(settings.find("User003=Player 3"), std::string::npos) << settings;
  EXPECT_EQ(dir.Read("KRTV0440.DAT"), "Cardoria version: 04.40\n");

  dir.Write("KRTV0440.DAT", "left alone");
  ASSERT_EQ(RunProgram("--program-dir '" + dir.Path() + "' --screenshot '" + (dir / "shot.png") + "'").exitCode, 0);
  EXPECT_EQ(dir.Read("KRTV0440.DAT"), "left alone");
}

void Install(const TempDir& dir) {
  std::filesystem::copy_file(CARDORIA_RGF, dir / "KRT.RGF");
  std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
  std::filesystem::copy(CARDORIA_IMAGES, dir / "Images");
}

TEST(Program, AGameNumberThatNamesNoGameIsRefused) {
  TempDir dir;
  Install(dir);
  for (const std::string number : {"0", "999", "8000"}) {
    const ProgramRun run =
        RunProgram("--program-dir '" + dir.Path() + "' --game " + number + " --screenshot '" + (dir / "x.png") + "'");
    EXPECT_NE(run.exitCode, 0) << number;
    EXPECT_NE(run.output.find("there is no game number " + number), std::string::npos) << run.output;
    EXPECT_FALSE(dir.Exists("x.png")) << number;
  }
  EXPECT_EQ(RunProgram("--program-dir '" + dir.Path() + "' --game 2 --screenshot '" + (dir / "x.png") + "'").exitCode,
            0);
}

TEST(Program, AScreenshotNeedsNoDisplay) {
  TempDir dir;
  Install(dir);
  const ProgramRun run = cardoria::test::RunCommand(
      "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ASAN_OPTIONS=detect_leaks=0 '" CARDORIA_EXE
      "' --program-dir '" +
      dir.Path() + "' --screenshot '" + (dir / "shot.png") + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(dir.Read("shot.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
}

TEST(Program, TheProgramDirectoryCanComeFromTheEnvironment) {
  TempDir dir;
  std::filesystem::copy_file(CARDORIA_RGF, dir / "KRT.RGF");
  std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
  std::filesystem::copy(CARDORIA_IMAGES, dir / "Images");
  ::setenv("CARDORIA_PROGRAM_DIR", dir.Path().c_str(), 1);
  const ProgramRun fromEnv = RunProgram("--screenshot '" + (dir / "env.png") + "'");
  ::unsetenv("CARDORIA_PROGRAM_DIR");
  EXPECT_EQ(fromEnv.exitCode, 0) << fromEnv.output;
  EXPECT_TRUE(dir.Exists("DATA/CFG.DAT"));
}

}  // namespace
