#include "core/Piles.h"

#include <algorithm>

#include "core/CardTable.h"
#include "core/Cards.h"
#include "core/GameRules.h"

namespace cardoria {

const std::string PileGroups::kEmpty;

namespace {

int GroupSize(PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return kStockPiles;
    case PileGroup::Foundation: return kFoundationPiles;
    case PileGroup::Tableau: return kTableauPiles;
    case PileGroup::Reserve: return kReservePiles;
  }
  return 0;
}

// The number of piles of a group the current game uses, kept inside the group.
int InUse(const GameRules& rules, int ruleIndex, int capacity) { return std::clamp(rules[ruleIndex], 0, capacity); }

}  // namespace

std::optional<PileRef> ParsePileName(std::string_view name) {
  if (name == "Mazzo") return PileRef{PileGroup::Stock, kStockItem};
  if (name == "Mazzo_Vis") return PileRef{PileGroup::Stock, kWasteItem};
  if (name == "Mazzo_Waste") return PileRef{PileGroup::Stock, kSecondWasteItem};
  auto numbered = [&](PileGroup group, std::string_view digits) -> std::optional<PileRef> {
    if (digits.empty() || !IsAllDigits(digits)) return std::nullopt;
    const int number = TextToInt(digits);
    if (number < 1 || number > GroupSize(group)) return std::nullopt;
    return PileRef{group, number - 1};
  };
  if (name.starts_with("Fila")) return numbered(PileGroup::Tableau, name.substr(4, 2));
  if (name.starts_with("Dest")) return numbered(PileGroup::Foundation, name.substr(4, 2));
  if (name.starts_with("Appogg")) return numbered(PileGroup::Reserve, name.substr(6, 1));
  return std::nullopt;
}

std::string PileName(PileRef ref) {
  const std::string number = std::to_string(ref.index + 1);
  switch (ref.group) {
    case PileGroup::Stock:
      return ref.index == kStockItem ? "Mazzo" : ref.index == kWasteItem ? "Mazzo_Vis" : "Mazzo_Waste";
    case PileGroup::Foundation: return "Dest" + number;
    case PileGroup::Tableau: return "Fila" + number;
    case PileGroup::Reserve: return "Appogg" + number;
  }
  return {};
}

PileGroups::PileGroups()
    : stock_(kStockPiles), foundation_(kFoundationPiles), tableau_(kTableauPiles), reserve_(kReservePiles) {}

TextList& PileGroups::Items(PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return stock_;
    case PileGroup::Foundation: return foundation_;
    case PileGroup::Tableau: return tableau_;
    case PileGroup::Reserve: return reserve_;
  }
  return stock_;
}

const TextList& PileGroups::Items(PileGroup group) const { return const_cast<PileGroups*>(this)->Items(group); }

std::string& PileGroups::Pile(PileGroup group, int index) {
  TextList& items = Items(group);
  if (index < 0 || index >= static_cast<int>(items.size())) {
    scratch_.clear();
    return scratch_;
  }
  return items[static_cast<std::size_t>(index)];
}

const std::string& PileGroups::Pile(PileGroup group, int index) const {
  const TextList& items = Items(group);
  if (index < 0 || index >= static_cast<int>(items.size())) return kEmpty;
  return items[static_cast<std::size_t>(index)];
}

std::string* PileGroups::Named(std::string_view name) {
  const auto ref = ParsePileName(name);
  return ref ? &Pile(ref->group, ref->index) : nullptr;
}

const std::string* PileGroups::Named(std::string_view name) const {
  const auto ref = ParsePileName(name);
  return ref ? &Pile(ref->group, ref->index) : nullptr;
}

void PileGroups::ClearAll() {
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve}) {
    for (auto& pile : Items(group)) pile.clear();
  }
}

int PileCardCount(std::string_view pile) { return static_cast<int>(pile.size() / 3); }

namespace {

// The value of the three-character code at a byte offset. Codes are nearly
// always three digits, read here without the general parser; play and the
// solver read them millions of times.
int CodeAt(std::string_view pile, std::size_t at) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const char a = pile[at], b = pile[at + 1], c = pile[at + 2];
  if (digit(a) && digit(b) && digit(c)) return (a - '0') * 100 + (b - '0') * 10 + (c - '0');
  return TextToInt(pile.substr(at, 3));
}

}  // namespace

int CardAt(std::string_view pile, int i) {
  if (i < 0 || i >= PileCardCount(pile)) return 0;
  return CodeAt(pile, static_cast<std::size_t>(i) * 3);
}

int TopCard(std::string_view pile) { return pile.size() < 3 ? 0 : CodeAt(pile, pile.size() - 3); }

int TopCardOf(const PileGroups& piles, std::string_view name) {
  if (name == "Mazzo_Waste") return 0;
  const std::string* pile = piles.Named(name);
  return pile ? TopCard(*pile) : 0;
}

