#include "engine/SelectionTests.h"
#include "engine/Legality.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

const std::string& Tableau(const Session& s, int i) { return s.piles.Pile(PileGroup::Tableau, i); }

bool HolesOnly(const std::string& pile) {
  for (int k = 0; k < PileCardCount(pile); ++k)
    if (CardAt(pile, k) != 0) return false;
  return true;
}

// Jack, Queen and King count 10 in Decade.
int TenValue(int card) { return std::min(CardRank(card), 10); }

int RankSum(const std::vector<int>& cards) {
  int sum = 0;
  for (int card : cards) sum += CardRank(card);
  return sum;
}

struct Split {
  std::vector<int> low, high;
};
// Cards up to `lowest` and cards above it.
Split SplitAt(const std::vector<int>& cards, int lowest) {
  Split split;
  for (int card : cards) (CardRank(card) <= lowest ? split.low : split.high).push_back(card);
  return split;
}

bool RanksDistinct(const std::vector<int>& cards) {
  std::array<int, 14> seen{};
  for (int card : cards) {
    const int rank = CardRank(card);
    if (rank < 1) continue;
    if (seen[static_cast<std::size_t>(rank)]++ > 0) return false;
  }
  return true;
}

bool AllOneRank(const std::vector<int>& cards) {
  return std::all_of(cards.begin(), cards.end(), [&](int c) { return CardRank(c) == CardRank(cards.front()); });
}

bool IsTopOfItsPile(const Session& s, int card) {
  const int pile = TableauPileOf(s, card);
  return pile >= 0 && TopCard(Tableau(s, pile)) == card;
}

// Low cards and court cards never mix; at most two low cards; court cards of
// different ranks only (Elevens, Nines and Hidden Elevens).
bool LowOrDistinctCourt(const Split& split) {
  if (!split.low.empty() && !split.high.empty()) return false;
  return split.low.size() <= 2 && RanksDistinct(split.high);
}

bool OneOfEachAbove(const Split& split, int lowest) {
  return split.low.empty() && static_cast<int>(split.high.size()) == 13 - lowest && RanksDistinct(split.high);
}

// Code positions in tableau pile 1 of the first selected card and of the
// card that completes the count of selected cards; -1 when missing.
std::pair<int, int> RunBounds(const Session& s) {
  const std::string& pile = Tableau(s, 0);
  const std::string& selection = Selection(s);
  const int wanted = PileCardCount(selection);
  const int count = PileCardCount(pile);
  int first = -1;
  for (int k = 0; k < count && first < 0; ++k)
    if (CardAt(pile, k) != 0 && PileHasCard(CardCode(CardAt(pile, k)), selection)) first = k;
  if (first < 0 || wanted == 0) return {first, -1};
  int counted = 0;
  for (int k = first; k < count; ++k) {
    if (CardAt(pile, k) == 0) continue;
    if (++counted == wanted) return {first, k};
  }
  return {first, -1};
}

}  // namespace

const std::string& Selection(const Session& session) { return session.piles.Pile(PileGroup::Foundation, 0); }

std::vector<int> SelectedCards(const Session& session) {
  const std::string& text = Selection(session);
  std::vector<int> cards;
  for (int k = 0; k < PileCardCount(text); ++k) cards.push_back(CardAt(text, k));
  return cards;
}

bool IsSelected(const Session& session, int card) {
  return card > 0 && FindCode(Selection(session), card) != std::string::npos;
}

bool UsesSelection(const Session& session) {
  const PlayFamily family = FamilyOf(session.rules);
  return session.rules[rule::PairingSum] != 0 || family == PlayFamily::FourteenOut || family == PlayFamily::Pyramid ||
         family == PlayFamily::ChainCrossing;
}

int TableauPileOf(const Session& session, int card) {
  if (card <= 0) return -1;
  for (int i = 0; i < Tableaus(session); ++i)
    if (FindCode(Tableau(session, i), card) != std::string::npos) return i;
  return -1;
}

Rect SelectedCardRect(const Session& session, int card) {
  if (card <= 0) return {};
  auto search = [&](PileGroup group, int from, int to) -> std::optional<Rect> {
    for (int i = from; i < to; ++i) {
      const std::size_t at = FindCode(session.piles.Pile(group, i), card);
      if (at == std::string::npos) continue;
      const PileRef pile{group, i};
      if (!PileShown(session, pile)) return Rect{};
      if (group == PileGroup::Stock) return TopCardRect(session, pile);
      return CardInPileRect(session, pile, static_cast<int>(at / 3));
    }
    return std::nullopt;
  };
  for (const auto& [group, from, to] :
       {std::tuple{PileGroup::Stock, 0, kStockPiles}, std::tuple{PileGroup::Tableau, 0, kTableauPiles},
        std::tuple{PileGroup::Reserve, 0, kReservePiles}, std::tuple{PileGroup::Foundation, 1, kFoundationPiles}})
    if (const auto rect = search(group, from, to)) return *rect;
  return {};
}

