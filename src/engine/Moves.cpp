// The one move procedure and what follows every move.

#include <algorithm>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/FamilyRules.h"
#include "engine/Legality.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

// The 1-based number after a pile-name prefix, or 0.
int NumberAfter(const std::string& name, std::size_t prefix) {
  const std::string digits = name.substr(std::min(prefix, name.size()), 2);
  return IsAllDigits(digits) && !digits.empty() ? TextToInt(digits) : 0;
}

int KindOfLocation(int location) {
  if (location == kLocStock) return kPileStock;
  if (location == kLocWaste) return kPileWaste;
  if (location >= 1) return kPileTableau;
  if (location <= -1 && location >= -16) return kPileFoundation;
  if (location <= -21 && location >= -28) return kPileReserve;
  return kPileNotFound;
}

}  // namespace

void Engine::Sound(const std::string& name, int switchPosition) {
  if (s_.store.Get(pos::kSoundsEnabled, 1) != "Y") return;
  if (switchPosition == kNoSoundSwitch || s_.store.Get(switchPosition, 1) == "Y") p_.view.PlaySound(name);
}

void Engine::FoldSince(int stepsBefore, bool intoPrevious) {
  // Counting the steps really pushed keeps a sub-move that pushed none from
  // eating an earlier step, and takes nested face-up steps along.
  const int pushed = s_.history.undo.Steps() - stepsBefore;
  const int n = intoPrevious && stepsBefore > 0 ? pushed : pushed - 1;
  if (n > 0) FoldSteps(s_, n);
}

bool Engine::ExecuteMove(int card, const std::string& destination) {
  if (s_.rules[rule::FoundationsFirst] == 1 && s_.positions[PositionTable::kMovesMade] == 0) {
    if (!(LocateCard(s_.piles, s_.rules, card) > 0 && destination.starts_with("Dest"))) return false;
  }
  const std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  const std::string& waste = s_.piles.Pile(PileGroup::Stock, kWasteItem);
  const bool stockWasFull = !stock.empty() || PileCardCount(waste) > 1;
  bool leftTableau = false;
  const bool executed = ExecuteBranch(card, destination, leftTableau);
  AfterMove(card, executed, leftTableau, stockWasFull);
  if (executed && IsFamily(s_.rules, PlayFamily::JacksAndKings) && destination.starts_with("Dest")) MoveCompanion(card);
  return executed;
}

