#pragma once
// What the card counter shows: for every card of the game a mark telling
// whether it is hidden (in the stock or face down), visible, or not counted
// in the chosen mode; and where the marks lie in the counter's picture.

#include <vector>

namespace cardoria {

struct Session;

enum class CounterMark { None, Up, Down };

struct CounterModes {
  // At most one of the two is set; with neither every pile is counted.
  bool stockOnly = false;
  bool tableauOnly = false;
  // Up and down marks swap places.
  bool inverted = false;

  bool CountsStock() const { return !tableauOnly; }
  bool CountsTableau() const { return !stockOnly; }
};

// The mark of each card 1..CardCount (element 0 is card 1).
std::vector<CounterMark> CounterMarks(const Session& session, const CounterModes& modes);

// The counter window's height for a game of `cardCount` cards.
int CounterHeight(int cardCount);

// Where a card's mark lies: its rank along a row, its suit and deck down the rows.
inline int CounterMarkX(int card) { return 14 * ((card - 1) % 13 + 1) + 2; }
inline int CounterMarkY(int card) { return 3 + 18 * ((card - 1) / 13); }

}  // namespace cardoria
