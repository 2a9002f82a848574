#pragma once
// Ports for programs without a player at a screen (the command-line tool,
// the picture generator, the benchmarks): nothing is said, the screen is a
// fixed one, and waits pass at once.

#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Screen.h"

namespace cardoria {

class SilentMessages final : public Messages {
 public:
  void ShowInfo(const std::string&, const std::string&) override {}
  bool Confirm(const std::string&) override { return true; }
  bool AskYesNo(const std::string&) override { return true; }
  bool ShowInfoOnce(const std::string&) override { return false; }
  void Fatal(const std::string&, const std::string&) override {}
};

class FixedScreen final : public Screen {
 public:
  explicit FixedScreen(ScreenInfo info = {}) : info_(info) {}
  ScreenInfo Info() const override { return info_; }

 private:
  ScreenInfo info_;
};

// A second passes at every reading of the tick, so no wait ever waits; the
// time of day is the real one.
class JumpClock final : public Clock {
 public:
  std::int64_t TickMs() override { return tick_ += 1000; }
  double Now() override { return wall_.Now(); }

 private:
  std::int64_t tick_ = 0;
  SystemClock wall_;
};

}  // namespace cardoria