bool Engine::ExecuteBranch(int card, const std::string& destination, bool& leftTableau) {
  if (destination == "Mazzo_Vis" || destination == "Mazzo_Waste") {
    // A held stock button acts at its release; a press on an empty stock arms it.
    if (s_.drag.stockPressed) return s_.rules[rule::RedealKind] < 1 ? TurnWasteOver() : Redeal();
    if (!s_.piles.Pile(PileGroup::Stock, kStockItem).empty()) return DealFromStock(destination, true);
    return destination == "Mazzo_Vis" && (s_.rules[rule::RedealKind] < 1 ? TurnWasteOver() : Redeal());
  }
  if (destination == "Mazzo_Redeal") return Redeal();
  if (destination.starts_with("Add_") || destination == "Fill_Tableaus") return AddDeals(destination);
  if (destination == "Selezionate_Dest") return RemoveSelection(leftTableau);
  if (destination == "Selezionate_Fila") return RefillGaps();
  if (destination == "Stock_To_Pile_Monte_Carlo") return MonteCarloConsolidation();

  const int fromLocation = LocateCard(s_.piles, s_.rules, card);
  const int fromKind = KindOfLocation(fromLocation);
  if (card <= 0) return false;
  if (destination.starts_with("Fila")) {
    const int n = NumberAfter(destination, 4);
    if (n < 1 || n > kTableauPiles) return false;
    const int p = n - 1;
    PushStep(s_, Direction::Undo);
    if (MovingSingleCard(s_)) {
      FindCardKind(s_.piles, s_.rules, card, kTakeRemove);
      AppendCard(s_.piles, s_.cards, PileGroup::Tableau, p, card, '1');
    } else {
      const std::string group = GroupFrom(s_, card);
      for (int i = 0; i < PileCardCount(group); ++i) FindCardKind(s_.piles, s_.rules, CardAt(group, i), kTakeRemove);
      for (int i = 0; i < PileCardCount(group); ++i)
        AppendCard(s_.piles, s_.cards, PileGroup::Tableau, p, CardAt(group, i), '1');
    }
    p_.view.CardMoved(card, fromKind, kPileTableau);
    p_.view.RedrawPile({PileGroup::Tableau, p});
    leftTableau = fromKind == kPileTableau;
    if (leftTableau) CompletedSequenceRemoval(fromLocation - 1);
    CompletedSequenceRemoval(p);
    Sound("Tableau", 177);
    FourOfRankSweep(p);
    if (s_.rules[rule::TableauBuild + p] == 69) RunOfTenSweep();
    if (s_.rules[rule::TableauBuild + p] == 71) RemoveJumpedCard(fromLocation, p);
    if (IsFamily(s_.rules, PlayFamily::ForgetMeNot)) CheckTwinsPlaced();
    return true;
  }
  if (destination.starts_with("Dest")) {
    const bool autoplay = destination.starts_with("Dest_Autoplay");
    const int n = NumberAfter(destination, autoplay ? 13 : 4);
    if (n < 1 || n > kFoundationPiles) return false;
    const int f = n - 1;
    PushStep(s_, Direction::Undo);
    FindCardKind(s_.piles, s_.rules, card, kTakeRemove);
    AppendCard(s_.piles, s_.cards, PileGroup::Foundation, f, card, '1');
    p_.view.RedrawPile({PileGroup::Foundation, f});
    p_.view.CardMoved(card, fromKind, kPileFoundation);
    s_.values.SetFlag(kGameWon, CheckWin());
    if (autoplay) {
      Sound("Autoplay", 143);
    } else {
      Sound("Foundation", 184);
    }
    if (s_.rules[rule::FoundationSorted] == 1) {
      std::string& pile = s_.piles.Pile(PileGroup::Foundation, f);
      std::vector<int> cards;
      for (int i = 0; i < PileCardCount(pile); ++i) cards.push_back(CardAt(pile, i));
      std::sort(cards.begin(), cards.end());
      pile.clear();
      for (int c : cards) pile += CardCode(c);
      p_.view.RedrawPile({PileGroup::Foundation, f});
      if (cards.size() > 1) Sound("Reorder", kNoSoundSwitch);
    }
    leftTableau = fromKind == kPileTableau;
    return true;
  }
  if (destination.starts_with("Appogg")) {
    const int n = NumberAfter(destination, 6);
    if (n < 1 || n > kReservePiles) return false;
    PushStep(s_, Direction::Undo);
    FindCardKind(s_.piles, s_.rules, card, kTakeRemove);
    AppendCard(s_.piles, s_.cards, PileGroup::Reserve, n - 1, card, '1');
    p_.view.RedrawPile({PileGroup::Reserve, n - 1});
    p_.view.CardMoved(card, fromKind, kPileReserve);
    Sound("Tableau", 177);
    leftTableau = fromKind == kPileTableau;
    return true;
  }
  if (destination == "Stock02" || destination == "Waste") {
    const bool toWaste = destination == "Stock02";
    const int item = toWaste ? kWasteItem : kSecondWasteItem;
    PushStep(s_, Direction::Undo);
    FindCardKind(s_.piles, s_.rules, card, kTakeRemove);
    AppendCard(s_.piles, s_.cards, PileGroup::Stock, item, card, '1');
    p_.view.RedrawPile({PileGroup::Stock, item});
    p_.view.CardMoved(card, fromKind, toWaste ? kPileWaste : kPileSecondWaste);
    s_.values.SetFlag(kGameWon, CheckWin());
    if (toWaste) {
      Sound("Tableau", 177);
    } else if (IsFamily(s_.rules, PlayFamily::BlackHole)) {
      Sound("Eddy", 184);
    }
    leftTableau = fromKind == kPileTableau;
    return true;
  }
  return false;
}

void Engine::AfterMove(int card, bool executed, bool leftTableau, bool stockWasFull) {
  const std::string& stock = s_.piles.Pile(PileGroup::Stock, kStockItem);
  if (stockWasFull && stock.empty() && PileCardCount(s_.piles.Pile(PileGroup::Stock, kWasteItem)) <= 1)
    p_.view.RedrawPile({PileGroup::Stock, kStockItem});
  if (!executed) return;
  if (IsFamily(s_.rules, PlayFamily::PokerSquares)) {
    ScorePokerGrid(card);
  } else {
    UpdateScore();
  }
  if (leftTableau && !AutoplayActive()) AutoFaceUp();
  DiscardRedo(s_);
  const int moves = s_.positions[PositionTable::kMovesMade];
  s_.positions.Set(PositionTable::kMovesMade, std::min(moves + 1, 2));
  if (s_.rules[rule::FillAfterFirstMove] == 1 && moves == 0) {
    s_.positions.Set(PositionTable::kMovesMade, 2);
    ExecuteMove(0, "Fill_Tableaus");
  }
  // These families are won by what is left on the table, which a move to a
  // tableau pile or a reserve changes as much as one to a foundation.
  const PlayFamily family = FamilyOf(s_.rules);
  if (family == PlayFamily::SalicLaw || family == PlayFamily::AcesUp || family == PlayFamily::EightPuzzle ||
      family == PlayFamily::PegSolitaire)
    s_.values.SetFlag(kGameWon, CheckWin());
}

