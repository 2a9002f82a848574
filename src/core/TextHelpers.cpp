#include "core/TextHelpers.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cstdlib>

namespace cardoria {

std::string ZeroPad(long long value, int width) {
  if (width <= 0) return {};
  const bool negative = value < 0;
  // Work on the unsigned magnitude so LLONG_MIN cannot overflow.
  unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  const std::size_t needed = digits.size() + (negative ? 1 : 0);
  if (needed > static_cast<std::size_t>(width)) return std::string(static_cast<std::size_t>(width), '*');
  std::string result(static_cast<std::size_t>(width) - needed, '0');
  result += digits;
  if (negative) result.insert(result.begin(), '-');
  return result;
}

std::string RightStr(std::string_view text, int n) {
  if (n <= 0) return {};
  if (static_cast<std::size_t>(n) >= text.size()) return std::string(text);
  return std::string(text.substr(text.size() - static_cast<std::size_t>(n)));
}

std::string PadRight(std::string_view text, int n) {
  if (n <= 0) return {};
  std::string result(text.substr(0, static_cast<std::size_t>(n)));
  result.resize(static_cast<std::size_t>(n), ' ');
  return result;
}

std::string TrimLeftSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRightSpaces(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Columns(std::string_view line, int first, int count) {
  if (first < 1 || count <= 0 || static_cast<std::size_t>(first - 1) >= line.size()) return {};
  return std::string(line.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(count)));
}

std::string ReplaceRange(std::string_view text, int position, int count, std::string_view insert) {
  if (position < 1) position = 1;
  if (count < 0) count = 0;
  const std::size_t start = std::min(text.size(), static_cast<std::size_t>(position - 1));
  const std::size_t resume = std::min(text.size(), start + static_cast<std::size_t>(count));
  std::string result(text.substr(0, start));
  result += insert;
  result += text.substr(resume);
  return result;
}

TextList SectionLines(const TextList& list, std::string_view header) {
  TextList result;
  bool inside = false;
  for (const auto& line : list) {
    if (line.starts_with(header)) {
      inside = true;
      continue;
    }
    if (line.starts_with('[')) {
      inside = false;
      continue;
    }
    if (inside) result.push_back(line);
  }
  return result;
}

int IndexOfTrimmed(const TextList& list, std::string_view text) {
  const std::string wanted = TrimRightSpaces(text);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (TrimRightSpaces(list[i]) == wanted) return static_cast<int>(i);
  }
  return -1;
}

std::string FormatHMS(long long seconds, int hourWidth, char separator) {
  if (seconds < 0) seconds = 0;
  const long long hours = seconds / 3600;
  const long long minutes = (seconds / 60) % 60;
  // Hours take as many digits as they need: a long game is never shown as stars.
  std::string result = std::to_string(hours);
  if (static_cast<int>(result.size()) < hourWidth)
    result.insert(0, static_cast<std::size_t>(hourWidth) - result.size(), '0');
  result += separator;
  result += ZeroPad(minutes, 2);
  result += separator;
  result += ZeroPad(seconds % 60, 2);
  return result;
}

bool IsAllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int TextToInt(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  return ParseLeadingInt(text.substr(first)).value_or(0);
}

int TextToIntDef(std::string_view text, int fallback) { return LenientInt(text, fallback); }

}  // namespace cardoria
