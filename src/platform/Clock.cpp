#include "platform/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace cardoria {

namespace {

// Days from 1899-12-30 to the civil date, by the proleptic Gregorian calendar.
long long DaysFromEpoch(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long daysSince1970 = era * 146097 + doe - 719468;
  return daysSince1970 + 25569;  // 1899-12-30 lies 25569 days before 1970-01-01
}

}  // namespace

double MakeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  const double fraction = ((hour * 60.0 + minute) * 60.0 + second + millisecond / 1000.0) / kSecondsPerDay;
  return static_cast<double>(DaysFromEpoch(year, month, day)) + fraction;
}

std::int64_t SystemClock::TickMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double SystemClock::Now() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                      ms);
}

void PumpWait(Clock& clock, EventPump& pump, std::int64_t ms) {
  const std::int64_t start = clock.TickMs();
  do {
    pump.ProcessPendingEvents();
    if (clock.TickMs() - start >= ms) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  } while (true);
}

void BusyWait(Clock& clock, std::int64_t ms) {
  const std::int64_t start = clock.TickMs();
  while (clock.TickMs() - start < ms) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace cardoria
