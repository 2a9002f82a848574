#pragma once
// The card order a deal number fixes. No random generator is involved: the
// same deal number and card count give the same list on every machine.

#include <optional>
#include <string_view>

#include "core/TextHelpers.h"

namespace cardoria {

class Messages;

inline constexpr const char* kShuffleError = "Error 01 - fnGameNumberCardsArray";

// The DealList for a deal number and a card count: `cardCount` three-digit
// codes, item 0 dealt first. A count above 52 other than 104 is a catalogue
// fault: the error message is shown and nothing is returned.
std::optional<TextList> fnGameNumberCardsArray(std::string_view dealNumber, int cardCount, Messages& messages);

// Index of a hole ("000") scanning from `start` forwards or backwards, then
// the whole list from the front; -1 when there is none.
int FindFreeSlot(const TextList& dealList, int start, bool forward);

}  // namespace cardoria
