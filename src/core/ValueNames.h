#pragma once
// A table of the names of a rule's values, as game sources write them, and
// the two lookups every such table needs.

#include <optional>
#include <string_view>
#include <vector>

namespace cardoria {

template <typename Value>
struct ValueName {
  Value value;
  const char* name;
};

template <typename Value>
std::optional<Value> ValueNamed(const std::vector<ValueName<Value>>& names, std::string_view name) {
  for (const ValueName<Value>& n : names)
    if (name == n.name) return n.value;
  return std::nullopt;
}

// The name of a value given as its number; nothing for a number no value has.
template <typename Value>
const char* NameOfValue(const std::vector<ValueName<Value>>& names, int number) {
  for (const ValueName<Value>& n : names)
    if (static_cast<int>(n.value) == number) return n.name;
  return nullptr;
}

}  // namespace cardoria
