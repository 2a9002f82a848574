// Pressing, dragging and releasing cards on the table.

#include <algorithm>
#include <utility>
#include <vector>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/Legality.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

// The part of a fanned pile that a card owns, walking from the bottom.
HitResult HitInPile(const Session& s, PileRef pile, int mode, int x, int y, bool anyCardRectangle) {
  HitResult hit;
  const std::string& text = s.piles.Pile(pile.group, pile.index);
  const int count = PileCardCount(text);
  if (count == 0) return hit;
  if (mode == 3) {
    const Rect top = TopCardRect(s, pile);
    const Rect whole{PileX(s, pile), PileY(s, pile), top.right, top.bottom};
    if (whole.Contains(x, y)) hit = {TopCard(text), PileName(pile), top};
    return hit;
  }
  for (int i = count - 1; anyCardRectangle && i >= 0; --i) {
    const Rect r = CardInPileRect(s, pile, i);
    if (CardAt(text, i) > 0 && r.Contains(x, y)) return {CardAt(text, i), PileName(pile), r};
  }
  if (anyCardRectangle) return hit;
  for (int i = 0; i < count; ++i) {
    const Rect card = CardInPileRect(s, pile, i);
    Rect strip = card;
    if (i + 1 < count) {
      const Rect next = CardInPileRect(s, pile, i + 1);
      // A fan goes down or right. The irregular look shifts the cards of a
      // column down a pixel or two sideways too: the band above the next
      // card is still all this card's.
      if (next.top > card.top) {
        strip.bottom = next.top - 1;
      } else if (next.left > card.left) {
        strip.right = next.left - 1;
      }
    } else {
      strip.bottom = card.bottom - 1;
    }
    if (strip.Contains(x, y)) return {CardAt(text, i), PileName(pile), card};
  }
  return hit;
}

Rect WholePile(const Session& s, PileRef pile) {
  const Rect top = TopCardRect(s, pile);
  Rect whole{PileX(s, pile), PileY(s, pile), top.right, top.bottom};
  const int mode = s.rules[rule::TableauLayout];
  if (pile.group == PileGroup::Tableau && (mode == 8 || mode == 9)) {
    // Free layouts wrap: a card of an earlier row may lie right of the top card.
    const int count = PileCardCount(s.piles.Pile(pile.group, pile.index));
    for (int i = 0; i < count; ++i) {
      const Rect r = CardInPileRect(s, pile, i);
      whole.right = std::max(whole.right, r.right);
      whole.bottom = std::max(whole.bottom, r.bottom);
    }
  }
  return whole;
}

bool Overlaps(const Rect& d, const Rect& p, int* area) {
  auto in = [&](int x, int y) { return p.Contains(x, y); };
  auto set = [&](int value) {
    if (area) *area = value;
    return true;
  };
  if (in(d.left, d.top)) return set((p.right - d.left) * (p.bottom - d.top));
  if (in(d.right, d.bottom)) return set((d.right - p.left) * (d.bottom - p.top));
  if (in(d.right, d.top)) return set((p.bottom - d.top) * (d.right - p.left));
  if (in(d.left, d.bottom)) return set((p.right - d.left) * (d.bottom - p.top));
  const bool leftInside = d.left >= p.left && d.left <= p.right;
  const bool rightInside = d.right >= p.left && d.right <= p.right;
  if (!leftInside && !rightInside) return false;
  for (int y = d.top; y <= d.bottom; y += 50) {
    if (y >= p.top && y <= p.bottom)
      return set(leftInside ? (p.right - d.left) * (d.bottom - d.top) : (d.right - p.left) * (d.bottom - d.top));
  }
  return false;
}

}  // namespace

