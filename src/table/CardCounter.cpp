#include "table/CardCounter.h"

#include <algorithm>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria {

int CounterHeight(int cardCount) {
  switch (cardCount) {
    case 208: return 340;
    case 156: return 268;
    case 104: return 194;
    default: return 121;
  }
}

std::vector<CounterMark> CounterMarks(const Session& s, const CounterModes& modes) {
  const int count = std::clamp(static_cast<int>(s.rules[rule::CardCount]), 0, 208);
  std::vector<CounterMark> marks(static_cast<std::size_t>(count), CounterMark::None);
  const CounterMark up = modes.inverted ? CounterMark::Down : CounterMark::Up;
  const CounterMark down = modes.inverted ? CounterMark::Up : CounterMark::Down;
  auto set = [&](int card, CounterMark mark) {
    if (card >= 1 && card <= count) marks[static_cast<std::size_t>(card - 1)] = mark;
  };
  auto byFace = [&](int card) { set(card, s.cards.IsFaceDown(card) ? down : up); };
  auto each = [](const std::string& pile, auto&& mark) {
    for (int i = 0; i < PileCardCount(pile); ++i)
      if (const int card = CardAt(pile, i); card > 0) mark(card, i == PileCardCount(pile) - 1);
  };
  if (modes.CountsStock()) {
    each(s.piles.Pile(PileGroup::Stock, kStockItem), [&](int card, bool) { set(card, down); });
    const bool hasStock = s.rules[rule::HasStock] == 1, toWaste = s.rules[rule::StockDealsToWaste] == 1;
    const std::string& waste = s.piles.Pile(PileGroup::Stock, kWasteItem);
    if (hasStock && toWaste) each(waste, [&](int card, bool) { set(card, up); });
    if (!hasStock && toWaste) each(waste, [&](int card, bool top) { set(card, top ? up : down); });
  }
  if (modes.CountsTableau()) {
    for (auto group : {PileGroup::Tableau, PileGroup::Foundation})
      for (const std::string& pile : s.piles.Items(group)) each(pile, [&](int card, bool) { byFace(card); });
    for (const std::string& pile : s.piles.Items(PileGroup::Reserve))
      each(pile, [&](int card, bool) { set(card, up); });
    each(s.piles.Pile(PileGroup::Stock, kSecondWasteItem), [&](int card, bool) { byFace(card); });
  }
  return marks;
}

}  // namespace cardoria
