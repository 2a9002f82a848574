#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

TEST(Clock, DateTimeValuesCountDaysFromTheEpoch) {
  EXPECT_DOUBLE_EQ(MakeDateTime(1899, 12, 30, 0, 0, 0), 0.0);
  EXPECT_DOUBLE_EQ(MakeDateTime(1900, 1, 1, 0, 0, 0), 2.0);
  EXPECT_DOUBLE_EQ(MakeDateTime(1970, 1, 1, 0, 0, 0), 25569.0);
  EXPECT_DOUBLE_EQ(MakeDateTime(2000, 3, 1, 12, 0, 0), 36586.5);
  SystemClock clock;
  const double now = clock.Now();
  EXPECT_GT(now, MakeDateTime(2020, 1, 1, 0, 0, 0));
  const auto tick = clock.TickMs();
  EXPECT_GE(clock.TickMs(), tick);
}

class CountingPump final : public EventPump {
 public:
  void ProcessPendingEvents() override { ++turns; }
  int turns = 0;
};

TEST(Clock, WaitsRunOnTheTick) {
  test::FakeClock clock;
  clock.step = 10;
  CountingPump pump;
  PumpWait(clock, pump, 50);
  EXPECT_GE(pump.turns, 2);
  EXPECT_LE(pump.turns, 6);
  const auto before = clock.tick;
  BusyWait(clock, 100);
  EXPECT_GE(clock.tick - before, 100);
}

TEST(Random, StaysInRangeAndRepeatsForASeed) {
  Random a(42), b(42);
  for (int i = 0; i < 1000; ++i) {
    const int r = a.Next(7);
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 7);
    EXPECT_EQ(r, b.Next(7));
  }
  EXPECT_EQ(a.Next(0), 0);
  EXPECT_EQ(a.Next(-5), 0);
  EXPECT_EQ(a.Next(1), 0);
}

}  // namespace
}  // namespace cardoria