bool IsUnbrokenRun(const Session& session) {
  const std::string& pile = Tableau(session, 0);
  const std::string& selection = Selection(session);
  const int wanted = PileCardCount(selection);
  const int first = RunBounds(session).first;
  if (first < 0) return true;
  int counted = 0;
  for (int k = first; k < PileCardCount(pile) && counted < wanted; ++k) {
    const int card = CardAt(pile, k);
    if (card == 0) continue;
    if (!PileHasCard(CardCode(card), selection)) return false;
    ++counted;
  }
  return true;
}

bool OuterCardsMatch(const Session& session) {
  const PlayFamily family = FamilyOf(session.rules);
  if (Selection(session).empty() || (family != PlayFamily::MarriageRow && family != PlayFamily::RoyalMarriage))
    return false;
  const std::string& pile = Tableau(session, 0);
  const auto [first, last] = RunBounds(session);
  if (first < 2 || last < 0 || last + 2 >= PileCardCount(pile)) return false;
  const int before = CardAt(pile, first - 2), after = CardAt(pile, last + 2);
  // A hole or a joker has neither a rank nor a suit to share.
  if (CardRank(before) < 1 || CardRank(after) < 1) return false;
  return CardRank(before) == CardRank(after) || CardSuit(before) == CardSuit(after);
}

bool AdjacentInFiveColumns(int a, int b) {
  if (a == b || a < 0 || b < 0) return false;
  return std::abs(a % 5 - b % 5) <= 1 && std::abs(a / 5 - b / 5) <= 1;
}

bool IsFreeInPyramid(const Session& session, int card) {
  const int n = TableauPileOf(session, card);
  if (n < 0) return false;
  const int k = static_cast<int>(FindCode(Tableau(session, n), card) / 3);
  const int count = Tableaus(session);
  bool below = false;
  for (int i = n + 1; i < count && !below; ++i) below = !HolesOnly(Tableau(session, i));
  if (!below) return true;
  const std::string& next = Tableau(session, n + 1);
  return k + 1 < PileCardCount(next) && CardAt(next, k) == 0 && CardAt(next, k + 1) == 0;
}

bool IsGridNeighbour(const Session& session, int a, int b) {
  const int pa = TableauPileOf(session, a), pb = TableauPileOf(session, b);
  if (pa < 0 || pb < 0 || pa == pb) return false;
  if (pb >= Tableaus(session)) return false;
  return std::abs(pa % 7 - pb % 7) <= 1 && std::abs(pa / 7 - pb / 7) <= 1;
}

bool ChainLinks(const Session& session, int previous, int next) {
  const int apart = std::abs(CardRank(previous) - CardRank(next));
  return (apart == 0 || apart == 1 || apart == 12) && IsGridNeighbour(session, previous, next);
}

ChainState IsChainValid(const Session& session) {
  const std::vector<int> chain = SelectedCards(session);
  if (chain.empty()) return {};
  int firstColumn = 0, lastColumn = 0;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const int pile = TableauPileOf(session, chain[i]);
    if (pile < 0) return {};
    if (i == 0 && pile % 7 != 0) return {};
    if (i > 0) {
      if (!ChainLinks(session, chain[i - 1], chain[i])) return {};
    }
    firstColumn += pile % 7 == 0;
    lastColumn += pile % 7 == 6;
  }
  const bool valid = firstColumn == 1 && lastColumn <= 1;
  return {valid, valid && lastColumn == 1};
}

