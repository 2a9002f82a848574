// The stock: dealing, turning the waste over, redeals and refills.

#include <algorithm>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/Legality.h"
#include "engine/SelectionTests.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

bool PassesLeft(const Session& s) {
  const int redeals = s.rules[rule::Redeals];
  return redeals == -1 || s.positions[PositionTable::kPassCounter] < redeals;
}

// Takes the top card off a pile text; 0 when it is empty.
int TakeTop(std::string& pile) {
  if (pile.size() < 3) return 0;
  const int card = TopCard(pile);
  pile.resize(pile.size() - 3);
  return card;
}

constexpr int kKeptPiles[8] = {0, 6, 7, 13, 14, 20, 21, 27};
bool Kept(int pile) { return std::find(std::begin(kKeptPiles), std::end(kKeptPiles), pile) != std::end(kKeptPiles); }

}  // namespace

void Engine::StockClick(int top) {
  const GameRules& r = s_.rules;
  const std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  const PlayFamily family = FamilyOf(r);
  if (family == PlayFamily::Pyramid && top > 0 && !Selection(s_).empty()) {
    // The stock's card joins the selection instead of being dealt.
    SelectForSum(top, TopCardRect(s_, {PileGroup::Stock, kStockItem}));
    return;
  }
  if (r[rule::StockDealsToWaste] == 1) {
    if (r[rule::StockDealOnlyEmptyWaste] == 0 || s_.piles.Pile(PileGroup::Stock, kWasteItem).empty())
      ExecuteMove(top, "Mazzo_Vis");
    return;
  }
  const int lastPile = std::max(Tableaus(s_) - 1, 0);
  const int lastReserve = std::max(Reserves(s_) - 1, 0);
  if (r[rule::RedealKind] > 0 && stock.empty()) {
    ExecuteMove(top, "Mazzo_Redeal");
  } else if (r[rule::RedealKind] == 6) {
    ExecuteMove(top, "Mazzo_Redeal");
  } else if (r[rule::TableauAddKind] == 1 || r[rule::TableauAddKind + lastPile] == 1) {
    ExecuteMove(7, "Add_Tableaus");
  } else if (r[rule::TableauAddKind] == 2 || r[rule::TableauAddKind + lastPile] == 2) {
    bool full = true;
    for (int i = 0; i < Tableaus(s_); ++i) full = full && !s_.piles.Pile(PileGroup::Tableau, i).empty();
    if (full) {
      ExecuteMove(7, "Add_Tableaus");
    } else if (!stock.empty()) {
      p_.messages.ShowInfo("Fill in any gaps in the tableau before dealing.");
    }
  } else if (r[rule::ReserveAddKind] == 1 || r[rule::ReserveAddKind + lastReserve] == 1) {
    ExecuteMove(7, "Add_Reserves");
  } else if (r[rule::ReserveAddKind] == 3) {
    if (PileCardCount(stock) == 8) {
      ExecuteMove(7, "Add_Tableaus_Last");
    } else {
      ExecuteMove(7, "Add_Reserves");
      ExecuteMove(7, "Add_Reserves");
    }
  } else if (r[rule::ReserveAddKind] == 4 && !stock.empty()) {
    s_.values.SetCounter(kDealCounter, s_.values.Counter(kDealCounter) + 1);
    const std::string target = "Add_Reserve_" + std::string(s_.values.Counter(kDealCounter) % 2 == 1 ? "1" : "2");
    const int before = s_.history.undo.Steps();
    int deals = 0;
    for (int k = 0; k < 3 && !s_.piles.Pile(PileGroup::Stock, kStockItem).empty(); ++k)
      deals += ExecuteMove(7, target) ? 1 : 0;
    FoldSince(before, false);
    if (deals > 0) TagStep(s_, kTagDealCounter);
  } else if (r[rule::DealToSecondWaste] != 0) {
    ExecuteMove(top, "Mazzo_Waste");
  }
  if ((family == PlayFamily::Golf || family == PlayFamily::RelaxedGolf) && s_.values.Flag(kGameWon)) EndGame();
}

