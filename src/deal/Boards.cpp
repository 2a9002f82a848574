#include "deal/Boards.h"

#include <algorithm>
#include <unordered_set>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria {

namespace {

// The peg boards searched here are small; a bigger one is dealt as it comes.
constexpr int kLargestPegBoard = 20;

int BoardPlaces(const Session& s) {
  return std::clamp(static_cast<int>(s.rules[rule::TableauCount]), 0, kTableauPiles);
}

class PegSearch {
 public:
  PegSearch(int places, int columns) : places_(places), columns_(columns) {}

  bool Clears(std::uint32_t pegs) {
    if (__builtin_popcount(pegs) <= 1) return true;
    if (stuck_.contains(pegs)) return false;
    for (int from = 0; from < places_; ++from) {
      if (!(pegs >> from & 1u)) continue;
      for (int step : {-1, 1, -columns_, columns_}) {
        const int over = from + step, to = from + 2 * step;
        if (to < 0 || to >= places_) continue;
        if ((step == 1 || step == -1) && to / columns_ != from / columns_) continue;
        if (!(pegs >> over & 1u) || (pegs >> to & 1u)) continue;
        if (Clears((pegs & ~(1u << from) & ~(1u << over)) | 1u << to)) return true;
      }
    }
    // Positions that lead nowhere are met again by other orders of the same jumps.
    stuck_.insert(pegs);
    return false;
  }

 private:
  int places_, columns_;
  std::unordered_set<std::uint32_t> stuck_;
};

}  // namespace

bool SlidingBoardSolvable(const std::vector<int>& places, int columns) {
  if (columns <= 0 || places.empty()) return false;
  const int count = static_cast<int>(places.size());
  const int rows = count / columns;
  int inversions = 0, emptyRow = 0;
  for (int i = 0; i < count; ++i) {
    if (places[static_cast<std::size_t>(i)] < 0) {
      emptyRow = i / columns;
      continue;
    }
    for (int j = i + 1; j < count; ++j)
      if (places[static_cast<std::size_t>(j)] >= 0 &&
          places[static_cast<std::size_t>(j)] < places[static_cast<std::size_t>(i)])
        ++inversions;
  }
  // A slide along a row changes nothing here; one along a column passes the
  // card over columns - 1 others and moves the empty place one row. So the
  // parity of the inversions, plus the empty place's row on an even width,
  // never changes, and every board that shares the ordered board's parity
  // can be ordered.
  const bool even = columns % 2 == 0;
  return (inversions + (even ? emptyRow : 0)) % 2 == (even ? rows - 1 : 0) % 2;
}

bool PegBoardClears(int places, int columns, std::uint32_t pegs) {
  if (places <= 0 || places > kLargestPegBoard || columns <= 0) return false;
  return PegSearch(places, columns).Clears(pegs);
}

void MakeSlidingBoardSolvable(Session& s) {
  const int count = BoardPlaces(s);
  const int columns = s.rules[rule::AdjacencyCols];
  std::vector<int> places, occupied;
  for (int t = 0; t < count; ++t) {
    const int card = TopCard(s.piles.Pile(PileGroup::Tableau, t));
    // The card each place wants: its number within its suit's block.
    places.push_back(card > 0 ? (card - 1) % 13 : -1);
    if (card > 0) occupied.push_back(t);
  }
  if (occupied.size() < 2 || SlidingBoardSolvable(places, columns)) return;
  std::swap(s.piles.Pile(PileGroup::Tableau, occupied[0]), s.piles.Pile(PileGroup::Tableau, occupied[1]));
}

void MakePegBoardSolvable(Session& s) {
  const int count = BoardPlaces(s);
  const int columns = s.rules[rule::AdjacencyCols];
  if (count > kLargestPegBoard || columns <= 0) return;
  std::uint32_t pegs = 0;
  int empty = -1;
  for (int t = 0; t < count; ++t) {
    if (!s.piles.Pile(PileGroup::Tableau, t).empty())
      pegs |= 1u << t;
    else if (empty < 0)
      empty = t;
  }
  if (empty < 0) return;
  PegSearch search(count, columns);
  if (search.Clears(pegs)) return;
  for (int step = 1; step < count; ++step) {
    const int place = (empty + step) % count;
    if (!(pegs >> place & 1u)) continue;
    if (!search.Clears((pegs & ~(1u << place)) | 1u << empty)) continue;
    std::swap(s.piles.Pile(PileGroup::Tableau, empty), s.piles.Pile(PileGroup::Tableau, place));
    return;
  }
}

}  // namespace cardoria
