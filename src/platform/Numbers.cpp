#include "platform/Numbers.h"

#include <climits>

namespace cardoria {

std::optional<int> ParseLeadingInt(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t digitsStart = i;
  long long value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    ++i;
  }
  if (i == digitsStart) return std::nullopt;
  value = negative ? -value : value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

int LenientInt(std::string_view text, int fallback) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return fallback;
  return ParseLeadingInt(text.substr(first)).value_or(fallback);
}

}  // namespace cardoria
