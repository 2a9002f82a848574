#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>

#include "core/Session.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::TempDir;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(CARDORIA_RGF, dir / "KRT.RGF");
    std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
  }

  std::unique_ptr<TfrmMain> Open(const std::string& preferences) {
    dir.Write("DATA/CFG.DAT", "[Preference]\n" + preferences);
    InitializeSession(session, dir.Path());
    auto window = std::make_unique<TfrmMain>(session, ports);
    EXPECT_TRUE(window->Create());
    window->ApplyWindowState(ReadWindowState(session.settings, screen.Info()));
    window->show();
    QApplication::processEvents();
    return window;
  }

  TempDir dir;
  Session session;
  test::RecordingMessages messages;
  test::FakeScreen screen{ScreenInfo{1280, 1024, 24}};
  test::FakeClock clock;
  Random random;
  StartupPorts ports{messages, screen, clock, random};
};

TEST_F(MainWindowTest, OpensAtItsSavedSizeAndWritesItBackOnClosing) {
  auto window = Open(
      "MainWindowState_Maximized=N\nMainWindowState_Left=30\nMainWindowState_Top=40\n"
      "MainWindowState_Width=700\nMainWindowState_Height=500\n");
  EXPECT_FALSE(window->isMaximized());
  EXPECT_EQ(window->width(), 700);
  EXPECT_EQ(window->height(), 500);
  window->resize(720, 520);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(messages.shown.empty());  // "ConfirmQuit" defaults to no question
  IniProfile written(dir / "DATA/CFG.DAT");
  EXPECT_EQ(written.ReadString("Preference", "MainWindowState_Maximized", ""), "N");
  EXPECT_EQ(written.ReadInt("Preference", "MainWindowState_Width", 0), 720);
  EXPECT_EQ(written.ReadInt("Preference", "MainWindowState_Height", 0), 520);
  EXPECT_EQ(written.ReadString("Preference", "AutoPlay", ""), "Y");
  EXPECT_FALSE(session.resources);  // released
}

TEST_F(MainWindowTest, StartsMaximizedWithoutASavedState) {
  auto window = Open("");
  EXPECT_TRUE(window->isMaximized());
}

TEST_F(MainWindowTest, FirstActivationSetsTheCaptionOnce) {
  auto window = Open("Game_name=Klondike\nUserDefault=Ann\n");
  window->RunFirstActivation();
  EXPECT_EQ(window->windowTitle(), "Cardoria 2000 [Klondike]  [Ann]");
  EXPECT_FALSE(session.values.Flag(kFirstActivationPending));
}

TEST_F(MainWindowTest, ClosingCanBeRefusedWhenConfirmationIsOn) {
  auto window = Open("ConfirmQuit=Y\n");
  session.values.SetFlag(kHoldAndExitRequested, true);
  messages.answer = false;
  EXPECT_FALSE(window->close());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Exit Cardoria 2000?");
  EXPECT_FALSE(session.values.Flag(kHoldAndExitRequested));
  EXPECT_TRUE(session.resources);
  messages.answer = true;
  EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, CursorsComeFromTheLibrary) {
  auto window = Open("Cursor=12\n");
  ASSERT_EQ(window->Cursors().size(), 12);
  for (int number : {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25}) {
    ASSERT_TRUE(window->Cursors().contains(number));
    EXPECT_FALSE(window->Cursors()[number].pixmap().isNull()) << number;
  }
  EXPECT_EQ(window->Table()->cursor().pixmap().toImage(), window->Cursors()[12].pixmap().toImage());
}

TEST_F(MainWindowTest, OnlyBuiltCommandsAreInTheMenus) {
  auto window = Open("");
  QStringList captions;
  for (QAction* menu : window->menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) captions << item->text();
  }
  EXPECT_EQ(captions, QStringList{"E&xit"});
}

}  // namespace
}  // namespace cardoria