HitResult Engine::HitTest(int x, int y) const {
  for (int i = 0; i < kStockPiles; ++i) {
    const PileRef pile{PileGroup::Stock, i};
    if (!PileShown(s_, pile)) continue;
    const Rect r = CardRect(PileX(s_, pile), PileY(s_, pile), s_.layout.cardWidth, s_.layout.cardHeight);
    if (r.Contains(x, y)) return {TopCard(s_.piles.Pile(PileGroup::Stock, i)), PileName(pile), r};
  }
  const int tableauMode = s_.rules[rule::TableauLayout];
  if (tableauMode == 4) {
    for (int i = Tableaus(s_) - 1; i >= 0; --i) {
      const PileRef pile{PileGroup::Tableau, i};
      if (!PileShown(s_, pile)) continue;
      const HitResult hit = HitInPile(s_, pile, tableauMode, x, y, false);
      if (hit.card != 0) return hit;
    }
  } else {
    for (int i = 0; i < Tableaus(s_); ++i) {
      const PileRef pile{PileGroup::Tableau, i};
      if (!PileShown(s_, pile)) continue;
      const Rect whole = s_.piles.Pile(PileGroup::Tableau, i).empty()
                             ? CardRect(PileX(s_, pile), PileY(s_, pile), s_.layout.cardWidth, s_.layout.cardHeight)
                             : WholePile(s_, pile);
      if (!whole.Contains(x, y)) continue;
      HitResult hit = HitInPile(s_, pile, tableauMode, x, y, tableauMode == 8 || tableauMode == 9);
      hit.pile = PileName(pile);
      if (hit.card == 0) hit.rect = whole;
      return hit;
    }
  }
  const int foundationMode = s_.rules[rule::FoundationLayout];
  for (int i = 0; i < kFoundationPiles; ++i) {
    const PileRef pile{PileGroup::Foundation, i};
    if (!PileShown(s_, pile)) continue;
    const bool fanned = foundationMode == 1 || foundationMode == 2 || foundationMode == 3 || foundationMode == 6;
    const Rect r = fanned ? WholePile(s_, pile) : TopCardRect(s_, pile);
    if (r.Contains(x, y))
      return {TopCard(s_.piles.Pile(PileGroup::Foundation, i)), PileName(pile), TopCardRect(s_, pile)};
  }
  const int reserveMode = s_.rules[rule::ReserveLayout];
  for (int i = 0; i < Reserves(s_); ++i) {
    const PileRef pile{PileGroup::Reserve, i};
    if (!PileShown(s_, pile) || s_.piles.Pile(PileGroup::Reserve, i).empty()) continue;
    const int mode = (reserveMode == 1 || reserveMode == 3 || reserveMode == 5) ? 1 : reserveMode == 2 ? 2 : 0;
    HitResult hit = mode == 0 ? HitResult{} : HitInPile(s_, pile, mode, x, y, false);
    if (mode == 0 && TopCardRect(s_, pile).Contains(x, y))
      hit = {TopCard(s_.piles.Pile(PileGroup::Reserve, i)), PileName(pile), TopCardRect(s_, pile)};
    if (hit.card != 0) return hit;
  }
  return {};
}

std::vector<DropCandidate> Engine::DropCandidates(const Rect& drag) const {
  std::vector<std::pair<std::string, DropCandidate>> keyed;
  auto consider = [&](int kind, int index, const Rect& target) {
    int area = 0;
    if (!Overlaps(drag, target, &area)) return;
    keyed.emplace_back(ZeroPad(area, 6) + ZeroPad(kind, 3) + ZeroPad(index, 3), DropCandidate{kind, index, area});
  };
  for (int i = 0; i < Foundations(s_); ++i) {
    const PileRef pile{PileGroup::Foundation, i};
    if (PileShown(s_, pile)) consider(kPileFoundation, i, TopCardRect(s_, pile));
  }
  const int mode = s_.rules[rule::TableauLayout];
  for (int i = 0; i < Tableaus(s_); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    if (!PileShown(s_, pile)) continue;
    const std::string& text = s_.piles.Pile(PileGroup::Tableau, i);
    if ((mode == 8 || mode == 9) && !text.empty()) {
      for (int k = 0; k < PileCardCount(text); ++k)
        if (CardAt(text, k) != 0) consider(kPileTableau, i, CardInPileRect(s_, pile, k));
    } else if (IsFamily(s_.rules, PlayFamily::Gaps) && !text.empty()) {
      // A row of gaps takes cards at its holes, not on its last place.
      for (int k = 0; k < PileCardCount(text); ++k)
        if (CardAt(text, k) == 0) consider(kPileTableau, i, CardInPileRect(s_, pile, k));
    } else {
      consider(kPileTableau, i, TopCardRect(s_, pile));
    }
  }
  for (int i = 0; i < Reserves(s_); ++i) {
    const PileRef pile{PileGroup::Reserve, i};
    if (PileShown(s_, pile)) consider(kPileReserve, i, TopCardRect(s_, pile));
  }
  const PileRef waste{PileGroup::Stock, kWasteItem};
  if (s_.rules[rule::WasteNoDrop] != 4 && PileShown(s_, waste)) consider(kPileWaste, 0, TopCardRect(s_, waste));
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<DropCandidate> candidates;
  for (auto it = keyed.rbegin(); it != keyed.rend() && candidates.size() < 4; ++it) candidates.push_back(it->second);
  return candidates;
}

