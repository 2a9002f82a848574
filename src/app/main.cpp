// ProgramEntry: the command line, the session, the main window and the loop.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/TfrmOpenGame.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/qt/QtPorts.h"

using namespace cardoria;

namespace {

int SaveScreenshot(TfrmMain& window, const std::string& file) {
  // Let the window lay itself out and run its first activation, as it would
  // when a player starts the program.
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  window.RunFirstActivation();
  QApplication::processEvents();
  // The game selection, when the start-up opened it, is part of the picture.
  QImage picture = window.grab().toImage();
  if (window.OpenGameDialog().isVisible()) {
    const QImage dialog = window.OpenGameDialog().grab().toImage();
    QPainter painter(&picture);
    painter.drawImage((picture.width() - dialog.width()) / 2, (picture.height() - dialog.height()) / 2, dialog);
  }
  if (!picture.save(QString::fromStdString(file), "PNG")) {
    std::fprintf(stderr, "cardoria: could not write the screenshot %s\n", file.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv, argv + argc));
  if (!line.error.empty()) {
    std::fprintf(stderr, "cardoria: %s\n\n%s", line.error.c_str(), UsageText().c_str());
    return 2;
  }
  if (line.help) return std::fputs(UsageText().c_str(), stdout), 0;
  if (line.version) return std::fputs(VersionText().c_str(), stdout), 0;

  // A picture needs no screen: without a display it is drawn off screen.
  if (!line.screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kProductName));
  QApplication::setOverrideCursor(Qt::WaitCursor);

  Session session;
  InitializeSession(session, ChooseProgramDir(line.programDir, ""));
  QtMessages messages;
  QtScreen screen;
  SystemClock clock;
  Random random;
  StartupPorts ports{messages, screen, clock, random};

  TfrmMain window(session, ports);
  messages.SetParent(&window);
  if (!window.Create()) return 1;
  if (line.game >= 0 && GameNameOf(session, line.game).empty()) {
    std::fprintf(stderr, "cardoria: there is no game number %d\n", line.game);
    return 2;
  }
  window.ApplyWindowState(ReadWindowState(session.settings, screen.Info()));
  // A screenshot waits for no player: the game selection shows and stays open.
  if (!line.screenshot.empty()) window.SetOpenGameRunner([](TfrmOpenGame& dialog) { dialog.show(); });
  if (!line.open.empty()) window.RequestOpenFile(line.open);
  if (line.game >= 0 || !line.deal.empty())
    window.RequestGame(line.game >= 0 ? line.game : session.store.GetInt(pos::kGameNumber, 4), line.deal);
  QApplication::restoreOverrideCursor();
  window.show();

  if (!line.screenshot.empty()) return SaveScreenshot(window, line.screenshot);
  return QApplication::exec();
}
