#include "engine/FamilyRules.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Legality.h"

namespace cardoria {

namespace {

const std::string& Tableau(const Session& s, int i) { return s.piles.Pile(PileGroup::Tableau, i); }
bool Filled(const Session& s, int i) { return i >= 0 && i < Tableaus(s) && !Tableau(s, i).empty(); }
// A pile beyond the last one holds nothing.
bool Empty(const Session& s, int i) { return !Filled(s, i); }
int FoundationTop(const Session& s, int f) {
  if (f >= Foundations(s)) return 0;
  const std::string& pile = s.piles.Pile(PileGroup::Foundation, f);
  return pile.empty() ? 0 : TopCard(pile);
}

}  // namespace

bool DesignatedPile(const Session& s, int rule, int pile) {
  const int n = Tableaus(s);
  if (n == 0 || pile < 0 || pile >= n) return false;
  if (rule == 2) {
    const int w = PileCardCount(s.piles.Pile(PileGroup::Stock, kWasteItem));
    // The waste may hold more cards than were dealt to it at the start.
    const int designated = ((s.rules[rule::WasteDealCount] - w) % 12 + 12) % 12;
    return pile == designated;
  }
  if (rule == 3) {
    int largest = 0;
    for (int i = 1; i < n; ++i)
      if (PileCardCount(Tableau(s, i)) >= PileCardCount(Tableau(s, largest))) largest = i;
    return pile == (largest + 1 == n ? 0 : largest + 1);
  }
  return false;
}

bool WasteToTableauRule(const Session& s, int card, int b, int rank) {
  if (LocateCard(s.piles, s.rules, card) > 0) return false;
  if (b < 0 || b >= Tableaus(s)) return false;
  if (CardRank(card) == rank) {
    if (Filled(s, b)) return false;
    for (int i = 0; i < b; ++i)
      if (Empty(s, i)) return false;
    return true;
  }
  if (Empty(s, b)) return false;
  if (b == 0) return Empty(s, 1);
  if (b <= 6) return Filled(s, b - 1) && Empty(s, b + 1);
  if (b == 7) return Filled(s, 6);
  return false;
}

bool BalancedAceKingStart(const Session& s, int f, int card) {
  if (f < 0 || f > 3) return false;
  const int pair = f / 2 * 2, other = 2 - pair;
  int partner = FoundationTop(s, pair);
  if (partner == 0) partner = FoundationTop(s, pair + 1);
  if (partner != 0 && IsRedCard(partner) != IsRedCard(card)) return false;
  for (int g = other; g < other + 2; ++g) {
    const int top = FoundationTop(s, g);
    if (top != 0 && IsRedCard(top) == IsRedCard(card)) return false;
  }
  for (int g = 0; g < 4; ++g) {
    const int top = FoundationTop(s, g);
    if (top != 0 && CardSuit(top) == CardSuit(card)) return false;
  }
  return CardRank(card) == (f <= 1 ? 1 : 13);
}

bool OnlyFromOutside(const Session& s, int card, int b) {
  return b >= 0 && b < Tableaus(s) && Tableau(s, b).empty() && LocateCard(s.piles, s.rules, card) < 1;
}

int JumpedPile(const Session& s, int fromLocation, int to) {
  const int cols = s.rules[rule::AdjacencyCols];
  const int from = fromLocation - 1;
  if (cols <= 0 || from < 0 || from >= Tableaus(s) || to < 0 || to >= Tableaus(s)) return -1;
  const bool sameRow = from / cols == to / cols;
  if ((sameRow && (from == to - 2 || from == to + 2)) || from == to - 2 * cols || from == to + 2 * cols)
    return (from + to) / 2;
  return -1;
}

int RowStackPlace(const Session& s, int card) {
  if (card <= 0 || Tableaus(s) < 1) return -1;
  const std::string& row = Tableau(s, 0);
  int place = 0;
  for (int i = 0; i < PileCardCount(row); ++i) {
    const int at = CardAt(row, i);
    if (at <= 0 || s.cards.IsFaceDown(at)) continue;
    if (at == card) return place;
    ++place;
  }
  return -1;
}

bool RowStackAccepts(const Session& s, int card, int candidate) {
  if (card == candidate) return false;
  const int from = RowStackPlace(s, card), to = RowStackPlace(s, candidate);
  if (from < 0 || to < 0) return false;
  if (std::find(std::begin(kRowStackReach), std::end(kRowStackReach), from - to) == std::end(kRowStackReach))
    return false;
  return RowStackTopsMatch(card, candidate);
}

bool DiscardFits(const Session& s, int card, int top, int pile) {
  if (top <= 0 || card <= 0) return false;
  const PlayFamily family = FamilyOf(s.rules);
  const int r = CardRank(card), t = CardRank(top);
  if (family == PlayFamily::BlackHole) return std::abs(r - t) == 1 || (r == 1 && t == 13) || (r == 13 && t == 1);
  if ((r == 13 && t == 1) || (r == 1 && t == 13)) return family == PlayFamily::RelaxedGolf;
  BuildQuery query;
  query.emptyRule = -1;
  query.drop = false;
  query.pile = pile;
  query.wrap = false;
  query.foundation = false;
  query.code = 2;
  query.direction = 1;
  query.base = -1;
  query.top = top;
  query.card = card;
  if (CanBuild(s, query)) return true;
  query.top = card;
  query.card = top;
  return CanBuild(s, query);
}

bool RowStackTopsMatch(int card, int candidate) {
  return CardSuit(card) == CardSuit(candidate) || CardRank(card) == CardRank(candidate);
}

}  // namespace cardoria