void Engine::Lift(int card, const Rect& rect) {
  DragState& drag = s_.drag;
  if (drag.draggedCard == 0) {
    drag.firstPressX = drag.pressX;
    drag.firstPressY = drag.pressY;
  }
  drag.draggedCard = card;
  drag.grabX = drag.pressX - rect.left;
  drag.grabY = drag.pressY - rect.top;
  drag.dragRect = rect;
  p_.view.LiftCards(card, rect);
  if (s_.store.Get(pos::kCardsShadowed, 1) != "N") {
    const int lift = s_.layout.shadowSize - 2;
    drag.dragRect = {rect.left - lift, rect.top - lift, rect.right - lift, rect.bottom - lift};
    drag.grabX += lift;
    drag.grabY += lift;
    p_.view.MoveDrag(drag.dragRect);
    Sound("card_up", 182);
  }
}

void Engine::OnMouseDown(int button, bool ctrl, int x, int y) {
  DragState& drag = s_.drag;
  p_.view.HidePileSizeHint();
  s_.values.SetCounter(kLastMouseMoveTick, -1);
  if (s_.values.Flag(kDemoMode)) return p_.view.Beep();
  if (!s_.values.Flag(kGameInProgress)) {
    if (ctrl && button == kRightButton) p_.view.ShowPopupMenu(x, y);
    return;
  }
  if (drag.draggedCard != 0) return;
  drag.moved = false;
  if (s_.values.Flag(kSkipNextClick)) {
    s_.values.SetFlag(kSkipNextClick, false);
    return;
  }
  ClockTick();
  drag.pressX = x;
  drag.pressY = y;
  const HitResult hit = HitTest(x, y);
  const PlayFamily family = FamilyOf(s_.rules);
  if (button == kRightButton && !ctrl && family != PlayFamily::Gaps && family != PlayFamily::ChainCrossing) {
    if (s_.store.Get(247, 1) == "Y" || s_.store.Get(248, 1) == "Y") QuickMove(false, true, hit.card, hit.pile);
    return;
  }
  if (button == kRightButton && ctrl && hit.pile.empty()) {
    if (s_.store.Get(253, 1) == "Y") p_.view.ShowPopupMenu(x, y);
    return;
  }
  if (button == kMiddleButton) return p_.view.Beep();
  if (s_.rules[rule::ClickMoves] == 1) {
    QuickMove(false, false, hit.card, hit.pile);
    return;
  }
  drag.dragHeight = s_.layout.cardHeight;
  if (s_.rules[rule::PairingSum] != 0) {
    if (button == kLeftButton) SelectCard(hit.card, hit.pile, hit.rect);
    return;
  }
  if (MemoryPress(button, hit)) return;

  const auto ref = ParsePileName(hit.pile);
  if (ref && ref->group == PileGroup::Tableau && hit.card > 0 && FamilyTableauPress(button, hit)) return;
  int lift = 0;
  Rect liftRect = hit.rect;
  bool peeked = false;
  if (family == PlayFamily::Gaps && ref && ref->group == PileGroup::Tableau && hit.card > 0) {
    // In the game of gaps every card moves alone, wherever it lies in its row.
    if (button == kRightButton) {
      if (!GapRightClick(hit.card)) p_.view.Beep();
      return;
    }
    if (button == kLeftButton) Lift(hit.card, hit.rect);
    return;
  }
  if (ref && ref->group == PileGroup::Tableau && hit.card > 0) {
    const int p = ref->index;
    const std::string& pile = s_.piles.Pile(PileGroup::Tableau, p);
    const int tableauMode = s_.rules[rule::TableauLayout];
    const int rows = s_.rules[rule::GridRows], cols = s_.rules[rule::GridCols];
    if (tableauMode == 8 || tableauMode == 9) {
      lift = hit.card;
    } else if (button == kLeftButton && rows > 0 && cols > 0 && p < rows * cols) {
      bool free = true;
      for (int below = p + cols; below < rows * cols; below += cols)
        free = free && s_.piles.Pile(PileGroup::Tableau, below).empty();
      if (free) lift = hit.card;
    } else if (TopCard(pile) == hit.card) {
      if (button == kLeftButton) {
        if (s_.cards.IsFaceDown(hit.card)) {
          FaceUpMove(hit.card);
        } else if (s_.rules[rule::MoveLimit] != 0 && WithinMoveLimit(s_, hit.card, false)) {
          lift = hit.card;
        }
      }
    } else if (!s_.cards.IsFaceDown(hit.card)) {
      if (button == kLeftButton) {
        if (IsMovableSequence(s_, hit.card, p) && WithinMoveLimit(s_, hit.card, false)) {
          lift = hit.card;
          drag.dragHeight = PileBottom(s_, *ref) - hit.rect.top;
          liftRect = {hit.rect.left, hit.rect.top, hit.rect.right, hit.rect.top + drag.dragHeight};
        }
      } else {
        p_.view.Peek(hit.card, hit.rect);
        drag.peekX = hit.rect.left;
        drag.peekY = hit.rect.top;
        peeked = true;
      }
    }
  } else if (ref && button == kLeftButton) {
    if (ref->group == PileGroup::Stock && ref->index == kStockItem) {
      StockClick(hit.card);
    } else if (ref->group == PileGroup::Stock && ref->index == kWasteItem) {
      if (hit.card > 0 && family == PlayFamily::Pyramid) {
        SelectForSum(hit.card, hit.rect);
      } else if (hit.card > 0 && s_.rules[rule::WasteLocked] != 2) {
        lift = hit.card;
      } else if (hit.card == 0 && s_.piles.Pile(PileGroup::Stock, kStockItem).empty() &&
                 s_.rules[rule::RedealKind] > 0) {
        ExecuteMove(0, "Mazzo_Redeal");
      }
    } else if (ref->group == PileGroup::Foundation && hit.card > 0) {
      const int take = s_.rules[rule::FoundationTake];
      const int count = PileCardCount(s_.piles.Pile(PileGroup::Foundation, ref->index));
      if (take == 1 || (take == 2 && count > 1)) lift = hit.card;
    } else if (ref->group == PileGroup::Reserve && hit.card > 0) {
      const std::string& pile = s_.piles.Pile(PileGroup::Reserve, ref->index);
      if (s_.rules[rule::ReserveKind + ref->index] == rule::kQueensRow) {
        // The Queens' row gives nothing back.
      } else if (s_.rules[rule::ReserveAnyCard] == -11) {
        lift = hit.card;
      } else if (!s_.cards.IsFaceDown(TopCard(pile))) {
        lift = TopCard(pile);
        liftRect = TopCardRect(s_, *ref);
      }
    }
  }
  if (ref && ref->group == PileGroup::Reserve && button == kRightButton && hit.card > 0 &&
      !s_.cards.IsFaceDown(hit.card)) {
    const int mode = s_.rules[rule::ReserveLayout];
    if (mode == 1 || mode == 2) {
      p_.view.Peek(hit.card, hit.rect);
      drag.peekX = hit.rect.left;
      drag.peekY = hit.rect.top;
      peeked = true;
    }
  }
  if (button == kRightButton && !peeked) p_.view.Beep();
  if (lift != 0) Lift(lift, liftRect);
}

