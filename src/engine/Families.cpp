// What a few families add to ordinary play: companions that follow their
// Jack or King, sweeps of a run of ten and of four of a rank, and the moves
// of the game of gaps.

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

namespace {}  // namespace

void Engine::SendToSecondWaste(int card, const Rect& from) {
  const PileRef waste{PileGroup::Stock, kSecondWasteItem};
  if (PileShown(s_, waste)) p_.view.FlyCard(card, from, NextCardRect(s_, waste));
  const int savedHeight = s_.drag.dragHeight;
  s_.drag.dragHeight = s_.layout.cardHeight;
  ExecuteMove(card, "Waste");
  s_.drag.dragHeight = savedHeight;
}

void Engine::MoveCompanion(int card) {
  const int rank = CardRank(card);
  if (rank != 11 && rank != 13) return;
  const int companion = rank == 11 ? card - 10 : card - 1;
  int f = 0;
  for (int i = 1; i <= Foundations(s_) && f == 0; ++i) {
    const std::string& pile = s_.piles.Pile(PileGroup::Foundation, i - 1);
    if (!pile.empty() && TopCard(pile) == card) f = i;
  }
  // The companion's foundation lies four places before its leader's; a
  // leader on one of the first four has none to send it to.
  const int target = f - 4;
  if (f == 0 || target < 1 || target > Foundations(s_)) return;
  // It comes from where its leader's start rule saw it open.
  const int at = LocateCard(s_.piles, s_.rules, companion);
  if (at < 1 && at != kLocWaste) return;
  const PileRef to{PileGroup::Foundation, target - 1};
  const int before = s_.history.undo.Steps();
  const int savedHeight = s_.drag.dragHeight;
  s_.drag.dragHeight = s_.layout.cardHeight;
  p_.view.FlyCard(companion, CardRectangle(s_, companion), NextCardRect(s_, to));
  const bool moved = ExecuteMove(companion, "Dest" + std::to_string(target));
  s_.drag.dragHeight = savedHeight;
  p_.view.RedrawPile({PileGroup::Foundation, f - 1});
  if (moved) FoldSince(before, true);
}

void Engine::FourOfRankSweep(int p) {
  if (!IsFamily(s_.rules, PlayFamily::PerpetualMotion) || p < 0 || p >= Tableaus(s_)) return;
  const std::string& pile = s_.piles.Pile(PileGroup::Tableau, p);
  const int count = PileCardCount(pile);
  if (count < 4) return;
  const int rank = CardRank(TopCard(pile));
  for (int k = 1; k <= 4; ++k) {
    const int card = CardAt(pile, count - k);
    // Holes and jokers are of no rank.
    if (card <= 0 || IsJoker(card) || CardRank(card) != rank) return;
  }
  for (int k = 0; k < 4; ++k) {
    const PileRef ref{PileGroup::Tableau, p};
    SendToSecondWaste(TopCard(s_.piles.Pile(PileGroup::Tableau, p)), TopCardRect(s_, ref));
  }
}

void Engine::RunOfTenSweep() {
  if (s_.rules[rule::TableauBuild] != 69 || Tableaus(s_) < 10) return;
  for (int i = 0; i < 10; ++i)
    if (PileCardCount(s_.piles.Pile(PileGroup::Tableau, i)) != 1) return;
  RefillEmptyTableau();
  auto cardOf = [&](int i) { return CardAt(s_.piles.Pile(PileGroup::Tableau, i), 0); };
  int start = 0;
  if (!IsJoker(cardOf(0))) {
    start = CardRank(cardOf(0));
  } else {
    for (int i = 1; i < 5 && start == 0; ++i)
      if (!IsJoker(cardOf(i))) start = (CardRank(cardOf(i)) - 1 - i + 13) % 13 + 1;
  }
  if (start == 0) return;
  for (int i = 0; i < 10; ++i) {
    const int card = cardOf(i);
    if (card <= 0 || (!IsJoker(card) && CardRank(card) != (start - 1 + i) % 13 + 1)) return;
  }
  auto send = [&](PileGroup group, int index, int at) {
    const int before = s_.history.undo.Steps();
    const PileRef ref{group, index};
    SendToSecondWaste(CardAt(s_.piles.Pile(group, index), at), CardInPileRect(s_, ref, at));
    FoldSince(before, true);
  };
  for (int i = 0; i < 10; ++i) send(PileGroup::Tableau, i, 0);
  int holding = 0;
  for (int i = 10; i < std::min(Tableaus(s_), 25); ++i) holding += !s_.piles.Pile(PileGroup::Tableau, i).empty();
  if (holding > 8) return;
  for (int i = 10; i < std::min(Tableaus(s_), 25); ++i)
    if (!s_.piles.Pile(PileGroup::Tableau, i).empty()) send(PileGroup::Tableau, i, 0);
  for (int r = 0; r < Reserves(s_); ++r)
    if (!s_.piles.Pile(PileGroup::Reserve, r).empty()) send(PileGroup::Reserve, r, 0);
}

