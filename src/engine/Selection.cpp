// Selection play: pressing cards selects them, a complete group goes to the
// second waste; the discards by a click of the Golf, Black Hole and Relaxed
// Golf families; the Monte Carlo consolidation.

#include <algorithm>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/FamilyRules.h"
#include "engine/Legality.h"
#include "engine/SelectionTests.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

int KindOf(int location) {
  if (location == kLocStock) return kPileStock;
  if (location == kLocWaste) return kPileWaste;
  if (location >= 1) return kPileTableau;
  if (location <= -21 && location >= -28) return kPileReserve;
  if (location <= -1 && location >= -16) return kPileFoundation;
  return kPileSecondWaste;
}

int TakeTop(std::string& pile) {
  if (pile.size() < 3) return 0;
  const int card = TopCard(pile);
  pile.resize(pile.size() - 3);
  return card;
}

constexpr int kCloseRequested = 67;

}  // namespace

bool Engine::ToggleSelected(int card) {
  std::string& selection = s_.piles.Pile(PileGroup::Foundation, 0);
  if (IsSelected(s_, card)) {
    TakeCard(selection, card, kTakeRemove);
    return false;
  }
  selection += CardCode(card);
  return true;
}

void Engine::SelectCard(int card, const std::string& pile, const Rect& rect) {
  const PlayFamily family = FamilyOf(s_.rules);
  const auto ref = ParsePileName(pile);
  if (!ref) return;
  if (ref->group == PileGroup::Stock) {
    if (family == PlayFamily::MonteCarlo) {
      ExecuteMove(0, "Stock_To_Pile_Monte_Carlo");
    } else if (IsRowFamily(family)) {
      ExecuteMove(7, "Add_Tableaus");
    } else {
      return;
    }
    if (s_.values.Flag(kGameWon)) EndGame();
    return;
  }
  if (ref->group != PileGroup::Tableau || card <= 0) return;
  if ((family == PlayFamily::PatientPairs || family == PlayFamily::HiddenElevens) && s_.cards.IsFaceDown(card)) {
    if (TopCard(s_.piles.Pile(PileGroup::Tableau, ref->index)) == card) FaceUpMove(card);
    return;
  }
  const bool added = ToggleSelected(card);
  auto refuse = [&] {
    p_.view.Beep();
    if (added) {
      TakeCard(s_.piles.Pile(PileGroup::Foundation, 0), card, kTakeRemove);
    } else {
      // The card has left the selection all the same: it must not go on
      // looking selected.
      p_.view.InvertCard(rect);
    }
  };
  if (family == PlayFamily::MonteCarlo) {
    const int count = PileCardCount(Selection(s_));
    if (count > 2 || (count == 2 && !MonteCarloPair(s_, card))) return refuse();
    p_.view.InvertCard(rect);
    if (count == 2) CompleteSelection(false);
    return;
  }
  if (!SelectionAccepted(s_, card)) return refuse();
  p_.view.InvertCard(rect);
  if (SelectionComplete(s_)) CompleteSelection(true);
}

void Engine::SelectForSum(int card, const Rect& rect) {
  if (card <= 0) return;
  const PlayFamily family = FamilyOf(s_.rules);
  const bool added = ToggleSelected(card);
  bool complete = false;
  if (family == PlayFamily::ChainCrossing) {
    if (added) {
      const ChainState chain = IsChainValid(s_);
      if (!chain.valid) {
        p_.view.Beep();
        TakeCard(s_.piles.Pile(PileGroup::Foundation, 0), card, kTakeRemove);
        return;
      }
    }
    p_.view.InvertCard(rect);
    complete = IsChainValid(s_).complete;
  } else {
    const std::vector<int> cards = SelectedCards(s_);
    if (cards.size() > 2) {
      p_.view.Beep();
      TakeCard(s_.piles.Pile(PileGroup::Foundation, 0), card, kTakeRemove);
      return;
    }
    p_.view.InvertCard(rect);
    int sum = 0;
    for (int c : cards) sum += CardRank(c);
    complete = !cards.empty() && sum == (family == PlayFamily::FourteenOut ? 14 : 13);
  }
  if (complete) CompleteSelection(false);
}

