// Opening the game selection dialog: creating it and showing it until it is
// painted, on a catalogue of 250 games with 100 customized games, as the
// first showing does it (the "All games" folder filled, the current game
// selected, its preview drawn).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "app/MainWindow.h"
#include "app/TfrmOpenGame.h"
#include "core/CatalogueFile.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "platform/Clock.h"
#include "platform/HeadlessPorts.h"
#include "platform/Random.h"

namespace cardoria {
namespace {

namespace fs = std::filesystem;

struct Installation {
  Installation() {
    std::string pattern = (fs::temp_directory_path() / "cardoria-bench-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
    const std::string build = CARDORIA_BUILD_DIR;
    fs::copy_file(build + "/KRT.RGF", root + "/KRT.RGF");
    fs::copy(build + "/Images", root + "/Images", fs::copy_options::recursive);
    CatalogueFileContent content;
    for (int n = 1; n <= 250; ++n) {
      CatalogueEntry game{2 + n % 17, n, false, false, n % 9 == 0, "Game " + ZeroPad(n, 3), {}};
      game.rules = {{284, 52 * (1 + n % 2)},
                    {280, 4},
                    {281, 7},
                    {285, 24},
                    {13, n % 4 - 1},
                    {364, n % 3},
                    {365, n % 3},
                    {366, n % 5},
                    {367, n % 5},
                    {368, 1},
                    {369, n % 4}};
      for (int i = 0; i < 7; ++i) game.rules[288 + i] = i + 1;
      content.games.push_back(game);
      if (n % 5 == 0) content.selected.push_back(n);
    }
    Write("GAMES.DAT", WriteCatalogueFile(content));
    std::string custom = "Customized games\r\n";
    for (int i = 0; i < 100; ++i) {
      custom += ZeroPad(kFirstCustomGame + i, 4) + PadRight("Custom " + ZeroPad(i, 3), 50) + ZeroPad(1 + i, 4) +
                "\r\n001004 \r\n";
      for (int line = 2; line < kCustomRecordLines; ++line) custom += "\r\n";
    }
    Write("DATA/GAM_CUST.DAT", custom);
    std::string settings = "[Preference]\r\nGame=120\r\nUserDefault=Player 1\r\n[Favourite Games]\r\n";
    for (int i = 0; i < 20; ++i) settings += "Game" + ZeroPad(i, 3) + "=Game " + ZeroPad(1 + 7 * i, 3) + "\r\n";
    Write("DATA/CFG.DAT", settings);
  }
  ~Installation() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  void Write(const std::string& relative, const std::string& text) const {
    fs::create_directories(fs::path(root + "/" + relative).parent_path());
    std::ofstream(root + "/" + relative, std::ios::binary) << text;
  }
  std::string root;
};

void BM_OpenGameDialogFirstShowing(benchmark::State& state) {
  Installation installation;
  Session session;
  InitializeSession(session, installation.root);
  SilentMessages messages;
  FixedScreen screen{ScreenInfo{1280, 1024, 24}};
  JumpClock clock;
  Random random{1};
  StartupPorts ports{messages, screen, clock, random};
  TfrmMain window(session, ports);
  if (!window.Create()) {
    state.SkipWithError("the installation does not start");
    return;
  }
  for (auto _ : state) {
    TfrmOpenGame dialog(window.Stats(), screen, {}, &window);
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.grab());
    if (dialog.SelectedCode() != 120) state.SkipWithError("the current game is not selected");
  }
}
BENCHMARK(BM_OpenGameDialogFirstShowing)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace cardoria

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
