// Autoplay, quick moves and the automatic face-up.

#include <algorithm>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/Legality.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

// Autoplay may start foundations only when some foundation's base is not
// chosen by the first card played, or one of them has been started.
bool BaseRankAllows(const Session& s) {
  for (int f = 0; f < Foundations(s); ++f) {
    const int base = s.rules[rule::FoundationBase + f];
    if ((base != rule::kBackslash && base != rule::kBracket) || !s.piles.Pile(PileGroup::Foundation, f).empty())
      return true;
  }
  return false;
}

}  // namespace

bool Engine::AutoplayActive() const { return s_.autoplayChecked && s_.autoplayEnabled; }

void Engine::SetAutoplayEnabled(bool on) {
  if (s_.autoplayEnabled == on) return;
  s_.autoplayEnabled = on;
  p_.window.SetCommandsEnabled(GameWindow::Commands::Autoplay, on);
}

void Engine::ToggleAutoplay() {
  if (s_.autoplayChecked) {
    s_.autoplayChecked = false;
    p_.view.SetAutoplayChecked(false);
    return;
  }
  s_.autoplayChecked = true;
  p_.view.SetAutoplayChecked(true);
  if (!AutoplayActive() || !s_.values.Flag(kGameInProgress)) return;
  if (RunAutoplay()) {
    RefillEmptyTableau();
    FollowRelease();
  }
}

void Engine::AutoplayAfterDeal(Session&) {
  if (!AutoplayActive()) return;
  RunAutoplay();
  RefillEmptyTableau();
  FollowRelease();
}

bool Engine::RunAutoplay() {
  if (!AutoplayActive()) return false;
  s_.values.SetFlag(kGameEnded, false);
  const bool haveReserves = Reserves(s_) > 0;
  bool successful = false;
  auto ended = [&] { return s_.values.Flag(kGameEnded); };
  for (int guard = 0; guard < 10000; ++guard) {
    bool moved = false;
    bool stopped = false;
    for (bool again = true; again && !stopped;) {
      again = false;
      for (int r = 0; r < Reserves(s_); ++r) {
        const std::string& pile = s_.piles.Pile(PileGroup::Reserve, r);
        if (!pile.empty() && SendCard(TopCard(pile), true, true, false, false, true)) again = moved = true;
        if (ended()) {
          stopped = true;
          break;
        }
      }
    }
    if (!stopped && s_.rules[rule::WasteLocked] != 2) {
      const std::string& waste = s_.piles.Pile(PileGroup::Stock, kWasteItem);
      if (!waste.empty() && SendCard(TopCard(waste), true, true, false, false, true)) moved = true;
      stopped = ended();
    }
    for (int t = 0; t < Tableaus(s_) && !stopped; ++t) {
      const std::string& pile = s_.piles.Pile(PileGroup::Tableau, t);
      if (pile.empty()) continue;
      if (s_.store.Get(pos::kAutomaticFaceUp, 1) != "N" && s_.rules[rule::AutoFaceUpAllowed] == 1 &&
          TopCard(pile) > 0 && s_.cards.IsFaceDown(TopCard(pile)))
        FaceUpMove(TopCard(pile));
      if (SendCard(TopCard(s_.piles.Pile(PileGroup::Tableau, t)), true, true, false, false, true)) {
        moved = true;
        if (haveReserves) break;
      }
      stopped = ended();
    }
    if (!moved || stopped) break;
    successful = true;
  }
  if (s_.values.Flag(kGameWon)) EndGame();
  s_.values.SetFlag(kGameEnded, false);
  return successful;
}

bool Engine::SendCard(int card, bool single, bool autoplay, bool toTableau, bool toReserves, bool toFoundations) {
  if (card <= 0 || s_.cards.IsFaceDown(card)) return false;
  DragState& drag = s_.drag;
  const int location = LocateCard(s_.piles, s_.rules, card);
  const Rect rect = CardRectangle(s_, card);
  drag.dragHeight = s_.layout.cardHeight;
  if (!single) {
    if (location <= 0) return false;
    drag.dragHeight = PileBottom(s_, {PileGroup::Tableau, location - 1}) - rect.top;
  }
  drag.draggedCard = card;
  drag.groupTopCard = 0;
  drag.dragRect = {rect.left, rect.top, rect.right, rect.top + drag.dragHeight};
  bool sent = false;
  auto tryPile = [&](PileRef pile, int kind) {
    if (sent || !PileShown(s_, pile)) return;
    sent = TryDrop(card, TopCardRect(s_, pile), pile.index, kind, autoplay, true, true);
  };
  // A card already on a foundation stays in its place there.
  const bool onFoundation = FromFoundation(s_, card);
  if (toFoundations && single && !onFoundation && (!autoplay || BaseRankAllows(s_)))
    for (int f = 0; f < Foundations(s_); ++f) tryPile({PileGroup::Foundation, f}, kPileFoundation);
  if (toTableau) {
    for (bool emptyPass : {false, true}) {
      for (int t = 0; t < Tableaus(s_); ++t) {
        if (t == location - 1 || s_.piles.Pile(PileGroup::Tableau, t).empty() != emptyPass) continue;
        tryPile({PileGroup::Tableau, t}, kPileTableau);
      }
    }
  }
  if (toReserves && single)
    for (int r = 0; r < Reserves(s_); ++r) tryPile({PileGroup::Reserve, r}, kPileReserve);
  if (toTableau) tryPile({PileGroup::Stock, kWasteItem}, kPileWaste);
  drag.draggedCard = 0;
  drag.groupTopCard = 0;
  return sent;
}

