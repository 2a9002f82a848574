#pragma once
// Choices a game makes after its shuffle (where its twins land, which column
// its deal leaves empty) drawn from the deal number, so that the number alone
// still fixes the table: no clock and no random generator.

#include <cstdint>
#include <string_view>
#include <vector>

namespace cardoria {

// What a choice is for: two choices of one deal differ.
enum class DealChoice : std::uint32_t { TwinPlaces = 1, EmptyColumn = 2 };

// The numbers 0..count-1 in the order `dealNumber` fixes for `choice`.
std::vector<int> DealOrder(std::string_view dealNumber, int count, DealChoice choice);

}  // namespace cardoria
