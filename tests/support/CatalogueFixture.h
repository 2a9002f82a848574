#pragma once
// A small catalogue written into a test's installation directory.

#include "core/CatalogueFile.h"
#include "support/TestSupport.h"

namespace cardoria::test {

// A Klondike-like game: 7 columns of 1..7 cards, 24 in the stock.
inline CatalogueEntry KlondikeLike(int number, const std::string& name) {
  CatalogueEntry game{5, number, false, false, false, name, {}};
  game.rules = {{284, 52}, {280, 4}, {281, 7}, {285, 24}, {6, 1}, {7, 1}, {8, 1}, {21, 1}, {13, -1}};
  for (int i = 0; i < 7; ++i) {
    game.rules[288 + i] = i + 1;
    game.rules[316 + i] = 1;
    game.rules[109 + i] = 13;
  }
  for (int i = 0; i < 4; ++i) game.rules[45 + i] = 1;
  return game;
}

inline void WriteCatalogue(const TempDir& dir, const CatalogueFileContent& content) {
  dir.Write("GAMES.DAT", WriteCatalogueFile(content));
}

}  // namespace cardoria::test