bool Engine::CanDiscard(int card, int pile) const {
  return DiscardFits(s_, card, TopCard(s_.piles.Pile(PileGroup::Stock, kSecondWasteItem)), pile);
}

bool Engine::FamilyTableauPress(int button, const HitResult& hit) {
  const PlayFamily family = FamilyOf(s_.rules);
  const int pile = TableauPileOf(s_, hit.card);
  const bool top = pile >= 0 && TopCard(s_.piles.Pile(PileGroup::Tableau, pile)) == hit.card;
  switch (family) {
    case PlayFamily::ChainCrossing: SelectForSum(hit.card, hit.rect); return true;
    case PlayFamily::FourteenOut:
      if (button != kLeftButton) return false;
      if (top) SelectForSum(hit.card, hit.rect);
      return true;
    case PlayFamily::Pyramid:
      if (button != kLeftButton) return false;
      if (IsFreeInPyramid(s_, hit.card)) SelectForSum(hit.card, hit.rect);
      return true;
    case PlayFamily::Golf:
    case PlayFamily::BlackHole:
    case PlayFamily::RelaxedGolf: {
      if (button != kLeftButton) return false;
      if (!top) return true;
      if (!CanDiscard(hit.card, pile)) {
        p_.view.Beep();
        return true;
      }
      // The card is lifted as if to be carried, and sent on at once.
      Lift(hit.card, hit.rect);
      const PileRef second{PileGroup::Stock, kSecondWasteItem};
      if (s_.store.Get(pos::kCardsAnimate, 1) != "N")
        p_.view.FlyCard(hit.card, s_.drag.dragRect, TopCardRect(s_, second));
      ExecuteMove(hit.card, "Waste");
      s_.drag.draggedCard = 0;
      s_.drag.groupTopCard = 0;
      if (s_.values.Flag(kGameWon)) EndGame();
      return true;
    }
    default: return false;
  }
}

void Engine::CompleteSelection(bool refill) {
  p_.view.SetInputBlocked(true);
  ExecuteMove(0, "Selezionate_Dest");
  if (refill && s_.positions[kCloseRequested] != 1) ExecuteMove(0, "Selezionate_Fila");
  // The end of the game brings its own screens, which must hear the mouse.
  p_.view.SetInputBlocked(false);
  if (s_.values.Flag(kGameWon)) EndGame();
}

bool Engine::RemoveSelection(bool& leftTableau) {
  std::string& selection = s_.piles.Pile(PileGroup::Foundation, 0);
  if (selection.empty()) return false;
  const PlayFamily family = FamilyOf(s_.rules);
  const int layout = s_.rules[rule::TableauLayout];
  Sound("Pairing", 175);
  const bool topSelected = layout == 8 && IsSelected(s_, TopCard(s_.piles.Pile(PileGroup::Tableau, 0)));
  PushStep(s_, Direction::Undo);
  p_.view.Pause(150);
  const PileRef second{PileGroup::Stock, kSecondWasteItem};
  std::vector<int> remembered;
  while (!selection.empty()) {
    const int card = CardAt(selection, 0);
    selection.erase(0, 3);
    const Rect from = SelectedCardRect(s_, card);
    const int location = LocateCard(s_.piles, s_.rules, card);
    if (layout == 4) {
      const bool stockGroup = location == kLocStock || location == kLocWaste;
      FindCardKind(s_.piles, s_.rules, card, stockGroup ? kTakeRemove : kTakeLeaveHole);
    } else if (layout == 8) {
      remembered.push_back(card);
    } else {
      FindCardKind(s_.piles, s_.rules, card, kTakeRemove);
    }
    p_.view.RedrawTable();
    AppendCard(s_.piles, s_.cards, PileGroup::Stock, kSecondWasteItem, card, '1');
    if (s_.store.Get(pos::kCardsAnimate, 1) != "N") p_.view.FlyCard(card, from, TopCardRect(s_, second));
    p_.view.RedrawPile(second);
    p_.view.CardMoved(card, KindOf(location), kPileSecondWaste);
    ClockTick();
  }
  if (layout == 8) {
    for (int card : remembered) TakeCard(s_.piles.Pile(PileGroup::Tableau, 0), card, kTakeRemoveWithHole);
    if (!topSelected) p_.view.RedrawTable();
  }
  leftTableau = family == PlayFamily::PatientPairs || family == PlayFamily::HiddenElevens;
  if (family == PlayFamily::ChainCrossing) RefillEmptyTableau();
  s_.values.SetFlag(kGameWon, CheckWin());
  return true;
}