bool SelectionAccepted(const Session& session, int pressed) {
  const std::vector<int> cards = SelectedCards(session);
  const int sum = session.rules[rule::PairingSum];
  switch (FamilyOf(session.rules)) {
    case PlayFamily::Fifteens: {
      const Split split = SplitAt(cards, 9);
      if (sum == 15) {
        // Fifteens: low cards that stay within fifteen, or court cards and tens of different ranks.
        if (!split.low.empty() && !split.high.empty()) return false;
        return RankSum(split.low) <= 15 && RanksDistinct(split.high);
      }
      if (!split.high.empty() && !(split.low.empty() && AllOneRank(split.high))) return false;
      return !(sum == 10 && !split.low.empty() && split.low.size() > 2);
    }
    case PlayFamily::Thirteens: return cards.size() <= 2;
    case PlayFamily::Nestor:
    case PlayFamily::SimplePairs:
      return IsTopOfItsPile(session, pressed) && cards.size() <= 2 && (cards.size() < 2 || AllOneRank(cards));
    case PlayFamily::Elevens: return LowOrDistinctCourt(SplitAt(cards, 10));
    case PlayFamily::Eighteens: {
      const Split split = SplitAt(cards, 10);
      const bool ace = std::any_of(cards.begin(), cards.end(), [](int c) { return CardRank(c) == 1; });
      return cards.size() <= 4 && split.high.size() <= 1 && split.low.size() <= 3 && (!ace || cards.size() == 1) &&
             RanksDistinct(cards);
    }
    case PlayFamily::MarriageRow:
    case PlayFamily::RoyalMarriage: {
      if (IsFamily(session.rules, PlayFamily::RoyalMarriage) &&
          std::any_of(cards.begin(), cards.end(), [](int c) { return c == 12 || c == 13; }))
        return false;
      return cards.size() <= 2 && IsUnbrokenRun(session);
    }
    case PlayFamily::MultiplesOfSeven: return cards.size() <= 3 && IsUnbrokenRun(session);
    case PlayFamily::Nines: return LowOrDistinctCourt(SplitAt(cards, 9));
    case PlayFamily::PatientPairs:
      return !session.cards.IsFaceDown(pressed) && cards.size() <= 2 && (cards.size() < 2 || AllOneRank(cards));
    case PlayFamily::HiddenElevens:
      return !session.cards.IsFaceDown(pressed) && cards.size() <= 3 && LowOrDistinctCourt(SplitAt(cards, 10));
    default: return true;
  }
}

bool SelectionComplete(const Session& session) {
  const std::vector<int> cards = SelectedCards(session);
  if (cards.empty()) return false;
  const int target = session.rules[rule::PairingSum];
  switch (FamilyOf(session.rules)) {
    case PlayFamily::Fifteens: {
      const Split split = SplitAt(cards, 9);
      if (target == 15) return split.high.empty() ? RankSum(cards) == 15 : OneOfEachAbove(split, 9);
      if (split.low.empty()) return cards.size() == 4 && AllOneRank(cards);
      if (!split.high.empty()) return false;
      return target == 10 && cards.size() == 2 && RankSum(cards) == 10;
    }
    case PlayFamily::Nestor:
    case PlayFamily::SimplePairs:
    case PlayFamily::PatientPairs: return cards.size() == 2 && AllOneRank(cards);
    case PlayFamily::Elevens:
    case PlayFamily::HiddenElevens: {
      const Split split = SplitAt(cards, 10);
      return (split.high.empty() && cards.size() == 2 && RankSum(cards) == 11) || OneOfEachAbove(split, 10);
    }
    case PlayFamily::Eighteens: {
      if (cards.size() == 1) return CardRank(cards.front()) == 1;
      const Split split = SplitAt(cards, 10);
      return cards.size() == 4 && split.high.size() == 1 && RankSum(split.low) == 18 &&
             std::all_of(split.low.begin(), split.low.end(), [](int c) { return CardRank(c) >= 2; });
    }
    case PlayFamily::Decade: {
      int value = 0;
      for (int card : cards) value += TenValue(card);
      return (value == 10 || value == 20 || value == 30) && cards.size() >= 2 && IsUnbrokenRun(session);
    }
    case PlayFamily::MarriageRow:
    case PlayFamily::RoyalMarriage: return IsUnbrokenRun(session) && OuterCardsMatch(session);
    case PlayFamily::MultiplesOfSeven: return RankSum(cards) > 0 && RankSum(cards) % 7 == 0;
    case PlayFamily::Nines: {
      const Split split = SplitAt(cards, 9);
      return (split.high.empty() && cards.size() <= 2 && RankSum(cards) == 9) || OneOfEachAbove(split, 9);
    }
    default: return RankSum(cards) == target;
  }
}

bool MonteCarloPair(const Session& session, int pressed) {
  const std::vector<int> cards = SelectedCards(session);
  if (cards.size() != 2) return false;
  int first = -1;
  for (int i = 0; i < Tableaus(session) && first < 0; ++i)
    if (CardAt(Tableau(session, i), 0) == cards.front()) first = i;
  return first >= 0 && CardRank(cards[0]) == CardRank(cards[1]) &&
         AdjacentInFiveColumns(first, TableauPileOf(session, pressed));
}

}  // namespace cardoria
