#pragma once
// 110 signed 16-bit values of shared table state (pile origins, the scroll
// offset, the small-screen state and other values the layout and the engine
// share). Out-of-range indexes read 0 and are never written.

#include <array>
#include <cstdint>

namespace cardoria {

class PositionTable {
 public:
  static constexpr int kSize = 110;
  static constexpr int kPassCounter = 69;
  static constexpr int kSmallScreenState = 70;
  static constexpr int kScrollOffset = 86;
  static constexpr int kMovesMade = 87;

  int operator[](int index) const { return InRange(index) ? values_[static_cast<std::size_t>(index)] : 0; }
  void Set(int index, int value) {
    if (InRange(index)) values_[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(value);
  }

 private:
  static bool InRange(int index) { return index >= 0 && index < kSize; }
  std::array<std::int16_t, kSize> values_{};
};

}  // namespace cardoria
