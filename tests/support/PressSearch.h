#pragma once
// A depth-first search over presses for the games played by clicks alone
// (selection, discards, the pyramid's stock and waste). A move is the run of
// presses from an empty selection to the press that changes the table (a
// group removed, a card discarded, the stock used); each press is tried on a
// copy of the session by the engine itself, until a line of moves ends the
// game with a win. The same presses are then made on the real table with
// `Press`.

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
  // `maxGroup`: the most presses one move may take (the largest group the
  // family removes at once).
  explicit PressSearch(int budget, int maxGroup = 4) : budget_(budget), maxGroup_(maxGroup) {}

  std::optional<std::vector<PressMove>> Solve(const Session& start) {
    visited_.clear();
    nodes_ = 0;
    std::vector<PressMove> path;
    auto copy = Fresh(start);
    if (Search(*copy, path)) return path;
    return std::nullopt;
  }
  int Nodes() const { return nodes_; }

 private:
  struct Move {
    std::vector<PressMove> presses;
    std::unique_ptr<Session> after;  // null: the move wins
    int discarded = 0;
  };

  static std::unique_ptr<Session> Fresh(const Session& s) {
    auto copy = std::make_unique<Session>(s);
    // The copies need no history of their own.
    copy->history = UndoHistory{};
    copy->logs = StepLogs{};
    return copy;
  }

  static std::string TableKey(const Session& s) {
    std::string key;
    for (auto group : {PileGroup::Stock, PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : s.piles.Items(group)) key += SnapshotLine(s.cards, pile) + "|";
    return key + std::to_string(s.positions[PositionTable::kPassCounter]);
  }

  // The presses a move may go on with: cards in ascending order (only the
  // chains of family 33 care in which order their cards are taken), and the
  // stock group's piles once each.
  static std::vector<PressMove> Candidates(const Session& s, int after, const std::vector<PressMove>& done) {
    const int family = s.rules[rule::GameFamily];
    const bool topsOnly = family == 2 || family == 3 || family == 12 || family == 14 || family == 15 || family == 16;
    std::vector<PressMove> presses;
    for (int i = 0; i < std::clamp(s.rules[rule::TableauCount], 0, kTableauPiles); ++i) {
      const std::string& pile = s.piles.Pile(PileGroup::Tableau, i);
      for (int k = 0; k < PileCardCount(pile); ++k) {
        const int card = CardAt(pile, k);
        if (card <= 0 || IsSelected(s, card) || (topsOnly && k + 1 < PileCardCount(pile))) continue;
        if (family != 33 && card <= after) continue;
        if (family == 4 && !IsFreeInPyramid(s, card)) continue;
        presses.push_back({card, {PileGroup::Tableau, i}});
      }
    }
    for (int item : {kWasteItem, kStockItem}) {
      const PileRef pile{PileGroup::Stock, item};
      const bool used =
          std::any_of(done.begin(), done.end(), [&](const PressMove& m) { return m.card == 0 && m.pile == pile; });
      if (PileShown(s, pile) && !used) presses.push_back({0, pile});
    }
    return presses;
  }

  void Grow(const Session& at, const std::string& table, std::vector<PressMove>& presses, int after,
            std::vector<Move>& moves) {
    for (const PressMove& press : Candidates(at, after, presses)) {
      auto next = Fresh(at);
      RecordingMessages messages;
      FakeClock clock;
      clock.step = 1000;
      HeadlessTable view(*next, TableGeometry{});
      Engine engine(*next, PlayPorts{messages, clock, view, view, view});
      const std::string selection = Selection(*next);
      Press(*next, engine, press);
      presses.push_back(press);
      if (view.gamesEnded > 0) {
        if (view.lastResult.won) moves.push_back({presses, nullptr, 1000});
      } else if (TableKey(*next) != table) {
        const int discarded = PileCardCount(next->piles.Pile(PileGroup::Stock, kSecondWasteItem)) -
                              PileCardCount(at.piles.Pile(PileGroup::Stock, kSecondWasteItem));
        moves.push_back({presses, std::move(next), discarded});
      } else if (Selection(*next) != selection && static_cast<int>(presses.size()) < maxGroup_) {
        Grow(*next, table, presses, press.card > 0 ? press.card : after, moves);
      }
      presses.pop_back();
    }
  }

  bool Search(Session& s, std::vector<PressMove>& path) {
    if (++nodes_ > budget_ || path.size() > 600) return false;
    const std::string table = TableKey(s);
    if (!visited_.insert(table + Selection(s)).second) return false;
    std::vector<Move> moves;
    std::vector<PressMove> presses;
    Grow(s, table, presses, 0, moves);
    // Removals first, the largest first; the stock last.
    std::stable_sort(moves.begin(), moves.end(),
                     [](const Move& a, const Move& b) { return a.discarded > b.discarded; });
    for (Move& move : moves) {
      path.insert(path.end(), move.presses.begin(), move.presses.end());
      if (!move.after || Search(*move.after, path)) return true;
      path.resize(path.size() - move.presses.size());
      if (nodes_ > budget_) return false;
    }
    return false;
  }

  int budget_, maxGroup_;
  int nodes_ = 0;
  std::set<std::string> visited_;
};

}  // namespace cardoria::test