void Engine::SendToQueensRow(int queen) {
  const int place = FreeQueensPlace(s_);
  if (place < 0) return;
  const PileRef waste{PileGroup::Stock, kWasteItem}, row{PileGroup::Reserve, place};
  const Rect from = TopCardRect(s_, waste);
  std::string& pile = s_.piles.Pile(PileGroup::Stock, kWasteItem);
  if (TopCard(pile) != queen) return;
  pile.resize(pile.size() - 3);
  AppendCard(s_.piles, s_.cards, PileGroup::Reserve, place, queen, '1');
  p_.view.RedrawPile(waste);
  if (s_.store.Get(pos::kCardsAnimate, 1) != "N") p_.view.FlyCard(queen, from, TopCardRect(s_, row));
  p_.view.RedrawPile(row);
  p_.view.CardMoved(queen, kPileWaste, kPileReserve);
}

bool Engine::DealFromStock(const std::string& destination, bool pushStep) {
  std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  if (stock.empty()) return false;
  if (pushStep) PushStep(s_, Direction::Undo);
  const bool toWaste = destination == "Mazzo_Vis";
  const int item = toWaste ? kWasteItem : kSecondWasteItem;
  const PileRef stockRef{PileGroup::Stock, kStockItem}, target{PileGroup::Stock, item};
  const int perDeal = std::max(s_.rules[rule::CardsPerDeal], 1);
  for (int k = 0; k < perDeal && !stock.empty(); ++k) {
    const Rect from = TopCardRect(s_, stockRef);
    const int card = TakeTop(stock);
    AppendCard(s_.piles, s_.cards, PileGroup::Stock, item, card, '1');
    p_.view.RedrawPile(stockRef);
    if (s_.store.Get(pos::kCardsAnimate, 1) != "N") p_.view.FlyCard(card, from, TopCardRect(s_, target));
    p_.view.RedrawPile(target);
    p_.view.CardMoved(card, kPileStock, toWaste ? kPileWaste : kPileSecondWaste);
    Sound("Stock", 176);
    if (toWaste && CardRank(card) == 12) SendToQueensRow(card);
    s_.values.SetFlag(kGameWon, CheckWin());
  }
  if (IsFamily(s_.rules, PlayFamily::HitOrMiss)) {
    // The count of deals is what the next card must match; undo takes it back.
    s_.values.SetCounter(kDealCounter, s_.values.Counter(kDealCounter) + 1);
    if (s_.logs.LastHas(kUndoLog, kTagGatheringRedeal)) {
      // A turn-over and its deal are one step that keeps both tags.
      const std::string entry = s_.logs.Last(kUndoLog) + ZeroPad(kTagDealCounter, 3);
      s_.logs.DropLast(kUndoLog);
      s_.logs.Append(kUndoLog, entry);
    } else {
      TagStep(s_, kTagDealCounter);
    }
  }
  return true;
}

bool Engine::StockButtonReleased(bool allowed) {
  if (s_.drag.stockPressed) return allowed;
  // The empty stock is a button: a press only shows it held down.
  if (allowed) {
    s_.drag.stockPressed = true;
    s_.drag.pressedPile = "Mazzo";
    p_.view.DrawStockPressed(true);
  }
  return false;
}

bool Engine::TurnWasteOver() {
  std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  std::string& waste = s_.piles.Pile(PileGroup::Stock, kWasteItem);
  if (!StockButtonReleased(stock.empty() && PileCardCount(waste) > 1 && PassesLeft(s_))) return false;
  s_.positions.Set(PositionTable::kPassCounter, s_.positions[PositionTable::kPassCounter] + 1);
  PushStep(s_, Direction::Undo);
  // The deal that follows may empty the stock again, which the stock rule of
  // undo cannot tell from no turn at all: the tag gives the pass back.
  TagStep(s_, kTagGatheringRedeal);
  // A selected waste card goes back into the stock unselected.
  if (IsFamily(s_.rules, PlayFamily::Pyramid))
    TakeCard(s_.piles.Pile(PileGroup::Foundation, 0), TopCard(waste), kTakeRemove);
  stock.clear();
  const bool animate = s_.store.Get(242, 1) != "N";
  if (animate && s_.store.Get(183, 1) == "Y" && s_.store.Get(pos::kSoundsEnabled, 1) == "Y") {
    p_.view.PlaySoundLoop("Redeal");
  } else if (!animate) {
    Sound("Red_no_a", 252);
  }
  const char face = s_.rules[rule::StockFaceDown] == 1 ? '0' : '1';
  while (!waste.empty()) {
    const int card = TakeTop(waste);
    AppendCard(s_.piles, s_.cards, PileGroup::Stock, kStockItem, card, face);
    if (animate)
      p_.view.FlyCard(card, TopCardRect(s_, {PileGroup::Stock, kWasteItem}),
                      TopCardRect(s_, {PileGroup::Stock, kStockItem}));
  }
  p_.view.RedrawPile({PileGroup::Stock, kStockItem});
  p_.view.RedrawPile({PileGroup::Stock, kWasteItem});
  if (animate) p_.view.StopSound();
  p_.view.CardMoved(0, kPileWaste, kPileStock);
  DealFromStock("Mazzo_Vis", false);
  return true;
}