bool PileHasCard(std::string_view cardText, std::string_view pile) {
  const int card = TextToInt(cardText);
  for (int i = 0; i < PileCardCount(pile); ++i) {
    if (CardAt(pile, i) == card) return true;
  }
  return false;
}

bool PileRanksDistinct(std::string_view pile) {
  bool seen[14] = {};
  for (int i = 0; i < PileCardCount(pile); ++i) {
    const int rank = CardRank(CardAt(pile, i));
    if (rank < 1 || rank > 13) continue;
    if (seen[rank]) return false;
    seen[rank] = true;
  }
  return true;
}

int LongestTableau(const PileGroups& piles, const GameRules& rules) {
  int longest = 0;
  const int used = InUse(rules, GameRules::kTableauCount, kTableauPiles);
  for (int i = 0; i < used; ++i) longest = std::max(longest, PileCardCount(piles.Pile(PileGroup::Tableau, i)));
  return longest;
}

bool IsTableauTop(const PileGroups& piles, const GameRules& rules, int card) {
  const int used = InUse(rules, GameRules::kTableauCount, kTableauPiles);
  for (int i = 0; i < used; ++i) {
    const std::string& pile = piles.Pile(PileGroup::Tableau, i);
    if (!pile.empty() && TopCard(pile) == card) return true;
  }
  return false;
}

void AppendCard(PileGroups& piles, CardTable& table, PileGroup group, int index, int card, std::optional<char> digit) {
  piles.Pile(group, index) += CardCode(card);
  if (card != kHoleCode && digit) table.SetCardFace(card, *digit);
}

void AppendCardToNamedPile(PileGroups& piles, CardTable& table, std::string_view name, int card,
                           std::optional<char> digit) {
  const auto ref = ParsePileName(name);
  if (!ref || (ref->group == PileGroup::Stock && ref->index != kWasteItem)) return;
  AppendCard(piles, table, ref->group, ref->index, card, digit);
}

std::size_t FindCode(std::string_view pile, int card) {
  for (std::size_t at = 0; at + 3 <= pile.size(); at += 3) {
    if (CodeAt(pile, at) == card) return at;
  }
  return std::string_view::npos;
}

bool TakeCard(std::string& pile, int card, int mode) {
  const std::size_t at = FindCode(pile, card);
  if (at == std::string_view::npos) return false;
  {
    switch (mode) {
      case kTakeRemove: pile.erase(at, 3); break;
      case kTakeLeaveHole: pile.replace(at, 3, "000"); break;
      case kTakeRemoveWithHole: {
        pile.erase(at, 3);
        const std::size_t before = at >= 3 ? at - 3 : 0;
        if (pile.compare(before, 3, "000") == 0 && before + 3 <= pile.size()) pile.erase(before, 3);
        break;
      }
      default: break;
    }
  }
  return true;
}

bool TakeCard(PileGroups& piles, PileGroup group, int index, int card, int mode) {
  return TakeCard(piles.Pile(group, index), card, mode);
}

int FindCardKind(PileGroups& piles, const GameRules& rules, int card, int mode) {
  if (TakeCard(piles, PileGroup::Stock, kWasteItem, card, mode)) return kPileWaste;
  const int tableau = InUse(rules, GameRules::kTableauCount, kTableauPiles);
  for (int i = 0; i < tableau; ++i) {
    if (TakeCard(piles, PileGroup::Tableau, i, card, mode)) return kPileTableau;
  }
  for (int i = 0; i < kFoundationPiles; ++i) {
    if (TakeCard(piles, PileGroup::Foundation, i, card, mode)) return kPileFoundation;
  }
  if (TakeCard(piles, PileGroup::Stock, kStockItem, card, mode)) return kPileStock;
  if (TakeCard(piles, PileGroup::Stock, kSecondWasteItem, card, mode)) return kPileSecondWaste;
  for (int i = 0; i < kReservePiles; ++i) {
    if (TakeCard(piles, PileGroup::Reserve, i, card, mode)) return kPileReserve;
  }
  return kPileNotFound;
}

int LocateCard(const PileGroups& piles, const GameRules& rules, int card) {
  auto holds = [&](PileGroup group, int index) {
    return FindCode(piles.Pile(group, index), card) != std::string_view::npos;
  };
  if (holds(PileGroup::Stock, kStockItem)) return kLocStock;
  if (holds(PileGroup::Stock, kWasteItem)) return kLocWaste;
  for (int i = 0; i < kFoundationPiles; ++i) {
    if (holds(PileGroup::Foundation, i)) return FoundationLocation(i + 1);
  }
  const int tableau = InUse(rules, GameRules::kTableauCount, kTableauPiles);
  for (int i = 0; i < tableau; ++i) {
    if (holds(PileGroup::Tableau, i)) return TableauLocation(i + 1);
  }
  const int reserves = InUse(rules, GameRules::kReserveCount, kReservePiles);
  for (int i = 0; i < reserves; ++i) {
    if (holds(PileGroup::Reserve, i)) return ReserveLocation(i + 1);
  }
  return kLocNone;
}

}  // namespace cardoria
