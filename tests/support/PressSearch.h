#pragma once
// A depth-first search over presses for the games played by clicks alone
// (selection, discards, the pyramid's stock and waste): every press a player
// could make next is tried on a copy of the session by the engine itself,
// until one line of presses ends the game with a win. The same presses can
// then be made on the real table with `Press`.

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "engine/SelectionTests.h"
#include "support/PlayFixture.h"

namespace cardoria::test {

// A press on a card of the tableau (card > 0), or on a pile of the stock
// group (card 0: its top card or its empty place).
struct PressMove {
  int card = 0;
  PileRef pile{};
};

inline std::string Describe(const PressMove& move) {
  return move.card > 0 ? "card " + std::to_string(move.card) : PileName(move.pile);
}

// A left press and release where the card lies, as a player would click it.
inline void Press(Session& s, Engine& engine, const PressMove& move) {
  const Rect r = move.card > 0 ? SelectedCardRect(s, move.card) : TopCardRect(s, move.pile);
  engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
  engine.OnMouseUp(kLeftButton);
}

inline void Press(PlayFixture& play, const PressMove& move) { Press(play.session, play.engine, move); }

class PressSearch {
 public:
  explicit PressSearch(int budget) : budget_(budget) {}

  std::optional<std::vector<PressMove>> Solve(const Session& start) {
    visited_.clear();
    nodes_ = 0;
    std::vector<PressMove> path;
    auto copy = std::make_unique<Session>(start);
    copy->history = UndoHistory{};
    copy->logs = StepLogs{};
    if (Search(*copy, path)) return path;
    return std::nullopt;
  }
  int Nodes() const { return nodes_; }

 private:
  // The table and the selection; the selection's order counts only where a
  // family reads it (the first card of a Monte Carlo pair, a chain).
  static std::string Key(const Session& s) {
    std::string key;
    for (auto group : {PileGroup::Stock, PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : s.piles.Items(group)) key += SnapshotLine(s.cards, pile) + "|";
    const int family = s.rules[rule::GameFamily];
    std::vector<int> selected = SelectedCards(s);
    if (family != 8 && family != 33) std::sort(selected.begin(), selected.end());
    for (int card : selected) key += CardCode(card);
    return key + "|" + std::to_string(s.positions[PositionTable::kPassCounter]);
  }

  // New selections first, the stock group next, deselections last.
  static std::vector<PressMove> Moves(const Session& s) {
    const int family = s.rules[rule::GameFamily];
    const bool topsOnly = family == 2 || family == 3 || family == 12 || family == 14 || family == 15 || family == 16;
    std::vector<PressMove> fresh, again;
    for (int i = 0; i < std::clamp(s.rules[rule::TableauCount], 0, kTableauPiles); ++i) {
      const std::string& pile = s.piles.Pile(PileGroup::Tableau, i);
      for (int k = 0; k < PileCardCount(pile); ++k) {
        const int card = CardAt(pile, k);
        if (card <= 0 || (topsOnly && k + 1 < PileCardCount(pile))) continue;
        if (family == 4 && !IsFreeInPyramid(s, card)) continue;
        (IsSelected(s, card) ? again : fresh).push_back({card, {PileGroup::Tableau, i}});
      }
    }
    for (int item : {kWasteItem, kStockItem, kSecondWasteItem}) {
      const PileRef pile{PileGroup::Stock, item};
      if (PileShown(s, pile)) fresh.push_back({0, pile});
    }
    fresh.insert(fresh.end(), again.begin(), again.end());
    return fresh;
  }

  bool Search(Session& s, std::vector<PressMove>& path) {
    if (++nodes_ > budget_ || path.size() > 600) return false;
    if (!visited_.insert(Key(s)).second) return false;
    for (const PressMove& move : Moves(s)) {
      auto next = std::make_unique<Session>(s);
      const std::string before = Key(*next);
      RecordingMessages messages;
      FakeClock clock;
      clock.step = 1000;
      HeadlessTable table(*next, TableGeometry{});
      Engine engine(*next, PlayPorts{messages, clock, table, table, table});
      Press(*next, engine, move);
      if (table.gamesEnded > 0) {
        if (!table.lastResult.won) continue;
        path.push_back(move);
        return true;
      }
      if (Key(*next) == before) continue;
      next->history = UndoHistory{};
      next->logs = StepLogs{};
      path.push_back(move);
      if (Search(*next, path)) return true;
      path.pop_back();
      if (nodes_ > budget_) return false;
    }
    return false;
  }

  int budget_;
  int nodes_ = 0;
  std::set<std::string> visited_;
};

}  // namespace cardoria::test
