#pragma once
// A search that runs beside the window: the window polls it, so nothing the
// searching thread does touches a widget.

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "app/MainWindow.h"
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
  // What was on the table when the player asked.
  std::uint64_t askedAt = 0;
  std::string askedDeal;

  ~SolverTask() {
    cancel = true;
    if (thread.joinable()) thread.join();
  }
};

}  // namespace cardoria