bool Engine::Redeal() {
  const bool stockEmpty = s_.piles.Pile(PileGroup::Stock, kStockItem).empty();
  if (!StockButtonReleased(PassesLeft(s_) && (stockEmpty || s_.rules[rule::RedealKind] == 6))) return false;
  PushStep(s_, Direction::Undo);
  s_.positions.Set(PositionTable::kPassCounter, s_.positions[PositionTable::kPassCounter] + 1);
  RedealProcedure(s_.rules[rule::RedealKind]);
  return true;
}

void Engine::RedealProcedure(int kind) {
  TagStep(s_, kTagGatheringRedeal);
  const GameRules& r = s_.rules;
  const int n = Tableaus(s_);
  const PileRef stockRef{PileGroup::Stock, kStockItem};
  if (kind == 7) {
    for (int i = 0; i < n; ++i) {
      std::string& pile = s_.piles.Pile(PileGroup::Tableau, i);
      if (PileCardCount(pile) <= 1) continue;
      const std::string bottom = pile.substr(0, 3);
      pile = pile.substr(3) + bottom;
      s_.cards.SetCardFace(TextToInt(bottom), '1');
      Sound("Shuffle", 149);
      p_.view.RedrawPile({PileGroup::Tableau, i});
    }
    return;
  }
  const bool toWaste = (r[rule::StockGroupCount] == 1 && r[rule::HasStock] == 0 && r[rule::StockDealsToWaste] == 1) ||
                       kind == 6 || kind == 9;
  const int gatherItem = toWaste ? kWasteItem : kStockItem;
  const char gatherFace = toWaste ? '1' : '0';
  TextList gathered;
  auto gather = [&](int pileIndex, int at) {
    std::string& pile = s_.piles.Pile(PileGroup::Tableau, pileIndex);
    const std::string code = pile.substr(static_cast<std::size_t>(at) * 3, 3);
    pile.erase(static_cast<std::size_t>(at) * 3, 3);
    const int card = TextToInt(code);
    if (card <= 0) return;
    p_.view.FlyCard(card, CardInPileRect(s_, {PileGroup::Tableau, pileIndex}, at), TopCardRect(s_, stockRef));
    Sound("Shuffle", 149);
    AppendCard(s_.piles, s_.cards, PileGroup::Stock, gatherItem, card, gatherFace);
    gathered.push_back(code);
  };
  if (kind == 4 || kind == 5) {
    for (int i = n - 1; i >= 0; --i)
      while (!s_.piles.Pile(PileGroup::Tableau, i).empty())
        gather(i, PileCardCount(s_.piles.Pile(PileGroup::Tableau, i)) - 1);
    p_.view.RedrawTable();
    return;
  }
  if (kind == 8) {
    for (int i = 0; i < n; ++i) {
      std::string& pile = s_.piles.Pile(PileGroup::Tableau, i);
      int keep = 0;
      if (PileCardCount(pile) > 0 && CardRank(CardAt(pile, 0)) == 2) {
        keep = 1;
        while (keep < PileCardCount(pile) && CardSuit(CardAt(pile, keep)) == CardSuit(CardAt(pile, 0)) &&
               CardRank(CardAt(pile, keep)) == CardRank(CardAt(pile, keep - 1)) + 1)
          ++keep;
      }
      for (int at = PileCardCount(pile) - 1; at >= keep; --at) gather(i, at);
      pile += "000";
    }
  } else if (kind == 9) {
    // The redeal moves cards under a pending selection: it is given up.
    if (UsesSelection(s_)) s_.piles.Pile(PileGroup::Foundation, 0).clear();
    // Every card of a place goes, though a place of this redeal holds one:
    // the place is emptied for its new card below.
    for (int i = 0; i < n; ++i)
      while (!Kept(i) && !s_.piles.Pile(PileGroup::Tableau, i).empty()) gather(i, 0);
  } else {
    for (int i = 0; i < n; ++i)
      while (!s_.piles.Pile(PileGroup::Tableau, i).empty())
        gather(i, PileCardCount(s_.piles.Pile(PileGroup::Tableau, i)) - 1);
  }
  const TextList mixed = MixRedeal(gathered);
  const char face = r[rule::TableauDealCount] != r[rule::TableauFaceUp] ? '0' : '1';
  std::string& gatherPile = s_.piles.Pile(PileGroup::Stock, gatherItem);
  auto dealTo = [&](int pileIndex, const std::string& code, char digit) {
    TakeCard(gatherPile, TextToInt(code), kTakeRemove);
    AppendCard(s_.piles, s_.cards, PileGroup::Tableau, pileIndex, TextToInt(code), digit);
  };
  if (kind == 8) {
    std::size_t next = 0;
    for (int i = 0; i < n; ++i) {
      std::string& pile = s_.piles.Pile(PileGroup::Tableau, i);
      while (PileCardCount(pile) < 13 && next < mixed.size()) dealTo(i, mixed[next++], '1');
    }
  } else if (kind == 9) {
    std::string& waste = s_.piles.Pile(PileGroup::Stock, kWasteItem);
    for (const std::string& code : mixed) TakeCard(waste, TextToInt(code), kTakeRemove);
    for (const std::string& code : mixed) waste.insert(0, code);
    for (int i = 0; i < n; ++i) {
      if (Kept(i)) continue;
      s_.piles.Pile(PileGroup::Tableau, i).clear();
      if (r[rule::TableauDealCount + i] != 0 && !waste.empty()) {
        const int card = TakeTop(waste);
        AppendCard(s_.piles, s_.cards, PileGroup::Tableau, i, card, '1');
      }
    }
  } else if (n > 0) {
    const int perPile = r[rule::TableauDealCount];
    int pile = 0;
    std::size_t next = 0;
    if (kind == 1 || kind == 6) {
      for (; pile < n && next < mixed.size(); ++pile)
        while (PileCardCount(s_.piles.Pile(PileGroup::Tableau, pile)) < std::max(perPile, 1) && next < mixed.size())
          dealTo(pile, mixed[next++], face);
      pile = 0;
    }
    if (kind != 6) {
      for (; next < mixed.size(); pile = (pile + 1) % n) dealTo(pile, mixed[next++], face);
    }
  }
  if (r[rule::TableauFaceUp] == 1 && r[rule::TableauFaceUp] != r[rule::TableauDealCount]) {
    for (int i = 0; i < n; ++i) {
      const std::string& pile = s_.piles.Pile(PileGroup::Tableau, i);
      if (!pile.empty() && TopCard(pile) > 0) s_.cards.SetCardFace(TopCard(pile), '1');
    }
  }
  p_.view.RedrawTable();
}

