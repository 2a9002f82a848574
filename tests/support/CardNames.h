#pragma once
// Cards by the names a player reads them by, for tables built by hand in
// tests: "KH QS JH TS 9H" (rank A 2-9 T J Q K, suit C D H S), a trailing '
// for the second pack.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "core/Cards.h"

namespace cardoria::test {

// The card code of one name; 0 (and a test failure) for a name that is none.
inline int Card(std::string_view name) {
  static constexpr std::string_view kRanks = "A23456789TJQK", kSuits = "HDCS";
  const bool second = name.size() == 3 && name[2] == '\'';
  const std::size_t rank = name.size() >= 2 ? kRanks.find(name[0]) : std::string_view::npos;
  const std::size_t suit = name.size() >= 2 ? kSuits.find(name[1]) : std::string_view::npos;
  if (rank == std::string_view::npos || suit == std::string_view::npos || (name.size() != 2 && !second)) {
    ADD_FAILURE() << "\"" << name << "\" is no card name";
    return 0;
  }
  return static_cast<int>(suit * 13 + rank + 1) + (second ? 52 : 0);
}

// The name of a card code: the inverse of Card.
inline std::string CardName(int card) {
  if (card < 1 || card > 104) return "?";
  const int code = (card - 1) % 52;
  std::string name{"A23456789TJQK"[code % 13], "HDCS"[code / 13]};
  return card > 52 ? name + "'" : name;
}

// A pile as the table stores it, bottom card first.
inline std::string Cards(std::string_view names) {
  std::istringstream words{std::string(names)};
  std::string pile, word;
  while (words >> word) pile += CardCode(Card(word));
  return pile;
}

}  // namespace cardoria::test
