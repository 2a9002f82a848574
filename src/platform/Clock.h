#pragma once
// Time: a monotonic millisecond tick for measuring spans and animations, and
// the time of day as a date-time value (days since 30 December 1899, the
// fraction being the time of day) for the game clock and the stored dates.

#include <cstdint>

namespace cardoria {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t TickMs() = 0;
  virtual double Now() = 0;
};

// Lets a wait hand control to the window system between turns.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void ProcessPendingEvents() = 0;
};

class SystemClock final : public Clock {
 public:
  std::int64_t TickMs() override;
  double Now() override;
};

// Waits `ms` milliseconds on the tick, processing pending window events on
// every turn so the program stays responsive.
void PumpWait(Clock& clock, EventPump& pump, std::int64_t ms);
// Waits without processing events (between animation frames).
void BusyWait(Clock& clock, std::int64_t ms);

// Date-time values.
double MakeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond = 0);
inline constexpr double kSecondsPerDay = 86400.0;

}  // namespace cardoria