bool Engine::AddDeals(const std::string& name) {
  std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  if (stock.empty()) return false;
  if (name != "Fill_Tableaus") PushStep(s_, Direction::Undo);
  std::vector<PileRef> served;
  if (name == "Add_Tableaus" || name == "Add_Tableaus_Last" || name == "Fill_Tableaus") {
    for (int i = 0; i < Tableaus(s_); ++i) {
      const int add = s_.rules[rule::TableauAddKind + i];
      if ((name == "Add_Tableaus" && add >= 1 && add <= 4) || name == "Add_Tableaus_Last" ||
          (name == "Fill_Tableaus" && s_.piles.Pile(PileGroup::Tableau, i).empty()))
        served.push_back({PileGroup::Tableau, i});
    }
  } else if (name == "Add_Reserves") {
    for (int i = 0; i < Reserves(s_); ++i) {
      const int add = s_.rules[rule::ReserveAddKind + i];
      if (add >= 1 && add <= 4) served.push_back({PileGroup::Reserve, i});
    }
  } else if (name.starts_with("Add_Reserve_") && name.size() == 13 && name[12] >= '1' && name[12] <= '8') {
    served.push_back({PileGroup::Reserve, name[12] - '1'});
  }
  const PileRef stockRef{PileGroup::Stock, kStockItem};
  for (const PileRef& pile : served) {
    if (stock.empty()) break;
    const Rect from = TopCardRect(s_, stockRef);
    const int card = TakeTop(stock);
    if (pile.group == PileGroup::Tableau && s_.rules[rule::TableauLayout] == 8)
      AppendCard(s_.piles, s_.cards, PileGroup::Tableau, 0, 0);
    AppendCard(s_.piles, s_.cards, pile.group, pile.index, card, '1');
    p_.view.FlyCard(card, from, TopCardRect(s_, pile));
    p_.view.RedrawPile(stockRef);
    p_.view.RedrawPile(pile);
    p_.view.CardMoved(card, kPileStock, pile.group == PileGroup::Tableau ? kPileTableau : kPileReserve);
    Sound("Shuffle", 149);
    CompletedSequenceRemoval(pile.index);
  }
  for (const PileRef& pile : served)
    if (pile.group == PileGroup::Tableau) FourOfRankSweep(pile.index);
  s_.values.SetFlag(kGameWon, CheckWin());
  return true;
}

