#include "solver/Replay.h"

#include <algorithm>
#include <vector>

#include "core/Cards.h"
#include "core/Piles.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/Legality.h"
#include "engine/SelectionTests.h"
#include "table/Layout.h"

namespace cardoria::solver {

namespace {

constexpr std::uint64_t kPrime = 0x100000001b3ULL;

void Mix(std::uint64_t& h, std::uint64_t value) {
  h ^= value;
  h *= kPrime;
  h ^= h >> 29;
}

std::uint64_t Spread(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

std::uint64_t PileHash(const Session& session, const std::string& pile) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (int i = 0; i < PileCardCount(pile); ++i) {
    const int card = CardAt(pile, i);
    Mix(h, static_cast<std::uint64_t>(card) * 2 + (session.cards.IsFaceDown(card) ? 1 : 0) + 1);
  }
  return h;
}

// Foundations that all build alike, by a rule that never asks which
// foundation it is: which of them holds what changes nothing in play, so
// eight of them do not make each card's way home eight positions.
bool FoundationsInterchangeable(const Session& s) {
  const int n = Foundations(s);
  if (n < 2 || UsesSelection(s) || s.rules[rule::FoundationSorted] != 0) return false;
  for (int f = 0; f < n; ++f) {
    const int code = s.rules[rule::FoundationBuild + f];
    if (code < 0 || (code > 3 && code != 39)) return false;
    for (int r : {rule::FoundationBuild, rule::FoundationBase, rule::FoundationDirection, rule::FoundationStart})
      if (s.rules[r + f] != s.rules[r]) return false;
  }
  return true;
}

// Reserves all of one kind, none refilling the columns and none dealt to by
// the stock (which serves them in their order): a card in one of them is as
// good as the same card in another.
bool ReservesInterchangeable(const Session& s) {
  const int n = Reserves(s);
  if (n < 2 || s.rules[rule::AutoFillSource] != 0) return false;
  for (int r = 0; r < n; ++r)
    if (s.rules[rule::ReserveKind + r] != s.rules[rule::ReserveKind] || s.rules[rule::ReserveAddKind + r] != 0)
      return false;
  return true;
}

// The piles of a group as one set: the same piles in another order hash alike.
void MixAsSet(std::uint64_t& h, const Session& session, const TextList& piles, std::size_t count) {
  std::vector<std::uint64_t> each;
  for (std::size_t p = 0; p < count && p < piles.size(); ++p) each.push_back(PileHash(session, piles[p]));
  std::sort(each.begin(), each.end());
  for (std::uint64_t pile : each) Mix(h, pile);
  for (std::size_t p = count; p < piles.size(); ++p) Mix(h, PileHash(session, piles[p]));
  Mix(h, 0xfffff);
}

}  // namespace

std::uint64_t PositionHash(const Session& session) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  const bool foundations = FoundationsInterchangeable(session), reserves = ReservesInterchangeable(session);
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve}) {
    const TextList& piles = session.piles.Items(group);
    if (group == PileGroup::Foundation && foundations) {
      MixAsSet(h, session, piles, piles.size());
      continue;
    }
    if (group == PileGroup::Reserve && reserves) {
      MixAsSet(h, session, piles, static_cast<std::size_t>(Reserves(session)));
      continue;
    }
    for (std::size_t p = 0; p < piles.size(); ++p) {
      const std::string& pile = piles[p];
      const int count = PileCardCount(pile);
      if (group == PileGroup::Stock && p == kSecondWasteItem) {
        // Discarded cards never come back and play reads at most the top
        // one (the games of selections not even that): the order they went
        // in is no part of the position, or every order of the same
        // removals would be searched again.
        std::uint64_t gone = 0;
        for (int i = 0; i < count; ++i) gone += Spread(static_cast<std::uint64_t>(CardAt(pile, i)));
        Mix(h, gone);
        if (!UsesSelection(session)) Mix(h, static_cast<std::uint64_t>(TopCard(pile)) + 1);
        Mix(h, 0xffff);
        continue;
      }
      for (int i = 0; i < count; ++i) {
        const int card = CardAt(pile, i);
        Mix(h, static_cast<std::uint64_t>(card) * 2 + (session.cards.IsFaceDown(card) ? 1 : 0) + 1);
      }
      Mix(h, 0xffff);
    }
    Mix(h, 0xfffff);
  }
  // With endless redeals the count of passes only tells the first pass from
  // the others; the count of deals matters to play only by its remainders
  // of 13 and 2. Counting further would make an endless number of positions.
  int passes = session.positions[PositionTable::kPassCounter];
  if (session.rules[rule::Redeals] == -1) passes = std::min(passes, 2);
  Mix(h, static_cast<std::uint64_t>(passes + 1000));
  Mix(h, static_cast<std::uint64_t>(session.values.Counter(kDealCounter) % 26 + 1000));
  return h;
}

void PerformMove(Engine& engine, Session& session, const Move& move) {
  switch (move.kind) {
    case Move::Drag: {
      const auto target = ParsePileName(move.pile);
      if (!target) return;
      const Rect from = CardRectangle(session, move.card);
      if (from.Empty()) return;
      engine.OnMouseDown(kLeftButton, false, from.left + 1, from.top + 1);
      if (session.drag.draggedCard != 0) {
        const Rect to =
            move.place > 0 ? CardInPileRect(session, *target, move.place - 1) : NextCardRect(session, *target);
        engine.OnMouseMove(to.left + session.drag.grabX, to.top + session.drag.grabY);
      }
      engine.OnMouseUp(kLeftButton);
      return;
    }
    case Move::Select: {
      const Rect r = SelectedCardRect(session, move.card);
      if (r.Empty()) return;
      engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
      engine.OnMouseUp(kLeftButton);
      return;
    }
    case Move::Click: {
      const auto pile = ParsePileName(move.pile);
      if (!pile || !PileShown(session, *pile)) return;
      const Rect r = TopCardRect(session, *pile);
      engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
      engine.OnMouseUp(kLeftButton);
      return;
    }
    case Move::End: engine.EndGame(); return;
  }
}

bool PlayMove(Engine& engine, Session& session, const Move& move) {
  const std::uint64_t before = PositionHash(session);
  const bool playing = session.values.Flag(kGameInProgress);
  PerformMove(engine, session, move);
  return PositionHash(session) != before || (playing && !session.values.Flag(kGameInProgress));
}

}  // namespace cardoria::solver
