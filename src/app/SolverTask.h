#pragma once
// A search that runs beside the window: the window polls it, so nothing the
// searching thread does touches a widget.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "app/MainWindow.h"
#include "persist/SavedGames.h"
#include "solver/Solver.h"

namespace cardoria {

struct TfrmMain::SolverTask {
  std::atomic<bool> cancel{false};
  std::atomic<bool> done{false};
  std::atomic<std::int64_t> positions{0};
  std::atomic<int> tried{0};
  std::thread thread;
  // Read by the window once `done` is set.
  solver::Result result;
  WinnableDeal deal;
  // A demo search's win, played out as a recording.
  std::optional<GameFile> recording;

  ~SolverTask() {
    cancel = true;
    if (thread.joinable()) thread.join();
  }
};

}  // namespace cardoria
