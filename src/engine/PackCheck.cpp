#include "engine/PackCheck.h"

#include <algorithm>

#include "core/CardTable.h"
#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/SelectionTests.h"

namespace cardoria {

namespace {

constexpr PileGroup kGroups[] = {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve};

// Ace to King keeps its run as codes in reserve 1; Forget Me Not brings
// second-deck twins of its cards into play.
bool IsRunRecord(const Session& s, const std::string& pile) {
  return IsFamily(s.rules, PlayFamily::AceToKing) && &pile == &s.piles.Pile(PileGroup::Reserve, 0);
}

bool IsSelectionPile(const Session& s, const std::string& pile) { return UsesSelection(s) && &pile == &Selection(s); }

std::string PileName(PileGroup group, int index) {
  switch (group) {
    case PileGroup::Stock:
      return index == kStockItem ? "the stock" : index == kWasteItem ? "the waste" : "the second waste";
    case PileGroup::Foundation: return "foundation " + std::to_string(index + 1);
    case PileGroup::Tableau: return "column " + std::to_string(index + 1);
    case PileGroup::Reserve: return "reserve " + std::to_string(index + 1);
  }
  return {};
}

}  // namespace

std::vector<int> CardCensus(const Session& s) {
  std::vector<int> seen(kCardCount + 1, 0);
  for (PileGroup group : kGroups)
    for (const std::string& pile : s.piles.Items(group)) {
      if (IsSelectionPile(s, pile) || IsRunRecord(s, pile)) continue;
      for (int i = 0; i < PileCardCount(pile); ++i) {
        const int card = CardAt(pile, i);
        if (card > 0 && card <= kCardCount) ++seen[static_cast<std::size_t>(card)];
      }
    }
  return seen;
}

std::string TableText(const Session& s) {
  std::string text;
  for (PileGroup group : kGroups)
    for (const std::string& pile : s.piles.Items(group))
      text += (IsSelectionPile(s, pile) ? std::string() : SnapshotLine(s.cards, pile)) + "|";
  return text;
}

bool DealsPartOfThePack(const Session& s) {
  const int special = s.rules[rule::DealSpecial];
  // A pack of fewer cards is as many as the shuffle lays out of the whole one.
  const int cards = s.rules[rule::CardCount];
  return special == 9 || special == 11 || special == 12 || (cards != 52 && cards != 104);
}

std::vector<int> PackOfGame(const Session& s) {
  const GameRules& r = s.rules;
  std::vector<int> pack(kCardCount + 1, 0);
  for (int card = 1; card <= kCardCount; ++card) {
    int times = 0;
    if (IsJoker(card)) {
      for (int i = 0; i < kTableauPiles; ++i) times += r[rule::TableauDealCount + i] == card - 105 + 1501;
    } else if (card <= r[rule::CardCount]) {
      const int rank = CardRank(card);
      // Gaps takes the Aces out; the short pack of 32 leaves out the 2s to the 6s.
      const bool left =
          (r[rule::DealSpecial] == 8 && rank == 1) || (r[rule::DealSpecial] == 15 && rank >= 2 && rank <= 6);
      times = left ? 0 : 1;
    }
    pack[static_cast<std::size_t>(card)] = times;
  }
  return pack;
}

bool IsGamePile(const Session& s, PileGroup group, int index) {
  const GameRules& r = s.rules;
  auto within = [&](int countRule, int size) { return index < std::clamp(r[countRule], 0, size); };
  switch (group) {
    case PileGroup::Stock:
      // Each pile of the stock group that the rules use or deal to.
      if (index == kStockItem) return r[rule::HasStock] != 0 || r[rule::StockDealCount] > 0;
      if (index == kWasteItem)
        return r[rule::HasStock] != 0 || r[rule::StockDealsToWaste] != 0 || r[rule::WasteDealCount] > 0;
      return index == kSecondWasteItem && (r[rule::SecondWasteCount] > 0 || r[rule::DealToSecondWaste] != 0 ||
                                           r[rule::SecondWasteCard] != 0 || r[rule::SecondWasteDealCount] > 0);
    case PileGroup::Foundation:
      return within(rule::FoundationCount, kFoundationPiles) || (index == 0 && UsesSelection(s));
    case PileGroup::Tableau: return within(rule::TableauCount, kTableauPiles);
    case PileGroup::Reserve:
      return within(rule::ReserveCount, kReservePiles) || (index == 0 && IsFamily(r, PlayFamily::AceToKing));
  }
  return false;
}

std::optional<std::string> CardOffTheGame(const Session& s) {
  for (PileGroup group : kGroups) {
    const TextList& piles = s.piles.Items(group);
    for (std::size_t i = 0; i < piles.size(); ++i) {
      const std::string& pile = piles[i];
      if (IsRunRecord(s, pile)) continue;
      for (int k = 0; k < PileCardCount(pile); ++k) {
        const int card = CardAt(pile, k);
        if (card < 0 || card > kCardCount)
          return "code " + std::to_string(card) + " lies on " + PileName(group, static_cast<int>(i));
        if (card > 0 && !IsGamePile(s, group, static_cast<int>(i)))
          return "card " + ZeroPad(card, 3) + " lies on " + PileName(group, static_cast<int>(i)) +
                 ", which this game does not have";
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> PackProblem(const Session& s, const std::vector<int>& pack) {
  if (auto off = CardOffTheGame(s)) return off;
  const std::vector<int> seen = CardCensus(s);
  for (int card : SelectedCards(s))
    if (card < 1 || card > kCardCount || seen[static_cast<std::size_t>(card)] != 1)
      return "the selected card " + ZeroPad(card, 3) + " lies nowhere";
  const bool twins = IsFamily(s.rules, PlayFamily::ForgetMeNot);
  for (int card = 1; card <= kCardCount; ++card) {
    const int count = seen[static_cast<std::size_t>(card)];
    const int expected = card < static_cast<int>(pack.size()) ? pack[static_cast<std::size_t>(card)] : 0;
    if (twins && card > 52 && card <= 104 && count <= 1) continue;
    if (count == expected) continue;
    if (count == 0) return "card " + ZeroPad(card, 3) + " is missing";
    if (expected == 0) return "card " + ZeroPad(card, 3) + " is not in the pack of this game";
    return "card " + ZeroPad(card, 3) + " lies " + std::to_string(count) + " times where the pack has it " +
           std::to_string(expected) + (expected == 1 ? " time" : " times");
  }
  return std::nullopt;
}

}  // namespace cardoria
