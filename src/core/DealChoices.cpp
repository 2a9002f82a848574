#include "core/DealChoices.h"

#include <numeric>
#include <utility>

namespace cardoria {

namespace {

// A well-mixed 64-bit step: neighbouring deal numbers give unrelated orders.
std::uint64_t Mix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

std::vector<int> DealOrder(std::string_view dealNumber, int count, DealChoice choice) {
  if (count <= 0) return {};
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  std::uint64_t state = 0xCBF29CE484222325ull ^ static_cast<std::uint64_t>(choice);
  for (const char c : dealNumber) state = (state ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  for (int i = count - 1; i > 0; --i) {
    const auto j = static_cast<int>(Mix(state) % static_cast<std::uint64_t>(i + 1));
    std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
  }
  return order;
}

}  // namespace cardoria
