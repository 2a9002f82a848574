#pragma once
// A small depth-first solver for the play tests: it finds a list of card
// moves (and stock clicks) that wins a deal, using the engine itself to judge
// and carry out each move on copies of the session.

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/Cards.h"
#include "engine/Legality.h"
#include "support/PlayFixture.h"

namespace cardoria::test {

struct SolverMove {
  int card = 0;  // 0: click the stock
  PileRef target{};
};

class Solver {
 public:
  // `everyRun`: any face-up card may lead a group out of a column, as the
  // games of the Spider family need; moves are then ordered by a heuristic.
  explicit Solver(int budget, bool everyRun = false) : budget_(budget), everyRun_(everyRun) {}

  std::optional<std::vector<SolverMove>> Solve(const Session& start) {
    visited_.clear();
    nodes_ = 0;
    std::vector<SolverMove> path;
    auto copy = std::make_unique<Session>(start);
    copy->history = UndoHistory{};
    copy->logs = StepLogs{};
    if (Search(*copy, path)) return path;
    return std::nullopt;
  }
  int Nodes() const { return nodes_; }

 private:
  static std::string Key(const Session& s) {
    std::string key;
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : s.piles.Items(group)) key += SnapshotLine(s.cards, pile) + "|";
    return key;
  }

  // Candidate moves, most promising first. Only moves that can lead
  // somewhere are offered: a card from the waste or a cell, the whole movable
  // run of a column, or the top card of a column; runs move between columns
  // only when that uncovers a card or empties the column.
  std::vector<SolverMove> Moves(Session& s) const { return everyRun_ ? RunMoves(s) : PlainMoves(s); }

