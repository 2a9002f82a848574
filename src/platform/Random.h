#pragma once
// The program's one source of chance (new deal numbers, random games and
// looks). Seeded once at start-up from the clock; tests seed it themselves.

#include <cstdint>
#include <random>

namespace cardoria {

class Random {
 public:
  explicit Random(std::uint64_t seed = 0) : engine_(seed) {}
  void Seed(std::uint64_t seed) { engine_.seed(seed); }
  // 0 <= r < n; 0 when n <= 0.
  int Next(int n);

 private:
  std::mt19937_64 engine_;
};

}  // namespace cardoria
