#pragma once
// Reading integers from hand-editable text.

#include <optional>
#include <string_view>

namespace cardoria {

// [sign]digits at the start of `text`; nothing when there are no digits or
// the number does not fit in 32 bits. Text after the digits is ignored.
std::optional<int> ParseLeadingInt(std::string_view text);

// Surrounding blanks skipped, then ParseLeadingInt; `fallback` when that fails.
int LenientInt(std::string_view text, int fallback);

}  // namespace cardoria
