#pragma once
// A main window on an installation of its own, in a temporary directory.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "app/TfrmOpenGame.h"
#include "core/Session.h"
#include "support/TestSupport.h"

namespace cardoria::test {

// A drag as the mouse makes it: press, one move with the button held, release.
inline void DragOn(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
  QApplication::processEvents();
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(CARDORIA_RGF, dir / "KRT.RGF");
    std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
    std::filesystem::copy(CARDORIA_IMAGES, dir / "Images");
  }

  // The table shows the layout's pixels one to one unless the preferences
  // ask for the cards to fit the window.
  std::unique_ptr<TfrmMain> Open(const std::string& preferences, int game = -1, const std::string& deal = "") {
    const bool fitNamed = preferences.find("Fit_Cards_To_Window=") != std::string::npos;
    dir.Write("DATA/CFG.DAT", "[Preference]\n" + preferences + (fitNamed ? "" : "Fit_Cards_To_Window=N\n"));
    InitializeSession(session, dir.Path());
    auto window = std::make_unique<TfrmMain>(session, ports);
    EXPECT_TRUE(window->Create());
    // The game selection dialog is answered by the test, not waited for.
    window->SetOpenGameRunner([this](TfrmOpenGame& dialog) {
      ++openGameShown;
      if (answerOpenGame) answerOpenGame(dialog);
    });
    window->ApplyWindowState(ReadWindowState(session.settings, screen.Info()));
    if (game >= 0) window->RequestGame(game, deal);
    clock.step = 100;  // the pause before autoplay passes at once
    window->show();
    QApplication::processEvents();
    return window;
  }

  TempDir dir;
  Session session;
  RecordingMessages messages;
  FakeScreen screen{ScreenInfo{1280, 1024, 24}};
  FakeClock clock;
  Random random;
  StartupPorts ports{messages, screen, clock, random};
  int openGameShown = 0;
  // Plays the player's part in the game selection dialog; none: Cancel.
  std::function<void(TfrmOpenGame&)> answerOpenGame;
};

}  // namespace cardoria::test