  // Every group a column may give, scored: suits joined and cards uncovered
  // first, a run of one suit never broken, an empty column last.
  static std::vector<SolverMove> RunMoves(Session& s) {
    struct Scored {
      int score;
      SolverMove move;
    };
    std::vector<Scored> scored;
    const int tableaus = s.rules[281];
    for (int from = 0; from < tableaus; ++from) {
      const std::string& pile = s.piles.Pile(PileGroup::Tableau, from);
      const int count = PileCardCount(pile);
      for (int i = 0; i < count; ++i) {
        const int card = CardAt(pile, i);
        if (card <= 0 || s.cards.IsFaceDown(card)) continue;
        const int below = i > 0 ? CardAt(pile, i - 1) : 0;
        const bool belowHidden = below > 0 && s.cards.IsFaceDown(below);
        if (below > 0 && !belowHidden && CardSuit(below) == CardSuit(card) && CardRank(below) == CardRank(card) + 1)
          continue;
        s.drag.dragHeight = i + 1 < count ? s.layout.cardHeight * 2 : s.layout.cardHeight;
        s.drag.groupTopCard = 0;
        if (!IsMovableSequence(s, card, from) || !WithinMoveLimit(s, card, false)) continue;
        bool triedEmpty = false;
        for (int t = 0; t < tableaus; ++t) {
          if (t == from) continue;
          const std::string& target = s.piles.Pile(PileGroup::Tableau, t);
          if (target.empty() && (i == 0 || triedEmpty)) continue;
          if (!CanDropOnPile(s, card, "Fila" + std::to_string(t + 1))) continue;
          const bool joinsSuit = !target.empty() && CardSuit(TopCard(target)) == CardSuit(card);
          // From one card of the next rank to another of another suit
          // changes nothing that matters.
          if (!target.empty() && !joinsSuit && !belowHidden && below > 0 && CardRank(below) == CardRank(card) + 1)
            continue;
          int score = target.empty() ? -2 : 0;
          if (joinsSuit) score += 3;
          if (belowHidden) score += 2;
          if (i == 0) score += 1;
          scored.push_back({score, {card, {PileGroup::Tableau, t}}});
          triedEmpty = triedEmpty || target.empty();
        }
      }
    }
    s.drag.dragHeight = s.layout.cardHeight;
    s.drag.groupTopCard = 0;
    std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) { return a.score > b.score; });
    std::vector<SolverMove> moves;
    for (const Scored& m : scored) moves.push_back(m.move);
    if (s.rules[7] != 0 && !s.piles.Pile(PileGroup::Stock, kStockItem).empty())
      moves.push_back({0, {PileGroup::Stock, kStockItem}});
    return moves;
  }

  static std::vector<SolverMove> PlainMoves(Session& s) {
    std::vector<SolverMove> toFoundation, toTableau, toReserve;
    const int tableaus = s.rules[281], foundations = s.rules[280], reserves = s.rules[282];
    struct Source {
      int card;
      bool fromTableau;
      bool wholeRun;  // the run starts at the bottom of its column or on a face-down card
    };
    std::vector<Source> sources;
    const std::string& waste = s.piles.Pile(PileGroup::Stock, kWasteItem);
    if (!waste.empty()) sources.push_back({TopCard(waste), false, false});
    for (int r = 0; r < reserves; ++r) {
      const std::string& pile = s.piles.Pile(PileGroup::Reserve, r);
      if (!pile.empty()) sources.push_back({TopCard(pile), false, false});
    }
    for (int t = 0; t < tableaus; ++t) {
      const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
      const int count = PileCardCount(pile);
      if (count == 0) continue;
      sources.push_back({TopCard(pile), true, count == 1 || s.cards.IsFaceDown(CardAt(pile, count - 2))});
      s.drag.dragHeight = s.layout.cardHeight * 2;
      for (int i = 0; i + 1 < count; ++i) {
        const int card = CardAt(pile, i);
        if (card <= 0 || s.cards.IsFaceDown(card) || !IsMovableSequence(s, card, t)) continue;
        sources.push_back({card, true, i == 0 || s.cards.IsFaceDown(CardAt(pile, i - 1))});
        break;
      }
    }
    for (const Source& source : sources) {
      const int card = source.card;
      const std::string group = source.fromTableau ? GroupFrom(s, card) : std::string();
      const int size = std::max(PileCardCount(group), 1);
      s.drag.dragHeight = size > 1 ? s.layout.cardHeight * 2 : s.layout.cardHeight;
      s.drag.groupTopCard = 0;
      if (size > 1 && !WithinMoveLimit(s, card, false)) continue;
      s.drag.groupTopCard = group.empty() ? card : TopCard(group);
      const int from = LocateCard(s.piles, s.rules, card);
      const bool bottomOfColumn = from > 0 && CardAt(s.piles.Pile(PileGroup::Tableau, from - 1), 0) == card;
      for (int f = 0; f < foundations && size == 1; ++f)
        if (CanDropOnPile(s, card, "Dest" + std::to_string(f + 1))) {
          toFoundation.push_back({card, {PileGroup::Foundation, f}});
          break;
        }
      bool triedEmpty = false;
      for (int t = 0; t < tableaus; ++t) {
        const bool empty = s.piles.Pile(PileGroup::Tableau, t).empty();
        if (empty && (bottomOfColumn || triedEmpty)) continue;
        if (source.fromTableau && !empty && !source.wholeRun && size > 1) continue;
        if (CanDropOnPile(s, card, "Fila" + std::to_string(t + 1))) {
          toTableau.push_back({card, {PileGroup::Tableau, t}});
          triedEmpty = triedEmpty || empty;
        }
      }
      for (int r = 0; r < reserves && size == 1 && source.fromTableau; ++r)
        if (CanDropOnPile(s, card, "Appogg" + std::to_string(r + 1))) {
          toReserve.push_back({card, {PileGroup::Reserve, r}});
          break;  // one empty cell is as good as another
        }
    }
    s.drag.dragHeight = s.layout.cardHeight;
    s.drag.groupTopCard = 0;
    std::vector<SolverMove> moves = toFoundation;
    moves.insert(moves.end(), toTableau.begin(), toTableau.end());
    moves.insert(moves.end(), toReserve.begin(), toReserve.end());
    if (s.rules[7] != 0) moves.push_back({0, {PileGroup::Stock, kStockItem}});
    return moves;
  }

  bool Search(Session& s, std::vector<SolverMove>& path) {
    if (++nodes_ > budget_ || path.size() > 400) return false;
    if (!visited_.insert(Key(s)).second) return false;
    if (Won(s)) return true;
    for (const SolverMove& move : Moves(s)) {
      auto next = std::make_unique<Session>(s);
      if (!Apply(*next, move)) continue;
      // The copies need no history of their own.
      next->history = UndoHistory{};
      next->logs = StepLogs{};
      path.push_back(move);
      if (Search(*next, path)) return true;
      path.pop_back();
      if (nodes_ > budget_) return false;
    }
    return false;
  }

  static bool Won(const Session& s) {
    // Only a win ends a game by the mouse; families that are won with cards
    // left on the table end that way too.
    if (!s.values.Flag(kGameInProgress)) return true;
    for (auto group : {PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : s.piles.Items(group))
        if (!pile.empty()) return false;
    return s.piles.Pile(PileGroup::Stock, kStockItem).empty() && s.piles.Pile(PileGroup::Stock, kWasteItem).empty();
  }

  // Carries a move out on the copy with an engine of its own.
  static bool Apply(Session& s, const SolverMove& move) {
    RecordingMessages messages;
    FakeClock clock;
    clock.step = 1000;
    HeadlessTable table(s, TableGeometry{});
    Engine engine(s, PlayPorts{messages, clock, table, table, table});
    const std::string before = Key(s);
    if (move.card == 0) {
      const Rect r = TopCardRect(s, move.target);
      engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
      engine.OnMouseUp(kLeftButton);
    } else {
      const Rect from = CardRectangle(s, move.card);
      engine.OnMouseDown(kLeftButton, false, from.left + 1, from.top + 1);
      if (s.drag.draggedCard == 0) return false;
      const Rect to = NextCardRect(s, move.target);
      engine.OnMouseMove(to.left + s.drag.grabX, to.top + s.drag.grabY);
      engine.OnMouseUp(kLeftButton);
    }
    return Key(s) != before;
  }

  int budget_;
  bool everyRun_;
  int nodes_ = 0;
  std::set<std::string> visited_;
};

}  // namespace cardoria::test
