#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <unordered_map>

#include "core/Cards.h"
#include "core/Piles.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/FamilyRules.h"
#include "engine/Legality.h"
#include "engine/SelectionTests.h"
#include "platform/HeadlessPorts.h"
#include "solver/Chains.h"
#include "solver/Compact.h"
#include "solver/Discards.h"
#include "solver/Replay.h"
#include "solver/RowOfStacks.h"
#include "solver/Scratch.h"
#include "table/HeadlessTable.h"
#include "table/Layout.h"

namespace cardoria::solver {

std::string Move::Command() const {
  char code[8];
  std::snprintf(code, sizeof code, "%03d", card);
  switch (kind) {
    case Drag: return std::string("drag ") + code + " " + pile + (place > 0 ? " " + std::to_string(place) : "");
    case Select: return std::string("select ") + code;
    case Click: return "click " + pile;
    case End: return "quit";
  }
  return {};
}

namespace {

// Families whose play turns on what the player remembers or on a score with
// no win: the search has no honest verdict for them.
bool Judgeable(const Session& s, std::string* why = nullptr) {
  const PlayFamily family = FamilyOf(s.rules);
  if (IsMemoryFamily(family)) {
    if (why) *why = "It is played on what the player remembers of the hidden cards.";
    return false;
  }
  if (family == PlayFamily::PokerSquares) {
    if (why) *why = "It is played for a score, with no win to search for.";
    return false;
  }
  return true;
}

// A stock, even an empty one, may be refilled by a redeal whose order the
// player cannot see coming.
bool HasHiddenCards(const Session& s) {
  if (s.rules[rule::HasStock] != 0 || !s.piles.Pile(PileGroup::Stock, kStockItem).empty()) return true;
  for (auto group : {PileGroup::Tableau, PileGroup::Reserve, PileGroup::Foundation})
    for (const std::string& pile : s.piles.Items(group))
      for (int i = 0; i < PileCardCount(pile); ++i)
        if (s.cards.IsFaceDown(CardAt(pile, i))) return true;
  return false;
}

// Games played by pressing cards rather than dragging them.
bool SelectionPlay(const Session& s) {
  const PlayFamily family = FamilyOf(s.rules);
  return UsesSelection(s) || s.rules[rule::ClickMoves] == 1 || family == PlayFamily::Golf ||
         family == PlayFamily::BlackHole || family == PlayFamily::RelaxedGolf;
}

std::string Name(PileGroup group, int index) { return PileName({group, index}); }

// Every face-up card a press may lift or select; with `turns`, a click on
// each column whose top card lies face down too.
std::vector<int> Sources(const Session& s, std::vector<Move>* turns) {
  std::vector<int> sources;
  for (int t = 0; t < Tableaus(s); ++t) {
    const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
    const int count = PileCardCount(pile);
    for (int i = 0; i < count; ++i) {
      const int card = CardAt(pile, i);
      if (card <= 0 || s.cards.IsFaceDown(card)) continue;
      sources.push_back(card);
    }
    if (turns && count > 0 && CardAt(pile, count - 1) > 0 && s.cards.IsFaceDown(CardAt(pile, count - 1)))
      turns->push_back({Move::Click, 0, PileName({PileGroup::Tableau, t})});
  }
  const std::string& waste = s.piles.Pile(PileGroup::Stock, kWasteItem);
  if (TopCard(waste) > 0) sources.push_back(TopCard(waste));
  for (int r = 0; r < Reserves(s); ++r) {
    const std::string& pile = s.piles.Pile(PileGroup::Reserve, r);
    const int count = PileCardCount(pile);
    for (int i = 0; i < count; ++i) {
      const int card = CardAt(pile, i);
      if (card > 0 && !s.cards.IsFaceDown(card) && (i + 1 == count || s.rules[rule::ReserveAnyCard] == -11))
        sources.push_back(card);
    }
  }
  for (int f = 0; f < Foundations(s); ++f) {
    const int top = TopCard(s.piles.Pile(PileGroup::Foundation, f));
    if (top > 0 && !(f == 0 && UsesSelection(s))) sources.push_back(top);
  }
  return sources;
}

// Every move worth trying from the position on the scratch table. Drags are
// offered only where the engine's own judge accepts them with the card
// lifted as the mouse lifts it; everything offered is still carried out
// through the mouse, which has the last word.
std::vector<Move> Candidates(Scratch& x, const Snapshot& node) {
  Session& s = x.session;
  std::vector<Move> moves;
  const PlayFamily family = FamilyOf(s.rules);
  const int tableaus = Tableaus(s), foundations = Foundations(s), reserves = Reserves(s);
  const bool selecting = SelectionPlay(s);

  std::vector<int> sources = Sources(s, &moves);
  const std::string& waste = s.piles.Pile(PileGroup::Stock, kWasteItem);

  if (family == PlayFamily::Gaps) {
    // In the game of gaps a card goes into a gap of a row, not onto a pile.
    for (int t = 0; t < tableaus; ++t) {
      const std::string& row = s.piles.Pile(PileGroup::Tableau, t);
      for (int place = 1; place <= PileCardCount(row); ++place) {
        if (CardAt(row, place - 1) != 0) continue;
        for (int card : sources)
          if (GapAccepts(s, card, t, place)) moves.push_back({Move::Drag, card, Name(PileGroup::Tableau, t), place});
      }
    }
    sources.clear();
  }

  if (family == PlayFamily::Accordion && tableaus > 0) {
    // The row of stacks: a stack goes onto the stack one or three places to
    // its left, dropped on that stack's top card.
    const std::string& row = s.piles.Pile(PileGroup::Tableau, 0);
    for (int card : sources)
      for (int at = 0; at < PileCardCount(row); ++at) {
        const int candidate = CardAt(row, at);
        if (candidate > 0 && !s.cards.IsFaceDown(candidate) && RowStackAccepts(s, card, candidate))
          moves.push_back({Move::Drag, card, Name(PileGroup::Tableau, 0), at + 1});
      }
    sources.clear();
  }

  if (selecting) {
    for (int card : sources)
      if (!SelectedCardRect(s, card).Empty()) moves.push_back({Move::Select, card, {}});
  }

  for (int card : sources) {
    const Rect from = CardRectangle(s, card);
    if (from.Empty()) continue;
    x.engine.OnMouseDown(kLeftButton, false, from.left + 1, from.top + 1);
    if (s.drag.draggedCard == card) {
      const int own = LocateCard(s.piles, s.rules, card);
      auto offer = [&](PileGroup group, int index, int location) {
        if (location == own) return;
        const std::string name = Name(group, index);
        if (CanDropOnPile(s, card, name)) moves.push_back({Move::Drag, card, name});
      };
      for (int f = 0; f < foundations; ++f) offer(PileGroup::Foundation, f, FoundationLocation(f + 1));
      for (int t = 0; t < tableaus; ++t) offer(PileGroup::Tableau, t, TableauLocation(t + 1));
      for (int r = 0; r < reserves; ++r) offer(PileGroup::Reserve, r, ReserveLocation(r + 1));
      if (own != kLocWaste && CanDropOnWaste(s, card)) moves.push_back({Move::Drag, card, "Mazzo_Vis"});
    }
    // The press is enough to judge drops; a release would run autoplay for
    // nothing, as the position is put back anyway.
    node.Restore(s);
  }

  if (PileShown(s, {PileGroup::Stock, kStockItem})) moves.push_back({Move::Click, 0, "Mazzo"});
  if (waste.empty() && s.piles.Pile(PileGroup::Stock, kStockItem).empty() && s.rules[rule::RedealKind] > 0)
    moves.push_back({Move::Click, 0, "Mazzo_Vis"});
  return moves;
}

// A row of ten places that leaves only as a run of ranks: a card is worth
// something there only in its place of the run the other cards already
// make; in another place it blocks the row until it moves again.
int RunOfTenScore(const Session& s) {
  std::array<int, 10> row{};
  int filled = 0;
  for (int i = 0; i < 10; ++i) {
    row[static_cast<std::size_t>(i)] = TopCard(s.piles.Pile(PileGroup::Tableau, i));
    if (row[static_cast<std::size_t>(i)] > 0) ++filled;
  }
  int best = 0;
  for (int start = 1; start <= 13; ++start) {
    int fitting = 0;
    for (int i = 0; i < 10; ++i) {
      const int card = row[static_cast<std::size_t>(i)];
      if (card > 0 && (IsJoker(card) || CardRank(card) == (start - 1 + i) % 13 + 1)) ++fitting;
    }
    best = std::max(best, fitting);
  }
  return 8 * best - 12 * (filled - best);
}

// Every foundation builds up regardless of suit.
bool AnySuitHome(const Session& s) {
  if (Foundations(s) < 1 || UsesSelection(s)) return false;
  for (int f = 0; f < Foundations(s); ++f) {
    const int code = s.rules[rule::FoundationBuild + f];
    if (code != 2 && code != 39) return false;
  }
  return true;
}

// Higher is nearer a win: cards gone to the foundations or discarded, cards
// turned up, room made.
int Score(const Session& s) {
  int score = 0;
  if (IsFamily(s.rules, PlayFamily::Gaps)) {
    // Gaps: the run of one suit from the 2 at the left of each row is what stays.
    for (int t = 0; t < Tableaus(s); ++t) {
      const std::string& row = s.piles.Pile(PileGroup::Tableau, t);
      const int first = CardAt(row, 0);
      if (first <= 0 || CardRank(first) != 2) continue;
      int place = 1;
      while (place < PileCardCount(row) && CardAt(row, place) > 0 && CardSuit(CardAt(row, place)) == CardSuit(first) &&
             CardRank(CardAt(row, place)) == place + 2)
        ++place;
      score += 20 * place;
    }
    return score;
  }
  if (IsFamily(s.rules, PlayFamily::Accordion) && Tableaus(s) > 0) {
    // The row of stacks: fewer stacks is nearer the one that wins.
    const std::string& row = s.piles.Pile(PileGroup::Tableau, 0);
    for (int i = 0; i < PileCardCount(row); ++i)
      if (CardAt(row, i) > 0 && !s.cards.IsFaceDown(CardAt(row, i))) score -= 20;
    return score;
  }
  if (s.rules[rule::TableauBuild] == 69 && Tableaus(s) >= 10) score += RunOfTenScore(s);
  const bool selecting = UsesSelection(s);
  for (int f = 0; f < Foundations(s); ++f)
    if (!(f == 0 && selecting)) score += 20 * PileCardCount(s.piles.Pile(PileGroup::Foundation, f));
  score += 20 * PileCardCount(s.piles.Pile(PileGroup::Stock, kSecondWasteItem));
  // Where the stock deals onto the discards, a dealt card is no card won.
  if (s.rules[rule::DealToSecondWaste] != 0) score += 20 * PileCardCount(s.piles.Pile(PileGroup::Stock, kStockItem));
  for (int t = 0; t < Tableaus(s); ++t) {
    const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
    const int count = PileCardCount(pile);
    if (count == 0) score += 6;
    for (int i = 0; i < count; ++i) {
      const int card = CardAt(pile, i);
      if (card > 0 && s.cards.IsFaceDown(card)) score -= 6;
      if (i > 0) {
        const int below = CardAt(pile, i - 1);
        if (below > 0 && card > 0 && !s.cards.IsFaceDown(below) && CardRank(below) == CardRank(card) + 1)
          score += CardSuit(below) == CardSuit(card) ? 2 : (IsRedCard(below) != IsRedCard(card) ? 1 : 0);
      }
    }
  }
  // The lowest card of each suit still in play is the next one a foundation
  // wants: every card on top of it costs.
  std::array<int, 4> lowest{99, 99, 99, 99}, depth{0, 0, 0, 0};
  for (int t = 0; t < Tableaus(s); ++t) {
    const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
    const int count = PileCardCount(pile);
    for (int i = 0; i < count; ++i) {
      const int card = CardAt(pile, i);
      const int suit = CardSuit(card);
      if (suit < 0 || suit > 3) continue;
      const int rank = CardRank(card);
      if (rank < lowest[suit]) {
        lowest[suit] = rank;
        depth[suit] = count - 1 - i;
      } else if (rank == lowest[suit]) {
        depth[suit] = std::min(depth[suit], count - 1 - i);
      }
    }
  }
  for (int suit = 0; suit < 4; ++suit) score -= 3 * depth[suit];
  // Foundations of any suit take the lowest cards first whatever their
  // suit: every card lying on a lower one keeps that one from going home.
  if (AnySuitHome(s)) {
    for (auto group : {PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : s.piles.Items(group)) {
        const int count = PileCardCount(pile);
        for (int i = 0; i < count; ++i)
          for (int j = i + 1; j < count; ++j) {
            const int below = CardAt(pile, i), above = CardAt(pile, j);
            if (below > 0 && above > 0 && CardRank(below) < CardRank(above)) score -= 3;
          }
      }
  }
  for (int r = 0; r < Reserves(s); ++r)
    if (s.piles.Pile(PileGroup::Reserve, r).empty()) score += 3;
  return score;
}

// Moving a card that already lies on a fitting card to another fitting
// card of the same kind changes nothing that matters; such moves are tried
// last, not left out, so that a search that finds nothing still proves it.
int MoveBonus(const Session& s, const Move& move) {
  if (move.kind != Move::Drag || move.place > 0) return 0;
  const auto to = ParsePileName(move.pile);
  const int from = LocateCard(s.piles, s.rules, move.card);
  if (!to || to->group != PileGroup::Tableau || from < 1) return 0;
  const std::string& pile = s.piles.Pile(PileGroup::Tableau, from - 1);
  const std::size_t at = FindCode(pile, move.card);
  if (at == std::string::npos) return 0;
  if (at == 0) return s.piles.Pile(PileGroup::Tableau, to->index).empty() ? -30 : 0;
  const int below = CardAt(pile, static_cast<int>(at / 3) - 1);
  if (below <= 0 || s.cards.IsFaceDown(below)) return 0;
  const int onto = TopCard(s.piles.Pile(PileGroup::Tableau, to->index));
  const bool fitted = CardRank(below) == CardRank(move.card) + 1;
  if (!fitted) return 0;
  const bool sameSuitBefore = CardSuit(below) == CardSuit(move.card);
  const bool sameSuitAfter = onto > 0 && CardSuit(onto) == CardSuit(move.card);
  if (sameSuitAfter && !sameSuitBefore) return 0;
  return -30;
}

struct Child {
  std::vector<Move> line;  // one move, or the presses of one removal
  int score = 0;
  std::uint64_t hash = 0;
};

struct Frame {
  explicit Frame(const Session& s) : state(s) {}
  Snapshot state;
  std::vector<Child> children;
  std::size_t next = 0;
  bool expanded = false;
  int remaining = 0;  // departures from the heuristic's first choice still allowed below
};

// Depth-first with the heuristic's order, in rounds that allow more and more
// departures from its first choice along a line: a bad early choice is
// undone in an early round instead of after its whole subtree. The last
// round allows any number, so a search that ends there unfinished by the
// budget has seen every position and may say the deal cannot be won.
class Search {
 public:
  Search(const Session& start, const SolveOptions& options) : x_(start), options_(options) {}

  Result Run() {
    Result result;
    Session& s = x_.session;
    result.knowledge = HasHiddenCards(s) ? Knowledge::FullDeal : Knowledge::Visible;
    if (!Judgeable(s, &result.reason)) {
      result.verdict = Verdict::CannotJudge;
      return result;
    }
    if (x_.Over()) {
      result.verdict = x_.Won() ? Verdict::Winnable : Verdict::CannotBeWon;
      return result;
    }
    const Snapshot root(s);
    const std::uint64_t rootHash = PositionHash(s);
    // A press that only selects a card changes nothing the heuristic sees,
    // so departures from its order mean nothing in the selection games:
    // they are searched depth-first at once, first with whole removals as
    // moves (presses in one order only, so no proof of a loss), then press
    // by press.
    const bool removals = UsesSelection(s);
    const std::vector<int> limits = SelectionPlay(s) ? std::vector<int>(removals ? 2 : 1, kUnlimited)
                                                     : std::vector<int>{0, 1, 2, 4, 8, 16, kUnlimited};
    for (std::size_t round = 0; round < limits.size(); ++round) {
      const int limit = limits[round];
      compound_ = removals && round == 0;
      if (removals && round == 1) seen_.clear();  // the same positions, now searched press by press
      root.Restore(s);
      stack_.clear();
      seen_[rootHash] = limit;
      stack_.emplace_back(s);
      stack_.back().remaining = limit;
      pruned_ = compound_;
      const Outcome outcome = Round(result);
      result.positions = std::min(expansions_, options_.maxPositions);
      if (outcome == Outcome::Won) {
        result.verdict = Verdict::Winnable;
        return result;
      }
      // Whole removals get half the budget; what they leave goes to the
      // presses one by one, which find removals of any length and order.
      if (outcome == Outcome::Stopped && compound_ && !result.cancelled && MemoryUsed() <= options_.maxMemoryBytes)
        continue;
      if (outcome == Outcome::Stopped) {
        result.verdict = Verdict::Unknown;
        return result;
      }
      // A game that counts as won when it is ended with enough points may be
      // won without ever reaching a won table, by a move (ending it) the
      // search does not make: every position seen is no proof of a loss.
      if (!pruned_) {
        result.verdict = s.rules[rule::WinScore] != 0 ? Verdict::Unknown : Verdict::CannotBeWon;
        return result;
      }
    }
    result.verdict = Verdict::Unknown;
    return result;
  }

  // The moves from the start, best first by the heuristic; empty when none changes the table.
  std::vector<Move> RankedFirstMoves() {
    Frame frame(x_.session);
    if (auto win = Expand(frame)) return {win->front()};
    std::vector<Move> moves;
    for (const Child& child : frame.children) moves.push_back(child.line.front());
    return moves;
  }

 private:
  static constexpr std::size_t kDeepest = 3000;
  static constexpr int kUnlimited = 1 << 30;

  enum class Outcome { Won, Exhausted, Stopped };

  Outcome Round(Result& result) {
    Session& s = x_.session;
    while (!stack_.empty()) {
      if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) {
        result.cancelled = true;
        return Outcome::Stopped;
      }
      if (expansions_ >= Budget() || MemoryUsed() > options_.maxMemoryBytes) return Outcome::Stopped;
      Frame& frame = stack_.back();
      if (!frame.expanded) {
        frame.expanded = true;
        if (auto win = Expand(frame)) {
          result.moves.clear();
          for (std::size_t i = 1; i < stack_.size(); ++i)
            for (const Move& m : stack_[i - 1].children[stack_[i - 1].next - 1].line) result.moves.push_back(m);
          result.moves.insert(result.moves.end(), win->begin(), win->end());
          return Outcome::Won;
        }
      }
      if (frame.next >= frame.children.size()) {
        stack_.pop_back();
        continue;
      }
      // The heuristic's first choice is free; every other one is a departure.
      const int remaining = frame.remaining - (frame.next > 0 ? 1 : 0);
      if (remaining < 0 || stack_.size() >= kDeepest) {
        pruned_ = true;
        stack_.pop_back();
        continue;
      }
      const Child& child = frame.children[frame.next++];
      const auto known = seen_.find(child.hash);
      if (known != seen_.end() && known->second >= remaining) continue;
      seen_[child.hash] = remaining;
      const std::vector<Move> line = child.line;
      frame.state.Restore(s);
      for (const Move& move : line) x_.Play(move);
      stack_.emplace_back(s);
      stack_.back().remaining = remaining;
    }
    return Outcome::Exhausted;
  }

  // Tries every candidate of the frame's position; a move that wins at once
  // is returned, the others become the frame's children, best first.
  std::optional<std::vector<Move>> Expand(Frame& frame) {
    ++expansions_;
    if (options_.progress && expansions_ % 1000 == 0) options_.progress(expansions_);
    Session& s = x_.session;
    frame.state.Restore(s);
    const std::uint64_t here = PositionHash(s);
    const std::vector<Move> moves = Candidates(x_, frame.state);
    const bool presses = compound_;
    std::optional<std::vector<Move>> win;
    // A line becomes a child once it has changed the table and left nothing
    // selected; true when it wins.
    auto settle = [&](const std::vector<Move>& line, int bonus) {
      if (x_.Won()) {
        win = line;
        return true;
      }
      if (x_.Over() || (presses && !Selection(s).empty())) return false;
      const std::uint64_t hash = PositionHash(s);
      if (hash == here) return false;
      const auto known = seen_.find(hash);
      if (known != seen_.end() && known->second >= frame.remaining) return false;
      frame.children.push_back({line, Score(s) + bonus, hash});
      return false;
    };
    std::vector<Move> line;
    // In the games of selections a removal takes several presses, each of
    // which changes nothing else: the presses that end in a removal are one
    // move, the cards pressed in the order of their codes.
    constexpr int kStockPress = 1000;  // the stock's card joins a selection last, by a click
    std::function<bool(const Snapshot&, int)> press = [&](const Snapshot& at, int after) {
      std::vector<int> cards = Sources(s, nullptr);
      if (!line.empty() && IsFamily(s.rules, PlayFamily::Pyramid) &&
          !s.piles.Pile(PileGroup::Stock, kStockItem).empty())
        cards.push_back(kStockPress);
      const std::string selected = Selection(s);
      for (int card : cards) {
        if (card <= after) continue;
        const Move step = card == kStockPress ? Move{Move::Click, 0, "Mazzo"} : Move{Move::Select, card, {}};
        if (card != kStockPress && (SelectedCardRect(s, card).Empty() || IsSelected(s, card))) continue;
        // Presses count against the budget too, 64 of them a position: a
        // table with many cards to press costs as much as it is searched.
        if (++presses_ % 64 == 0 && ++expansions_ >= Budget()) return false;
        at.Restore(s);
        x_.Play(step);
        line.push_back(step);
        bool won = false;
        if (Selection(s).empty() || x_.Won() || x_.Over()) {
          won = settle(line, 0);
        } else if (Selection(s) != selected && line.size() < 4) {  // a press the table refused leads nowhere
          const Snapshot next(s);
          won = press(next, card);
        }
        line.pop_back();
        at.Restore(s);
        if (won) return true;
      }
      return false;
    };
    for (const Move& move : moves) {
      frame.state.Restore(s);
      if (presses && move.kind == Move::Select) continue;
      const int bonus = MoveBonus(s, move);
      x_.Play(move);
      line = {move};
      if (settle(line, bonus)) return win;
    }
    if (presses) {
      frame.state.Restore(s);
      line.clear();
      if (press(frame.state, 0)) return win;
    }
    std::stable_sort(frame.children.begin(), frame.children.end(),
                     [](const Child& a, const Child& b) { return a.score > b.score; });
    return std::nullopt;
  }

  std::int64_t Budget() const { return compound_ ? options_.maxPositions / 2 : options_.maxPositions; }

  std::size_t MemoryUsed() const {
    const std::size_t perFrame = stack_.empty() ? 0 : stack_.front().state.Bytes() + 64 * sizeof(Child);
    return seen_.size() * 48 + stack_.size() * perFrame;
  }

  Scratch x_;
  SolveOptions options_;
  // Each position met, with the departures still allowed when it was entered.
  std::unordered_map<std::uint64_t, int> seen_;
  std::vector<Frame> stack_;
  std::int64_t expansions_ = 0;
  bool pruned_ = false;
  bool compound_ = false;  // the presses of one removal make one move
  std::int64_t presses_ = 0;
};

// The moves played from the start on a table of their own end in a win.
bool Replays(const Session& start, const std::vector<Move>& moves) {
  auto x = std::make_unique<Scratch>(start);
  for (const Move& move : moves) {
    if (x->Over()) return false;
    x->Play(move);
  }
  return x->Won();
}

// The position pile for pile: piles that the search counts as
// interchangeable are told apart here, as the moves of a line name them.
std::uint64_t ExactHash(const Session& s) {
  std::uint64_t h = PositionHash(s);
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (const std::string& pile : s.piles.Items(group)) {
      h = (h ^ std::hash<std::string>{}(pile)) * 0x100000001b3ULL;
      h ^= h >> 29;
    }
  return h;
}

// The winning line with its detours cut out: from each position on it, the
// move that lands furthest along it (positions told apart pile for pile) is
// taken instead of the line's own. Depth-first lines wander: a card moved to
// and fro between columns that differ only in their place makes new
// positions all the way.
std::vector<Move> Shortened(const Session& start, const std::vector<Move>& line) {
  auto x = std::make_unique<Scratch>(start);
  std::unordered_map<std::uint64_t, std::size_t> furthest{{ExactHash(x->session), 0}};
  for (std::size_t i = 0; i < line.size(); ++i) {
    x->Play(line[i]);
    furthest[ExactHash(x->session)] = i + 1;
  }
  x = std::make_unique<Scratch>(start);
  std::vector<Move> shorter;
  std::size_t at = 0;
  while (at < line.size() && !x->Over()) {
    const Snapshot here(x->session);
    std::size_t best = at + 1;
    Move chosen = line[at];
    for (const Move& move : Candidates(*x, here)) {
      here.Restore(x->session);
      x->Play(move);
      if (x->Won()) {
        best = line.size();
        chosen = move;
        break;
      }
      const auto known = furthest.find(ExactHash(x->session));
      if (known != furthest.end() && known->second > best) {
        best = known->second;
        chosen = move;
      }
    }
    here.Restore(x->session);
    x->Play(chosen);
    shorter.push_back(chosen);
    at = best;
  }
  return shorter;
}

}  // namespace

Result Solve(const Session& start, const SolveOptions& options) {
  // The games of columns, cells, a stock and a waste have a search of their
  // own, hundreds of times faster, that plays by the same judge.
  std::optional<Result> fast;
  if (start.values.Flag(kGameInProgress)) {
    fast = SolveCompact(start, options);
    if (!fast) fast = SolveRowOfStacks(start, options);
    if (!fast) fast = SolveDiscards(start, options);
    if (!fast) fast = SolveChains(start, options);
  }
  Result result;
  bool confirmed = false;
  if (fast) {
    result = std::move(*fast);
  } else {
    auto search = std::make_unique<Search>(start, options);
    result = search->Run();
    if (result.verdict == Verdict::Winnable) {
      std::vector<Move> shorter = Shortened(start, result.moves);
      if (shorter.size() < result.moves.size() && Replays(start, shorter)) {
        result.moves = std::move(shorter);
        confirmed = true;
      }
    }
  }
  if (result.verdict == Verdict::Winnable && !confirmed && !Replays(start, result.moves)) {
    // Never reported: a win the table does not confirm is no win.
    result.verdict = Verdict::Unknown;
    result.moves.clear();
  }
  return result;
}

std::optional<Move> Hint(const Session& start, const SolveOptions& options) {
  if (!Judgeable(start) || !start.values.Flag(kGameInProgress)) return std::nullopt;
  const Result result = Solve(start, options);
  if (result.verdict == Verdict::Winnable && !result.moves.empty()) return result.moves.front();
  Search search(start, options);
  const std::vector<Move> moves = search.RankedFirstMoves();
  if (moves.empty()) return std::nullopt;
  return moves.front();
}

std::string Describe(const Result& result) {
  switch (result.verdict) {
    case Verdict::Winnable: {
      const std::string known = result.knowledge == Knowledge::FullDeal ? " with every card known" : "";
      const std::size_t n = result.moves.size();
      return "This deal can be won" + known + ": " + std::to_string(n) + (n == 1 ? " move." : " moves.");
    }
    case Verdict::CannotBeWon: return "This deal cannot be won.";
    case Verdict::Unknown:
      if (result.cancelled) return "The search was cancelled after " + std::to_string(result.positions) + " positions.";
      return "Cannot tell within the search budget (" + std::to_string(result.positions) + " positions).";
    case Verdict::CannotJudge:
      return "The solver cannot judge this game." + (result.reason.empty() ? std::string() : " " + result.reason);
  }
  return {};
}

}  // namespace cardoria::solver