bool Engine::QuickMove(bool doubleClick, bool rightClick, int card, const std::string& pileName) {
  if (card <= 0 || s_.cards.IsFaceDown(card)) return false;
  const auto ref = ParsePileName(pileName);
  if (!ref) return false;
  bool may = false;
  bool single = true;
  switch (ref->group) {
    case PileGroup::Foundation: {
      const int take = s_.rules[rule::FoundationTake];
      may = take == 1 || (take == 2 && PileCardCount(s_.piles.Pile(PileGroup::Foundation, ref->index)) > 1);
      break;
    }
    case PileGroup::Stock: may = ref->index == kWasteItem; break;
    case PileGroup::Tableau: {
      if (s_.rules[rule::MoveLimit] == 0) break;
      const std::string& pile = s_.piles.Pile(PileGroup::Tableau, ref->index);
      const int rows = s_.rules[rule::GridRows], cols = s_.rules[rule::GridCols];
      if (rows > 0 && cols > 0 && ref->index < rows * cols) {
        bool free = true;
        for (int below = ref->index + cols; below < rows * cols; below += cols)
          free = free && s_.piles.Pile(PileGroup::Tableau, below).empty();
        if (!free) break;
      }
      if (TopCard(pile) == card) {
        may = true;
      } else if (WithinMoveLimit(s_, card, false)) {
        may = true;
        single = false;
      }
      break;
    }
    case PileGroup::Reserve: {
      const std::string& pile = s_.piles.Pile(PileGroup::Reserve, ref->index);
      may = TopCard(pile) == card || s_.rules[rule::ReserveAnyCard] == -11;
      break;
    }
  }
  if (doubleClick) s_.values.SetFlag(kSkipNextClick, true);
  bool toFoundations = false, toTableau = false;
  if (s_.rules[rule::ClickMoves] == 1) {
    toFoundations = toTableau = true;
  } else if (doubleClick) {
    toFoundations = s_.store.Get(249, 1) == "Y";
    toTableau = s_.store.Get(251, 1) == "Y";
  } else if (rightClick) {
    toFoundations = s_.store.Get(247, 1) == "Y";
    toTableau = s_.store.Get(248, 1) == "Y";
  }
  bool sent = false;
  if (may && (toFoundations || toTableau))
    sent = SendCard(card, single, false, toTableau, toFoundations, toFoundations);
  if (s_.values.Flag(kGameWon)) EndGame();
  return sent;
}

void Engine::OnDoubleClick() {
  if (!s_.values.Flag(kGameInProgress) || s_.values.Flag(kDemoMode)) return;
  const HitResult hit = HitTest(s_.drag.pressX, s_.drag.pressY);
  if (hit.pile == "Mazzo") {
    s_.values.SetFlag(kSkipNextClick, false);
    return;
  }
  if (s_.store.Get(249, 1) != "Y" && s_.store.Get(251, 1) != "Y") return;
  QuickMove(true, false, hit.card, hit.pile);
}

bool Engine::AutoFaceUp() {
  if (s_.store.Get(pos::kAutomaticFaceUp, 1) == "N" || s_.rules[rule::AutoFaceUpAllowed] == 0) return false;
  bool turned = false;
  for (int t = 0; t < Tableaus(s_); ++t) {
    const std::string& pile = s_.piles.Pile(PileGroup::Tableau, t);
    if (pile.empty() || TopCard(pile) <= 0 || !s_.cards.IsFaceDown(TopCard(pile))) continue;
    FaceUpMove(TopCard(pile));
    turned = true;
  }
  return turned;
}

}  // namespace cardoria
