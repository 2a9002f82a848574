#pragma once
// The rule values of the current game: 370 signed 16-bit values addressed by
// index. Out-of-range indexes read as 0 and are never written, so a bad index
// in a data file can not reach outside the record.

#include <array>
#include <cstdint>

namespace cardoria {

class GameRules {
 public:
  static constexpr int kSize = 370;
  static constexpr int kFoundationCount = 280;
  static constexpr int kTableauCount = 281;
  static constexpr int kReserveCount = 282;

  int operator[](int index) const { return InRange(index) ? values_[static_cast<std::size_t>(index)] : 0; }
  void Set(int index, int value) {
    if (InRange(index)) values_[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(value);
  }
  void Clear() { values_.fill(0); }

 private:
  static bool InRange(int index) { return index >= 0 && index < kSize; }
  std::array<std::int16_t, kSize> values_{};
};

}  // namespace cardoria