void Engine::OnMouseMove(int x, int y) {
  DragState& drag = s_.drag;
  if (drag.draggedCard != 0) {
    drag.moved = true;
    p_.view.SetDragCursor(true);
    if (y <= s_.layout.topY + 5 && s_.layout.scrollPosition > 0) p_.view.Scroll(-1);
    if (s_.layout.scrollBarShown && y >= s_.layout.clientHeight - 5 && s_.layout.scrollPosition < s_.layout.scrollMax)
      p_.view.Scroll(1);
    const int width = drag.dragRect.Width(), height = drag.dragRect.Height();
    drag.dragRect = {x - drag.grabX, y - drag.grabY, x - drag.grabX + width, y - drag.grabY + height};
    p_.view.MoveDrag(drag.dragRect);
    return;
  }
  if (drag.stockPressed) {
    const auto ref = ParsePileName(drag.pressedPile);
    if (ref && !TopCardRect(s_, *ref).Contains(x, y)) {
      drag.stockPressed = false;
      p_.view.DrawStockPressed(false);
    }
    return;
  }
  if (s_.values.Flag(kGameInProgress)) {
    drag.hoverX = x;
    drag.hoverY = y;
    s_.values.SetCounter(kLastMouseMoveTick, static_cast<std::int32_t>(p_.clock.TickMs() & 0x7fffffff));
  }
}

void Engine::OnMouseUp(int) {
  DragState& drag = s_.drag;
  if (drag.stockPressed) {
    p_.view.DrawStockPressed(false);
    ExecuteMove(0, "Mazzo_Vis");
    drag.stockPressed = false;
  }
  if (drag.draggedCard != 0) {
    const int card = drag.draggedCard;
    bool dropped = false;
    if (drag.moved) {
      for (const DropCandidate& candidate : DropCandidates(drag.dragRect)) {
        if (TryDrop(card, drag.dragRect, candidate.index, candidate.kind, false, false, false)) {
          dropped = true;
          break;
        }
      }
    }
    if (!dropped) ReturnDraggedCard(card);
    p_.view.SetDragCursor(false);
    drag.draggedCard = 0;
    drag.groupTopCard = 0;
    // A game that ends lost leaves the table as the move made it.
    if (dropped && s_.values.Flag(kGameWon) && !EndGame()) p_.view.RedrawTable();
  }
  if (drag.peekX != 0 || drag.peekY != 0) {
    p_.view.EndPeek();
    drag.peekX = drag.peekY = 0;
  }
  if (!s_.values.Flag(kGameInProgress)) return;
  RefillEmptyTableau();
  FollowRelease();
}