bool Engine::GapMove(int card, int row, int place, bool byRightClick, const Rect& drag) {
  if (!GapAccepts(s_, card, row, place)) return false;
  const int from = LocateCard(s_.piles, s_.rules, card);
  if (from < 1) return false;
  const PileRef source{PileGroup::Tableau, from - 1}, target{PileGroup::Tableau, row};
  const Rect hole = CardInPileRect(s_, target, place - 1);
  PushStep(s_, Direction::Undo);
  if (byRightClick) {
    p_.view.LiftCards(card, CardRectangle(s_, card));
    Sound("card_up", 182);
    p_.view.FlyCard(card, CardRectangle(s_, card), hole);
  }
  // Card and hole change places.
  std::string& old = s_.piles.Pile(PileGroup::Tableau, from - 1);
  const std::size_t at = FindCode(old, card);
  old.replace(at, 3, "000");
  s_.piles.Pile(PileGroup::Tableau, row).replace(static_cast<std::size_t>(place - 1) * 3, 3, CardCode(card));
  s_.values.SetFlag(kGameWon, CheckWin());
  if (!byRightClick) p_.view.FlyCard(card, drag, hole);
  p_.view.RedrawPile(source);
  p_.view.RedrawPile(target);
  Sound("card_down", 181);
  UpdateScore();
  // A new move ends the line that Redo could follow.
  DiscardRedo(s_);
  return true;
}

bool Engine::GapRightClick(int card) {
  for (int row = 0; row < Tableaus(s_); ++row) {
    const int places = PileCardCount(s_.piles.Pile(PileGroup::Tableau, row));
    for (int k = 1; k <= places; ++k) {
      if (CardAt(s_.piles.Pile(PileGroup::Tableau, row), k - 1) != 0 || !GapAccepts(s_, card, row, k)) continue;
      GapMove(card, row, k, true);
      if (s_.values.Flag(kGameWon)) EndGame();
      return true;
    }
  }
  return false;
}

bool Engine::RowStackMove(int card, int candidate, const Rect& drag) {
  if (!RowStackAccepts(s_, card, candidate)) return false;
  const PileRef rowPile{PileGroup::Tableau, 0};
  std::string& row = s_.piles.Pile(PileGroup::Tableau, 0);
  const Rect landing = CardRectangle(s_, candidate);
  PushStep(s_, Direction::Undo);
  // The moving stack is its top card and the covered cards just before it.
  const int top = static_cast<int>(FindCode(row, card) / 3);
  int bottom = top;
  while (bottom > 0 && CardAt(row, bottom - 1) > 0 && s_.cards.IsFaceDown(CardAt(row, bottom - 1))) --bottom;
  const std::size_t from = static_cast<std::size_t>(bottom) * 3;
  const std::string stack = row.substr(from, static_cast<std::size_t>(top - bottom + 1) * 3);
  row.erase(from, stack.size());
  s_.cards.SetCardFace(candidate, '0');
  row.insert(FindCode(row, candidate) + 3, stack);
  s_.values.SetFlag(kGameWon, CheckWin());
  p_.view.FlyCard(card, drag, landing);
  p_.view.RedrawPile(rowPile);
  Sound("card_down", 181);
  UpdateScore();
  // A new move ends the line that Redo could follow.
  DiscardRedo(s_);
  return true;
}

}  // namespace cardoria