bool Engine::RefillGaps() {
  std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  const PileRef stockRef{PileGroup::Stock, kStockItem};
  bool refilled = false;
  for (int i = 0; i < Tableaus(s_); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    if (s_.piles.Pile(PileGroup::Tableau, i).empty() && !stock.empty()) {
      const Rect from = TopCardRect(s_, stockRef);
      const int card = TakeTop(stock);
      AppendCard(s_.piles, s_.cards, PileGroup::Tableau, i, card, '1');
      p_.view.FlyCard(card, from, TopCardRect(s_, pile));
      p_.view.RedrawPile(stockRef);
      p_.view.RedrawPile(pile);
      p_.view.CardMoved(card, kPileStock, kPileTableau);
      Sound("Shuffle", 149);
      refilled = true;
    }
    ClockTick();
  }
  return refilled;
}

bool Engine::MonteCarloConsolidation() {
  const int n = Tableaus(s_);
  std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  bool anyEmpty = false, gapBeforeCard = false;
  for (int i = 0; i < n; ++i) {
    const bool empty = s_.piles.Pile(PileGroup::Tableau, i).empty();
    if (!empty && anyEmpty) gapBeforeCard = true;
    anyEmpty = anyEmpty || empty;
  }
  if (!anyEmpty || (stock.empty() && !gapBeforeCard)) return false;
  PushStep(s_, Direction::Undo);
  s_.piles.Pile(PileGroup::Foundation, 0).clear();
  for (int p = 0; p < n; ++p) {
    if (!s_.piles.Pile(PileGroup::Tableau, p).empty()) continue;
    int q = p + 1;
    while (q < n && s_.piles.Pile(PileGroup::Tableau, q).empty()) ++q;
    if (q >= n) break;
    std::string& from = s_.piles.Pile(PileGroup::Tableau, q);
    const int card = CardAt(from, 0);
    p_.view.FlyCard(card, CardInPileRect(s_, {PileGroup::Tableau, q}, 0), TopCardRect(s_, {PileGroup::Tableau, p}));
    s_.piles.Pile(PileGroup::Tableau, p) = from;
    from.clear();
    Sound("Shuffle", 177);
    p_.view.RedrawTable();
  }
  const PileRef stockRef{PileGroup::Stock, kStockItem};
  for (int p = 0; p < n && !stock.empty(); ++p) {
    if (!s_.piles.Pile(PileGroup::Tableau, p).empty()) continue;
    const Rect from = TopCardRect(s_, stockRef);
    const int card = TakeTop(stock);
    AppendCard(s_.piles, s_.cards, PileGroup::Tableau, p, card, '1');
    p_.view.FlyCard(card, from, TopCardRect(s_, {PileGroup::Tableau, p}));
    p_.view.RedrawPile(stockRef);
    p_.view.RedrawPile({PileGroup::Tableau, p});
    p_.view.CardMoved(card, kPileStock, kPileTableau);
    Sound("Shuffle", 149);
  }
  p_.view.RedrawTable();
  s_.values.SetFlag(kGameWon, CheckWin());
  return true;
}

}  // namespace cardoria