void Engine::FollowRelease() {
  for (int guard = 0; guard < 1000 && AutoplayActive() && s_.values.Flag(kGameInProgress); ++guard) {
    if (!RunAutoplay()) break;
    RefillEmptyTableau();
  }
}

bool Engine::TryDrop(int card, const Rect& drag, int index, int kind, bool autoplay, bool animate, bool redrawWithout) {
  if (s_.rules[rule::FoundationsFirst] == 1 && s_.positions[PositionTable::kMovesMade] == 0) {
    if (LocateCard(s_.piles, s_.rules, card) <= 0 || kind != kPileFoundation) return false;
  }
  PileRef target{};
  std::string name;
  switch (kind) {
    case kPileWaste: {
      const PileRef waste{PileGroup::Stock, kWasteItem};
      if (!Overlaps(drag, TopCardRect(s_, waste), nullptr) || !CanDropOnWaste(s_, card)) return false;
      return ExecuteMove(card, "Stock02");
    }
    case kPileTableau:
      if (IsFamily(s_.rules, PlayFamily::Gaps)) return GapDrop(card, drag, index);
      if (IsFamily(s_.rules, PlayFamily::Accordion) && index == 0) return RowStackDrop(card, drag);
      target = {PileGroup::Tableau, index};
      name = "Fila" + std::to_string(index + 1);
      break;
    case kPileFoundation:
      target = {PileGroup::Foundation, index};
      name = "Dest" + std::to_string(index + 1);
      break;
    case kPileReserve:
      target = {PileGroup::Reserve, index};
      name = "Appogg" + std::to_string(index + 1);
      if (!PileShown(s_, target)) return false;
      break;
    default: return false;
  }
  if (!Overlaps(drag, TopCardRect(s_, target), nullptr) || !CanDropOnPile(s_, card, name)) return false;
  if (redrawWithout) p_.view.LiftCards(card, drag);
  if (animate && s_.store.Get(pos::kCardsAnimate, 1) != "N") p_.view.FlyCard(card, drag, NextCardRect(s_, target));
  if (kind == kPileFoundation && autoplay) name = "Dest_Autoplay" + std::to_string(index + 1);
  const bool moved = ExecuteMove(card, name);
  // The family counts its drops on the tableau by this tag, in the undo log,
  // so that Undo takes a drop back from the count too.
  if (moved && kind == kPileTableau && IsFamily(s_.rules, PlayFamily::MultiplesOfSeven)) TagStep(s_, kTagFamilyMove);
  return moved;
}

bool Engine::GapDrop(int card, const Rect& drag, int row) {
  const PileRef pile{PileGroup::Tableau, row};
  const int places = PileCardCount(s_.piles.Pile(PileGroup::Tableau, row));
  for (int k = 1; k <= places; ++k) {
    if (!Overlaps(drag, CardInPileRect(s_, pile, k - 1), nullptr)) continue;
    if (GapMove(card, row, k, false, drag)) return true;
  }
  return false;
}

bool Engine::RowStackDrop(int card, const Rect& drag) {
  if (Tableaus(s_) < 1) return false;
  const PileRef rowPile{PileGroup::Tableau, 0};
  const std::string& row = s_.piles.Pile(PileGroup::Tableau, 0);
  // Of the stack tops under the dropped card, the one it covers most is
  // tried first.
  std::vector<std::pair<int, int>> under;
  for (int i = 0; i < PileCardCount(row); ++i) {
    const int at = CardAt(row, i);
    if (at <= 0 || at == card || s_.cards.IsFaceDown(at)) continue;
    int area = 0;
    if (Overlaps(drag, CardInPileRect(s_, rowPile, i), &area)) under.emplace_back(area, at);
  }
  std::stable_sort(under.begin(), under.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (const auto& [area, candidate] : under)
    if (RowStackMove(card, candidate, drag)) return true;
  return false;
}

void Engine::ReturnDraggedCard(int card) {
  p_.view.ReturnCards(card, CardRectangle(s_, card));
  if (s_.store.Get(pos::kCardsShadowed, 1) != "N") Sound("card_down", 181);
}

}  // namespace cardoria