void Engine::RefillEmptyTableau() {
  const GameRules& r = s_.rules;
  const int source = r[rule::AutoFillSource];
  if (source == 0 || !s_.values.Flag(kGameInProgress)) return;
  if (r[rule::FoundationsFirst] != 0 && s_.positions[PositionTable::kMovesMade] == 0) return;
  const std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  const std::string& waste = s_.piles.Pile(PileGroup::Stock, kWasteItem);
  const std::string& reserve = s_.piles.Pile(PileGroup::Reserve, 0);
  if (source == 4 && s_.logs.Count(kUndoLog, kTagFamilyMove) > 0) return;
  const int grid = std::max(r[rule::GridRows], 0) * std::max(r[rule::GridCols], 0);
  auto refill = [&](int pile, int card) {
    if (card <= 0) return false;
    const int before = s_.history.undo.Steps();
    const int savedHeight = s_.drag.dragHeight;
    s_.drag.dragHeight = s_.layout.cardHeight;
    p_.view.FlyCard(card, CardRectangle(s_, card), NextCardRect(s_, {PileGroup::Tableau, pile}));
    const bool moved = ExecuteMove(card, "Fila" + std::to_string(pile + 1));
    s_.drag.dragHeight = savedHeight;
    // The refill is undone together with the move that emptied the pile.
    if (moved) FoldSince(before, true);
    return moved;
  };
  for (int i = 0; i < Tableaus(s_); ++i) {
    if (!s_.piles.Pile(PileGroup::Tableau, i).empty()) continue;
    switch (source) {
      case 1:
        if (!reserve.empty()) refill(i, TopCard(reserve));
        break;
      case 2:
      case 3:
      case 4:
        if (stock.empty() && waste.empty()) return;
        if (source != 3 && i < grid) break;
        if (source == 3) {
          refill(i, !stock.empty() ? TopCard(stock) : TopCard(waste));
        } else {
          refill(i, !waste.empty() ? TopCard(waste) : TopCard(stock));
        }
        break;
      case 5:
        for (int k = 0; k < 3 && !waste.empty(); ++k) refill(i, TopCard(waste));
        break;
      case 6:
        if (Kept(i) && !waste.empty()) refill(i, TopCard(waste));
        break;
      case 7:
        if (i >= 10 && !stock.empty()) refill(i, TopCard(stock));
        break;
      default: return;
    }
  }
}

TextList MixRedeal(const TextList& gathered) {
  TextList list = gathered, mixed;
  std::size_t q = list.size() / 2;
  while (!list.empty()) {
    if (q >= list.size()) q = 0;
    mixed.push_back(list[q]);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(q));
    q += mixed.size() % 2 == 1 ? 2 : 5;
  }
  return mixed;
}

}  // namespace cardoria
