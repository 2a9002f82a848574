#pragma once
// The small typed tables beside the text store: flags, date-times, counters
// and the pile jitter rows.

#include <array>
#include <cstdint>

namespace cardoria {

enum Flag : int {
  kHoldAndExitRequested = 0,
  kDemoMode = 1,
  kGameInProgress = 2,
  kClockRunning = 3,
  kFirstActivationPending = 4,
  kSkipNextClick = 5,
  kAnimationRunning = 6,
  kGameWon = 8,
  kGameEnded = 9,
};

enum TimeEntry : int { kClockStart = 0, kGameEndTime = 1, kPauseStart = 2 };
enum CounterEntry : int { kDealCounter = 0, kLastMouseMoveTick = 1 };

class ValueTables {
 public:
  static constexpr int kFlags = 12;
  static constexpr int kTimes = 3;
  static constexpr int kCounters = 2;
  static constexpr int kJitterRows = 7;  // numbered 1-7
  static constexpr int kJitterColumns = 14;

  bool Flag(int i) const { return InRange(i, kFlags) && flags_[Idx(i)] != 0; }
  void SetFlag(int i, bool on) {
    if (InRange(i, kFlags)) flags_[Idx(i)] = on ? 1 : 0;
  }
  double Time(int i) const { return InRange(i, kTimes) ? times_[Idx(i)] : 0.0; }
  void SetTime(int i, double t) {
    if (InRange(i, kTimes)) times_[Idx(i)] = t;
  }
  std::int32_t Counter(int i) const { return InRange(i, kCounters) ? counters_[Idx(i)] : 0; }
  void SetCounter(int i, std::int32_t n) {
    if (InRange(i, kCounters)) counters_[Idx(i)] = n;
  }
  int Jitter(int row, int index) const {
    return InRange(row - 1, kJitterRows) && InRange(index, kJitterColumns) ? jitter_[Idx(row - 1)][Idx(index)] : 0;
  }
  void SetJitter(int row, int index, int value) {
    if (InRange(row - 1, kJitterRows) && InRange(index, kJitterColumns))
      jitter_[Idx(row - 1)][Idx(index)] = static_cast<std::int16_t>(value);
  }

 private:
  static bool InRange(int i, int size) { return i >= 0 && i < size; }
  static std::size_t Idx(int i) { return static_cast<std::size_t>(i); }
  std::array<std::uint8_t, kFlags> flags_{};
  std::array<double, kTimes> times_{};
  std::array<std::int32_t, kCounters> counters_{};
  std::array<std::array<std::int16_t, kJitterColumns>, kJitterRows> jitter_{};
};

}  // namespace cardoria