void Engine::RemoveJumpedCard(int source, int destination) {
  const int j = JumpedPile(s_, source, destination);
  if (j < 0) return;
  const std::string& pile = s_.piles.Pile(PileGroup::Tableau, j);
  if (pile.empty() || CardAt(pile, 0) <= 0) return;
  const int card = CardAt(pile, 0);
  const int before = s_.history.undo.Steps();
  const int savedHeight = s_.drag.dragHeight;
  s_.drag.dragHeight = s_.layout.cardHeight;
  const Rect from = CardInPileRect(s_, {PileGroup::Tableau, j}, 0);
  p_.view.LiftCards(card, from);
  // A table without a second waste lets the card go without a flight off it.
  const PileRef secondWaste{PileGroup::Stock, kSecondWasteItem};
  if (PileShown(s_, secondWaste)) p_.view.FlyCard(card, from, NextCardRect(s_, secondWaste));
  ExecuteMove(card, "Waste");
  s_.drag.dragHeight = savedHeight;
  // The jumped card leaves with the jump: one step.
  FoldSince(before, true);
}

void Engine::FaceUpMove(int card) {
  PushStep(s_, Direction::Undo);
  s_.cards.SetCardFace(card, '1');
  const int location = LocateCard(s_.piles, s_.rules, card);
  if (location > 0) p_.view.RedrawPile({PileGroup::Tableau, location - 1});
  Sound("Face_up", 180);
  p_.view.CardMoved(card, kPileTableau, kPileTableau);
  DiscardRedo(s_);
}

void Engine::CompletedSequenceRemoval(int p) {
  if (p < 0 || p >= kTableauPiles) return;
  const std::string& pile = s_.piles.Pile(PileGroup::Tableau, p);
  if (PileCardCount(pile) <= 12) return;
  auto collecting = [&](int f) {
    const int base = s_.rules[rule::FoundationBase + f];
    return base == rule::kR || base == rule::kS || base == rule::kUnderscore;
  };
  int target = -1;
  bool any = false;
  for (int f = 0; f < Foundations(s_); ++f) {
    if (!collecting(f)) continue;
    any = true;
    if (target < 0 && s_.piles.Pile(PileGroup::Foundation, f).empty()) target = f;
  }
  if (!any || target < 0) return;
  const int base = s_.rules[rule::FoundationBase + target];
  const bool descending = s_.rules[rule::FoundationBase] == rule::kUnderscore;
  const int count = PileCardCount(pile);
  const int top = CardAt(pile, count - 1);
  int expected = descending ? 13 : 1;
  for (int k = 0; k < 13; ++k) {
    const int card = CardAt(pile, count - 1 - k);
    if (card <= 0 || s_.cards.IsFaceDown(card) || CardRank(card) != expected) return;
    if (k > 0) {
      const int above = CardAt(pile, count - k);
      if (base == rule::kR) {
        const int build = s_.rules[rule::TableauBuild + p];
        if (build == 3 && IsRedCard(card) == IsRedCard(above)) return;
        if (build == 0 && CardSuit(card) != CardSuit(top)) return;
      } else if (CardSuit(card) != CardSuit(top)) {
        return;
      }
    }
    expected += descending ? -1 : 1;
  }
  if ((base == rule::kR || base == rule::kS) && !FoundationStartAllowed(s_, rule::kR, top)) return;
  if (s_.store.Get(183, 1) == "Y" && s_.store.Get(pos::kSoundsEnabled, 1) == "Y") p_.view.PlaySoundLoop("Redeal");
  const int before = s_.history.undo.Steps();
  const bool shown = PileShown(s_, {PileGroup::Foundation, target});
  const int savedHeight = s_.drag.dragHeight;
  for (int k = 0; k < 13; ++k) {
    const std::string& now = s_.piles.Pile(PileGroup::Tableau, p);
    const int card = TopCard(now);
    s_.drag.dragHeight = s_.layout.cardHeight;
    p_.view.FlyCard(card, CardRectangle(s_, card), NextCardRect(s_, {PileGroup::Foundation, target}));
    ExecuteMove(card, shown ? "Dest" + std::to_string(target + 1) : "Waste");
  }
  s_.drag.dragHeight = savedHeight;
  // The cards leave with the move that completed the sequence: one step.
  FoldSince(before, true);
  p_.view.StopSound();
}

bool Engine::TryFoundation(Session&, int card, int foundation) {
  const std::string name = "Dest" + std::to_string(foundation + 1);
  const int savedHeight = s_.drag.dragHeight;
  s_.drag.dragHeight = s_.layout.cardHeight;
  const bool legal = CanDropOnPile(s_, card, name);
  s_.drag.dragHeight = savedHeight;
  if (!legal) return false;
  FindCardKind(s_.piles, s_.rules, card, kTakeRemove);
  AppendCard(s_.piles, s_.cards, PileGroup::Foundation, foundation, card, '1');
  UpdateScore();
  return true;
}

}  // namespace cardoria
