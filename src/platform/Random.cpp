#include "platform/Random.h"

namespace cardoria {

int Random::Next(int n) {
  if (n <= 0) return 0;
  std::uniform_int_distribution<int> pick(0, n - 1);
  return pick(engine_);
}

}  // namespace cardoria
