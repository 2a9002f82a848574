#include "solver/Compact.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/BuildRule.h"
#include "core/Cards.h"
#include "core/Piles.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Legality.h"

namespace cardoria::solver {

namespace {

constexpr int kCards = 105;  // card codes 1..104, 0 for "no card"

// Build codes whose verdict depends on the two cards alone, never on where
// the card comes from or on other piles: for these a table asked once of the
// engine is the engine's answer in every position.
bool PureBuildCode(int code) {
  // A number no rule names builds regardless of suit: card against card.
  if (!BuildRuleNameOf(code)) return true;
  using enum BuildRule;
  switch (static_cast<BuildRule>(code)) {
    case BySuit:
    case SameColour:
    case AnySuit:
    case AlternateColours:
    case NoBuilding:
    case BySuitQueensApart:
    case AnyOtherSuit:
    case BySuitKingsAndQueensApart:
    case NextRank: return true;
    // The others look at where the card comes from, at other piles or at
    // the pile's length: the search cannot hold them in a table.
    default: return false;
  }
}

// Empty-pile rules that depend on the card's rank alone (or on lifting one card).
bool PureEmptyRule(int space) { return space == -1 || space == 0 || (space >= 1 && space <= 13) || space == rule::kV; }

struct Tables {
  int tableaus = 0, reserves = 0, foundations = 0, cards = 0;
  int moveLimit = 0;
  int sequenceRule = 0;
  int take = 0;
  int capacity = 0;
  bool emptyHoldsAny = false;              // an empty column counts as room on the way
  bool emptySingleOnly = false;            // an empty column takes one card at a time
  bool autoplay = false;                   // every card that can go home goes there after each move
  bool faceUp = false;                     // an uncovered face-down card turns up by itself
  bool suitsHome = false;                  // a completed suit leaves the columns for a foundation
  int stockMode = 0;                       // 0 no stock, 1 dealt to the waste, 2 one card to every column
  int perDeal = 1;                         // cards to the waste per click
  int redeals = 0;                         // turns of the waste, -1 without end
  bool dealNeedsFull = false;              // the stock deals only when no column is empty
  std::vector<bool> served;                // the columns the stock deals to
  bool someUnserved = false;               // columns differ while the stock lasts
  std::vector<std::uint8_t> onTableau;     // [card * kCards + top], top 0 = empty column
  std::vector<std::uint8_t> inSequence;    // [lower * kCards + upper]: upper may lie on lower within a moving group
  std::vector<std::uint8_t> onFoundation;  // [(f * kCards + card) * kCards + top]
  // Cards that may be put on each card in a column: a card is safe to send
  // home once all of them are home.
  std::vector<std::vector<std::uint8_t>> holders;

  bool Tab(int card, int top) const { return onTableau[card * kCards + top] != 0; }
  bool Seq(int lower, int upper) const { return inSequence[lower * kCards + upper] != 0; }
  bool Found(int f, int card, int top) const { return onFoundation[(f * kCards + card) * kCards + top] != 0; }
};

// Reads the rules from the engine's judge on a scratch copy; nothing when
// the game has a rule these tables cannot hold.
std::optional<Tables> AskEngine(const Session& start) {
  const auto& r = start.rules;
  if (!IsFamily(r, PlayFamily::Standard) || r[rule::PairingSum] != 0 || r[rule::StockFirstRule] != 0)
    return std::nullopt;
  // Cards the engine deals on by itself after a move are moves this search
  // does not make.
  if (r[rule::AutoFillSource] != 0 || r[rule::TableauLayout] == 8) return std::nullopt;
  if (r[rule::FillAfterFirstMove] != 0 && start.positions[PositionTable::kMovesMade] == 0) return std::nullopt;
  if (r[rule::FoundationsFirst] != 0 && start.positions[PositionTable::kMovesMade] == 0) return std::nullopt;
  if (!start.piles.Pile(PileGroup::Stock, kSecondWasteItem).empty()) return std::nullopt;
  const bool stockCards = !start.piles.Pile(PileGroup::Stock, kStockItem).empty() ||
                          !start.piles.Pile(PileGroup::Stock, kWasteItem).empty();
  Tables t;
  t.tableaus = Tableaus(start);
  t.reserves = Reserves(start);
  t.foundations = Foundations(start);
  if (t.tableaus == 0 || t.foundations == 0) return std::nullopt;
  t.autoplay = start.autoplayChecked && start.autoplayEnabled;
  if (r[rule::HasStock] != 0 || stockCards) {
    // A stock that deals to the waste, or one card to every column; other
    // deals (to reserves, a second waste, redeals of the table) it leaves
    // to the general search.
    if (r[rule::RedealKind] != 0 || r[rule::DealToSecondWaste] != 0) return std::nullopt;
    for (int i = 0; i < std::max(Reserves(start), 1); ++i)
      if (r[rule::ReserveAddKind + i] != 0) return std::nullopt;
    // The stock deals by the first or the last column's kind, as the
    // engine's click reads it, to every column of kind 1 to 4.
    const int add = r[rule::TableauAddKind];
    const int lastAdd = r[rule::TableauAddKind + t.tableaus - 1];
    t.served.assign(t.tableaus, false);
    for (int i = 0; i < t.tableaus; ++i) {
      const int kind = r[rule::TableauAddKind + i];
      if (kind < 0 || kind > 4) return std::nullopt;
      t.served[i] = kind != 0;
    }
    if (r[rule::StockDealsToWaste] == 1) {
      for (int i = 0; i < t.tableaus; ++i)
        if (t.served[i]) return std::nullopt;
      if (r[rule::StockDealOnlyEmptyWaste] != 0 || r[rule::WasteLocked] != 0) return std::nullopt;
      t.stockMode = 1;
      t.perDeal = std::max(r[rule::CardsPerDeal], 1);
      t.redeals = r[rule::Redeals];
      if (t.redeals < -1) return std::nullopt;
    } else if (add == 1 || lastAdd == 1 || add == 2 || lastAdd == 2) {
      if (!start.piles.Pile(PileGroup::Stock, kWasteItem).empty()) return std::nullopt;
      t.stockMode = 2;
      t.dealNeedsFull = add != 1 && lastAdd != 1;
      t.someUnserved = std::find(t.served.begin(), t.served.end(), false) != t.served.end();
    } else {
      return std::nullopt;
    }
  }
  // Face-down cards lie under the face-up ones and turn up by themselves
  // when uncovered, or the play has a move (the turn) this search lacks.
  t.faceUp = start.store.Get(pos::kAutomaticFaceUp, 1) != "N" && r[rule::AutoFaceUpAllowed] == 1;
  for (int i = 0; i < t.tableaus; ++i) {
    const std::string& pile = start.piles.Pile(PileGroup::Tableau, i);
    bool faceUpSeen = false;
    for (int k = 0; k < PileCardCount(pile); ++k) {
      const int card = CardAt(pile, k);
      if (card <= 0 || card >= kCards) return std::nullopt;
      const bool down = start.cards.IsFaceDown(card);
      if (down && (faceUpSeen || !t.faceUp)) return std::nullopt;
      faceUpSeen = faceUpSeen || !down;
    }
    if (!pile.empty() && start.cards.IsFaceDown(TopCard(pile))) return std::nullopt;
    // One rule for every column keeps the columns interchangeable.
    for (int rule : {rule::TableauBuild, rule::TableauDirection, rule::TableauWrap, rule::TableauSpace})
      if (r[rule + i] != r[rule]) return std::nullopt;
  }
  for (int i = 0; i < t.reserves; ++i) {
    const int kind = r[rule::ReserveKind + i];
    if (kind == 4 || kind == 8 || kind == 9 || kind == rule::kQueensRow || kind == 13) return std::nullopt;
    const std::string& pile = start.piles.Pile(PileGroup::Reserve, i);
    if (PileCardCount(pile) > 1) return std::nullopt;
    if (!pile.empty() && (TopCard(pile) <= 0 || start.cards.IsFaceDown(TopCard(pile)))) return std::nullopt;
  }
  // Foundations built card by card, or (every one of them) taking whole
  // suits from King down to Ace as the table completes them.
  t.suitsHome = r[rule::FoundationBase] == rule::kS;
  for (int f = 0; f < t.foundations; ++f) {
    const int code = r[rule::FoundationBuild + f];
    const int base = r[rule::FoundationBase + f];
    if (t.suitsHome ? base != rule::kS : !PureBuildCode(code) || !(base == -1 || (base >= 1 && base <= 13)))
      return std::nullopt;
  }
  if (t.suitsHome && (t.autoplay || t.reserves > 0)) return std::nullopt;
  if (!PureBuildCode(r[rule::TableauBuild]) || !PureEmptyRule(r[rule::TableauSpace])) return std::nullopt;
  t.sequenceRule = r[rule::SequenceRule];
  if (t.sequenceRule != 0 && t.sequenceRule != 1 && t.sequenceRule != 10) return std::nullopt;
  t.moveLimit = r[rule::MoveLimit];
  if (t.autoplay && t.moveLimit == 0) return std::nullopt;
  t.take = r[rule::FoundationTake];
  t.capacity = r[rule::FoundationCapacity];
  const int space = r[rule::TableauSpace];
  t.emptyHoldsAny = space == -1 || space == rule::kV || r[rule::FoundationBase] == -1;
  t.emptySingleOnly = space == rule::kV;

  Session s = start;
  s.drag = DragState{};
  s.drag.dragHeight = s.layout.cardHeight;  // judged as one card lifted
  t.onTableau.assign(kCards * kCards, 0);
  t.inSequence.assign(kCards * kCards, 0);
  t.onFoundation.assign(static_cast<std::size_t>(t.foundations) * kCards * kCards, 0);
  std::vector<int> present;
  for (auto group : {PileGroup::Tableau, PileGroup::Reserve, PileGroup::Foundation, PileGroup::Stock})
    for (const std::string& pile : start.piles.Items(group))
      for (int k = 0; k < PileCardCount(pile); ++k) present.push_back(CardAt(pile, k));
  t.cards = static_cast<int>(present.size());
  std::sort(present.begin(), present.end());
  if (std::adjacent_find(present.begin(), present.end()) != present.end()) return std::nullopt;
  for (int card : present)
    if (card <= 0 || card >= kCards) return std::nullopt;

  for (int card : present) {
    for (int top : present) {
      if (top == card) continue;
      BuildQuery q;
      q.top = top;
      q.card = card;
      q.emptyRule = r[rule::TableauSpace];
      q.pile = 0;
      q.wrap = r[rule::TableauWrap] > 0;
      q.code = r[rule::TableauBuild];
      q.direction = r[rule::TableauDirection];
      q.base = r[rule::FoundationBase];
      t.onTableau[card * kCards + top] = CanBuild(s, q);
      q.drop = false;
      if (t.sequenceRule == 10) q.code = 0;
      t.inSequence[top * kCards + card] = CanBuild(s, q);
    }
    BuildQuery empty;
    empty.top = -1;
    empty.card = card;
    empty.emptyRule = r[rule::TableauSpace];
    empty.wrap = r[rule::TableauWrap] > 0;
    empty.code = r[rule::TableauBuild];
    empty.direction = r[rule::TableauDirection];
    empty.base = r[rule::FoundationBase];
    t.onTableau[card * kCards] = CanBuild(s, empty);
    for (int f = 0; f < t.foundations; ++f) {
      BuildQuery q;
      q.card = card;
      q.emptyRule = r[rule::FoundationBase + f];
      q.pile = f;
      q.wrap = true;
      q.foundation = true;
      q.code = r[rule::FoundationBuild + f];
      q.direction = r[rule::FoundationDirection + f];
      q.base = r[rule::FoundationBase + f];
      q.top = -1;
      t.onFoundation[(f * kCards + card) * kCards] = CanBuild(s, q);
      for (int top : present) {
        if (top == card) continue;
        q.top = top;
        t.onFoundation[(f * kCards + card) * kCards + top] = CanBuild(s, q);
      }
    }
  }
  t.holders.assign(kCards, {});
  for (int lower : present)
    for (int upper : present)
      if (upper != lower && t.Tab(upper, lower)) t.holders[lower].push_back(static_cast<std::uint8_t>(upper));
  return t;
}

enum Place : std::uint8_t { kTableau, kReserve, kFoundation, kStock, kWaste };

struct CMove {
  Place from, to;
  std::uint8_t fromIndex, toIndex, count, card;
  int score = 0;
  bool IsDeal() const { return from == kStock; }
};

// One change to the position, kept so that it can be taken back.
struct Op {
  enum Kind : std::uint8_t { Cards, FaceUp, TurnOver } kind;
  Place from, to;
  std::uint8_t fromIndex, toIndex, count;
};

struct State {
  std::vector<std::vector<std::uint8_t>> tableau;
  std::vector<std::uint8_t> down;     // face-down cards at the bottom of each column
  std::vector<std::uint8_t> reserve;  // 0 when empty
  std::vector<std::vector<std::uint8_t>> foundation;
  std::vector<std::uint8_t> stock, waste;  // top last
  int passes = 0;
  std::array<std::uint8_t, kCards> home{};  // 1 when the card lies on a foundation
  int homeCount = 0;
};

std::uint64_t Mix(std::uint64_t x) {
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ULL;
  x ^= x >> 33;
  return x;
}

class CompactSearch {
 public:
  CompactSearch(const Session& start, Tables tables, const SolveOptions& options)
      : t_(std::move(tables)), options_(options) {
    for (int i = 0; i < 2 * kCards; ++i) zobrist_[i] = Mix(0x9e3779b97f4a7c15ULL * (i + 1));
    s_.tableau.resize(t_.tableaus);
    s_.down.assign(t_.tableaus, 0);
    for (int i = 0; i < t_.tableaus; ++i) {
      const std::string& pile = start.piles.Pile(PileGroup::Tableau, i);
      for (int k = 0; k < PileCardCount(pile); ++k) {
        const int card = CardAt(pile, k);
        s_.tableau[i].push_back(static_cast<std::uint8_t>(card));
        if (start.cards.IsFaceDown(card)) ++s_.down[i];
      }
    }
    s_.reserve.assign(t_.reserves, 0);
    for (int i = 0; i < t_.reserves; ++i)
      s_.reserve[i] = static_cast<std::uint8_t>(TopCard(start.piles.Pile(PileGroup::Reserve, i)));
    s_.foundation.resize(t_.foundations);
    for (int f = 0; f < t_.foundations; ++f) {
      const std::string& pile = start.piles.Pile(PileGroup::Foundation, f);
      for (int k = 0; k < PileCardCount(pile); ++k) {
        const int card = CardAt(pile, k);
        s_.foundation[f].push_back(static_cast<std::uint8_t>(card));
        s_.home[card] = 1;
        ++s_.homeCount;
      }
    }
    for (int item : {kStockItem, kWasteItem}) {
      const std::string& pile = start.piles.Pile(PileGroup::Stock, item);
      auto& into = item == kStockItem ? s_.stock : s_.waste;
      for (int k = 0; k < PileCardCount(pile); ++k) into.push_back(static_cast<std::uint8_t>(CardAt(pile, k)));
    }
    s_.passes = start.positions[PositionTable::kPassCounter];
    int hidden = static_cast<int>(s_.stock.size());
    for (std::uint8_t d : s_.down) hidden += d;
    knowledge_ = hidden > 0 ? Knowledge::FullDeal : Knowledge::Visible;
  }

  // The verdict, with the winning line shortened for the player.
  Result Run() {
    Result result = t_.stockMode == 2 && s_.stock.size() > Served() ? Staged() : Rounds();
    if (result.verdict == Verdict::Winnable) {
      for (const CMove& m : Shortened(winLine_)) result.moves.push_back(ToMove(m));
    }
    return result;
  }

  // One deep search can lose its whole budget under one bad early choice:
  // the search runs in rounds, each with a budget twice the last and its
  // ties broken another way. In games that complete suits on the table the
  // rounds are narrow (no run moved off a card it already builds on), where
  // the search would wander without end. Only a full round, without limits,
  // may then call the deal lost.
  Result Rounds() {
    std::int64_t spent = 0;
    std::int64_t slice = std::max<std::int64_t>(options_.maxPositions / 64, 2000);
    for (int round = 0; spent < options_.maxPositions; ++round) {
      ties_ = static_cast<std::uint64_t>(round);
      progressBase_ = spent;
      Result narrow = Round(t_.suitsHome, std::min(slice, options_.maxPositions - spent));
      spent += narrow.positions;
      narrow.positions = spent;
      if (narrow.verdict == Verdict::Winnable || narrow.cancelled || outOfMemory_) return narrow;
      if (narrow.verdict == Verdict::CannotBeWon) {
        if (!t_.suitsHome) return narrow;  // a round without limits went through every position
        break;
      }
      slice *= 2;
    }
    ties_ = 0;
    if (spent >= options_.maxPositions) {
      Result unknown;
      unknown.knowledge = knowledge_;
      unknown.positions = spent;
      return unknown;
    }
    progressBase_ = spent;
    Result full = Round(false, options_.maxPositions - spent);
    full.positions += spent;
    return full;
  }

  // Where the stock deals a card onto every column, each deal is a stage
  // the play cannot go back from. Tried stage by stage: a narrow search
  // without the stock, to a win or to the best position it meets, which is
  // taken before the next deal; again with ties broken another way while
  // the budget lasts. Never a proof of loss.
  Result Staged() {
    std::int64_t spent = 0;
    Result result;
    result.knowledge = knowledge_;
    for (int attempt = 0; spent < options_.maxPositions && !result.cancelled; ++attempt) {
      ties_ = static_cast<std::uint64_t>(attempt);
      std::vector<CMove> line;
      const std::int64_t share = std::max<std::int64_t>((options_.maxPositions - spent) / 12, 1000);
      for (;;) {
        noDeal_ = track_ = true;
        progressBase_ = spent;
        Result stage = Round(true, std::min(share, options_.maxPositions - spent));
        spent += stage.positions;
        // After the last deal nothing is kept for later: a full search.
        if (s_.stock.empty() && stage.verdict != Verdict::Winnable && !stage.cancelled && !outOfMemory_ &&
            spent < options_.maxPositions) {
          progressBase_ = spent;
          stage = Round(false, std::min(share, options_.maxPositions - spent));
          spent += stage.positions;
        }
        noDeal_ = track_ = false;
        if (stage.cancelled || outOfMemory_) {
          result.cancelled = stage.cancelled;
          break;
        }
        if (stage.verdict == Verdict::Winnable) {
          line.insert(line.end(), winLine_.begin(), winLine_.end());
          while (!marks_.empty()) Undo();
          winLine_ = line;
          result.verdict = Verdict::Winnable;
          result.positions = spent;
          return result;
        }
        for (const CMove& m : bestLine_) {
          Do(m);
          line.push_back(m);
        }
        if (!CanDeal() || spent >= options_.maxPositions) break;
        const CMove deal{kStock, kTableau, 0, 0, 0, 0, 0};
        Do(deal);
        line.push_back(deal);
        if (Won()) {
          while (!marks_.empty()) Undo();
          winLine_ = line;
          result.verdict = Verdict::Winnable;
          result.positions = spent;
          return result;
        }
      }
      while (!marks_.empty()) Undo();
      if (outOfMemory_) break;
    }
    ties_ = 0;
    result.positions = spent;
    return result;
  }

  Result Round(bool narrow, std::int64_t budget) {
    narrow_ = narrow;
    seen_.clear();
    const std::size_t base = marks_.size();
    bestLine_.clear();
    int bestScore = s_.stock.empty() || CanDeal() ? Score() : INT_MIN;
    Result result;
    result.knowledge = knowledge_;
    if (Won()) {
      winLine_.clear();
      result.verdict = Verdict::Winnable;
      return result;
    }
    seen_.reserve(1 << 16);
    seen_.insert(Hash());
    struct Frame {
      std::vector<CMove> moves;
      std::size_t next = 0;
    };
    std::vector<Frame> stack;
    stack.push_back({Generate(), 0});
    bool truncated = false;
    while (!stack.empty()) {
      if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) {
        result.cancelled = true;
        break;
      }
      if (seen_.size() * 48 + stack.size() * 1024 + journal_.size() * sizeof(Op) > options_.maxMemoryBytes) {
        outOfMemory_ = truncated = true;
        break;
      }
      if (static_cast<std::int64_t>(seen_.size()) >= budget) {
        truncated = true;
        break;
      }
      Frame& frame = stack.back();
      if (frame.next >= frame.moves.size()) {
        stack.pop_back();
        if (!stack.empty()) Undo();
        continue;
      }
      const CMove move = frame.moves[frame.next++];
      Do(move);
      if (Won()) {
        winLine_.clear();
        for (const Frame& f : stack) winLine_.push_back(f.moves[f.next - 1]);
        result.verdict = Verdict::Winnable;
        result.positions = static_cast<std::int64_t>(seen_.size());
        break;
      }
      if (!seen_.insert(Hash()).second) {
        Undo();
        continue;
      }
      // The stage's best position must be one the stock may deal on.
      if (track_ && (s_.stock.empty() || CanDeal())) {
        if (const int score = Score(); score > bestScore) {
          bestScore = score;
          bestLine_.clear();
          for (const Frame& f : stack) bestLine_.push_back(f.moves[f.next - 1]);
        }
      }
      if (options_.progress && seen_.size() % 4096 == 0)
        options_.progress(progressBase_ + static_cast<std::int64_t>(seen_.size()));
      stack.push_back({Generate(), 0});
    }
    // Back to the start, for a round after this one.
    while (marks_.size() > base) Undo();
    if (result.verdict == Verdict::Winnable) return result;
    result.positions = static_cast<std::int64_t>(seen_.size());
    result.verdict = truncated || result.cancelled ? Verdict::Unknown : Verdict::CannotBeWon;
    return result;
  }

  // A depth-first line wanders: from each position of the winning line the
  // one move that lands furthest along it is taken instead. Positions are
  // matched pile for pile, so the rest of the line plays on unchanged.
  // Starts and ends at the starting position.
  std::vector<CMove> Shortened(const std::vector<CMove>& line) {
    std::unordered_map<std::uint64_t, std::size_t> at;  // position -> last index on the line
    at[ExactHash()] = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      Do(line[i]);
      at[ExactHash()] = i + 1;
    }
    while (!marks_.empty()) Undo();
    std::vector<CMove> shorter;
    for (std::size_t i = 0; i < line.size();) {
      CMove best = line[i];
      std::size_t reach = i + 1;
      for (const CMove& m : Generate(false)) {
        Do(m);
        const auto found = at.find(ExactHash());
        if (found != at.end() && found->second > reach) {
          reach = found->second;
          best = m;
        }
        Undo();
      }
      Do(best);
      shorter.push_back(best);
      i = reach;
    }
    while (!marks_.empty()) Undo();
    return shorter;
  }

  std::uint64_t ExactHash() const {
    std::uint64_t h = 0x6a09e667f3bcc909ULL;
    auto add = [&](std::uint64_t v) { h = Mix(h ^ v) + v; };
    for (int i = 0; i < t_.tableaus; ++i) {
      add(1000 + s_.down[i]);
      for (std::uint8_t card : s_.tableau[i]) add(card);
    }
    for (std::uint8_t card : s_.reserve) add(2000 + card);
    for (const auto& pile : s_.foundation) add(3000 + pile.size() * 200 + (pile.empty() ? 0 : pile.back()));
    for (std::uint8_t card : s_.stock) add(4000 + card);
    for (std::uint8_t card : s_.waste) add(5000 + card);
    add(6000 + static_cast<std::uint64_t>(t_.redeals >= 0 ? s_.passes : 0));
    return h;
  }

  std::vector<Move> Offered() {
    std::vector<Move> moves;
    for (const CMove& m : Generate(false)) moves.push_back(ToMove(m));
    return moves;
  }

 private:
  bool Won() const { return s_.homeCount == t_.cards; }

  // The columns the stock still deals to are not the others' equals.
  bool Apart() const { return t_.someUnserved && !s_.stock.empty(); }
  // Which of the interchangeable empty columns a column stands for.
  int EmptyClass(int column) const { return Apart() && t_.served[column] ? 1 : 0; }

  // Columns and cells are interchangeable, so a position is hashed without
  // regard to which column or cell holds what.
  std::uint64_t Hash() const {
    std::uint64_t h = 0;
    const bool apart = Apart();
    for (int i = 0; i < t_.tableaus; ++i) {
      std::uint64_t c = 0x51ed270b27eULL + s_.down[i] + (apart && t_.served[i] ? 0x100 : 0);
      for (std::uint8_t card : s_.tableau[i]) c = Mix(c ^ card) + card;
      h += Mix(c);
    }
    for (std::uint8_t card : s_.reserve)
      if (card) h += zobrist_[kCards + card];
    for (const auto& pile : s_.foundation)
      if (!pile.empty()) h ^= zobrist_[pile.back()] * (pile.size() + 1);
    if (t_.stockMode != 0) {
      std::uint64_t c = 0x2545f4914f6cdd1dULL;
      for (std::uint8_t card : s_.stock) c = Mix(c ^ card) + card;
      c = Mix(c ^ 0xff);
      for (std::uint8_t card : s_.waste) c = Mix(c ^ card) + card;
      // With endless redeals the count of passes changes nothing in play.
      if (t_.redeals >= 0) c = Mix(c ^ (static_cast<std::uint64_t>(s_.passes) << 40));
      h ^= Mix(c);
    }
    return h;
  }

  Move ToMove(const CMove& m) const {
    if (m.IsDeal()) return {Move::Click, 0, "Mazzo"};
    const PileGroup group = m.to == kTableau   ? PileGroup::Tableau
                            : m.to == kReserve ? PileGroup::Reserve
                                               : PileGroup::Foundation;
    return {Move::Drag, m.card, PileName({group, m.toIndex})};
  }

  std::vector<std::uint8_t>& Column(Place place, int index) {
    switch (place) {
      case kTableau: return s_.tableau[index];
      case kFoundation: return s_.foundation[index];
      case kStock: return s_.stock;
      default: return s_.waste;
    }
  }

  void Take(Place place, int index, int count, std::vector<std::uint8_t>& into) {
    if (place == kReserve) {
      into.push_back(s_.reserve[index]);
      s_.reserve[index] = 0;
      return;
    }
    auto& pile = Column(place, index);
    const std::size_t keep = pile.size() - static_cast<std::size_t>(count);
    for (std::size_t i = keep; i < pile.size(); ++i) into.push_back(pile[i]);
    pile.resize(keep);
    if (place == kFoundation) {
      for (std::uint8_t c : into) s_.home[c] = 0;
      s_.homeCount -= count;
    }
  }
  void Put(Place place, int index, const std::vector<std::uint8_t>& cards) {
    if (place == kReserve) {
      s_.reserve[index] = cards.front();
      return;
    }
    auto& pile = Column(place, index);
    pile.insert(pile.end(), cards.begin(), cards.end());
    if (place == kFoundation) {
      for (std::uint8_t c : cards) s_.home[c] = 1;
      s_.homeCount += static_cast<int>(cards.size());
    }
  }

  // Every change goes through the journal; a move is taken back by undoing
  // its changes back to the mark it left.
  void Record(const Op& op) {
    switch (op.kind) {
      case Op::Cards:
        buffer_.clear();
        Take(op.from, op.fromIndex, op.count, buffer_);
        Put(op.to, op.toIndex, buffer_);
        break;
      case Op::FaceUp: --s_.down[op.fromIndex]; break;
      case Op::TurnOver:
        s_.stock.assign(s_.waste.rbegin(), s_.waste.rend());
        s_.waste.clear();
        ++s_.passes;
        break;
    }
    journal_.push_back(op);
  }
  void Reverse(const Op& op) {
    switch (op.kind) {
      case Op::Cards:
        buffer_.clear();
        Take(op.to, op.toIndex, op.count, buffer_);
        Put(op.from, op.fromIndex, buffer_);
        break;
      case Op::FaceUp: ++s_.down[op.fromIndex]; break;
      case Op::TurnOver:
        s_.waste.assign(s_.stock.rbegin(), s_.stock.rend());
        s_.stock.clear();
        --s_.passes;
        break;
    }
  }
  void MoveCards(Place from, int fromIndex, Place to, int toIndex, int count) {
    Record({Op::Cards, from, to, static_cast<std::uint8_t>(fromIndex), static_cast<std::uint8_t>(toIndex),
            static_cast<std::uint8_t>(count)});
  }

  void Do(const CMove& m) {
    marks_.push_back(journal_.size());
    if (m.IsDeal()) {
      Deal();
    } else {
      MoveCards(m.from, m.fromIndex, m.to, m.toIndex, m.count);
      if (m.to == kTableau) {
        if (m.from == kTableau) RemoveCompletedSuit(m.fromIndex);
        RemoveCompletedSuit(m.toIndex);
      }
    }
    if (t_.autoplay) {
      SendHome();
    } else {
      TurnFaceUp();
    }
  }
  void Undo() {
    const std::size_t mark = marks_.back();
    marks_.pop_back();
    while (journal_.size() > mark) {
      Reverse(journal_.back());
      journal_.pop_back();
    }
  }

  // A click on the stock, as the engine deals.
  void Deal() {
    if (t_.stockMode == 1) {
      if (s_.stock.empty()) Record({Op::TurnOver, kWaste, kStock, 0, 0, 0});
      // One card at a time, as the engine turns them: the last dealt on top.
      for (int k = 0; k < t_.perDeal && !s_.stock.empty(); ++k) MoveCards(kStock, 0, kWaste, 0, 1);
      return;
    }
    for (int i = 0; i < t_.tableaus && !s_.stock.empty(); ++i) {
      if (!t_.served[i]) continue;
      MoveCards(kStock, 0, kTableau, i, 1);
      RemoveCompletedSuit(i);
    }
  }
  std::size_t Served() const { return static_cast<std::size_t>(std::count(t_.served.begin(), t_.served.end(), true)); }
  bool CanDeal() const {
    if (t_.stockMode == 1) {
      if (!s_.stock.empty()) return true;
      return s_.waste.size() > 1 && (t_.redeals == -1 || s_.passes < t_.redeals);
    }
    if (t_.stockMode != 2 || s_.stock.empty()) return false;
    if (t_.dealNeedsFull)
      for (const auto& column : s_.tableau)
        if (column.empty()) return false;
    return true;
  }

  // A whole suit from King down to Ace at the top of a column leaves for the
  // first empty foundation, as the engine clears it.
  void RemoveCompletedSuit(int column) {
    if (!t_.suitsHome) return;
    const auto& pile = s_.tableau[column];
    const int n = static_cast<int>(pile.size());
    if (n - s_.down[column] < 13) return;
    const int top = pile[n - 1];
    for (int k = 0; k < 13; ++k) {
      const int card = pile[n - 1 - k];
      if (CardRank(card) != k + 1 || CardSuit(card) != CardSuit(top)) return;
    }
    int target = -1;
    for (int f = 0; f < t_.foundations && target < 0; ++f)
      if (s_.foundation[f].empty()) target = f;
    if (target < 0) return;
    for (int k = 0; k < 13; ++k) MoveCards(kTableau, column, kFoundation, target, 1);
  }

  // The column's top card lies face down.
  bool Covered(int column) const { return s_.down[column] > 0 && s_.down[column] == s_.tableau[column].size(); }
  void TurnUp(int column) { Record({Op::FaceUp, kTableau, kTableau, static_cast<std::uint8_t>(column), 0, 0}); }

  void TurnFaceUp() {
    for (int i = 0; i < t_.tableaus; ++i)
      if (Covered(i)) TurnUp(i);
  }

  // The engine's autoplay, in its order: the cells until none goes home,
  // the waste, then the columns (each turned face up first), back to the
  // cells after each column's card when the game has cells; until nothing
  // moves or the game is won. The order decides which empty foundation an
  // Ace starts.
  void SendHome() {
    auto send = [&](Place from, int index, int card) {
      const int f = FoundationFor(card);
      if (f < 0) return false;
      MoveCards(from, index, kFoundation, f, 1);
      return true;
    };
    for (bool moved = true; moved && !Won();) {
      moved = false;
      for (bool again = true; again && !Won();) {
        again = false;
        for (int i = 0; i < t_.reserves && !Won(); ++i)
          if (s_.reserve[i] && send(kReserve, i, s_.reserve[i])) again = moved = true;
      }
      if (!Won() && !s_.waste.empty() && send(kWaste, 0, s_.waste.back())) moved = true;
      for (int i = 0; i < t_.tableaus && !Won(); ++i) {
        if (s_.tableau[i].empty()) continue;
        if (Covered(i) && t_.faceUp) TurnUp(i);
        if (Covered(i) || !send(kTableau, i, s_.tableau[i].back())) continue;
        moved = true;
        if (t_.reserves > 0) break;
      }
    }
  }

  int EmptyColumns() const {
    int n = 0;
    for (const auto& column : s_.tableau) n += column.empty();
    return n;
  }
  int EmptyCells() const {
    int n = 0;
    for (std::uint8_t card : s_.reserve) n += card == 0;
    return n;
  }

  // How many cards may be lifted at once, as the engine counts room.
  bool Liftable(int size, int card, bool wholeColumn, int emptyColumns, int emptyCells) const {
    const int et = t_.emptyHoldsAny ? emptyColumns : 0;
    switch (t_.moveLimit) {
      case -1: return true;
      case -12: return size == 1 || CardRank(card) == 13;
      case -13: return size == 1 || wholeColumn;
      case -5: return size <= emptyCells + et + 1;
      case -6: return size <= (et == 0 ? emptyCells + 1 : emptyCells + et);
      default:
        if (t_.moveLimit >= 0) return size <= t_.moveLimit;
        return size <= std::max(et, 1);
    }
  }

  int FoundationFor(int card) const {
    for (int f = 0; f < t_.foundations; ++f) {
      const auto& pile = s_.foundation[f];
      if (t_.capacity > 0 && static_cast<int>(pile.size()) >= t_.capacity) continue;
      if (t_.Found(f, card, pile.empty() ? 0 : pile.back())) return f;
    }
    return -1;
  }

  // Home is the only use left for a card nothing else can be put on.
  bool Safe(int card) const {
    for (std::uint8_t holder : t_.holders[card])
      if (!s_.home[holder]) return false;
    return true;
  }

  // Lower is better placed: cards lying above a lower card of the column
  // must all be moved before that card can go home, and a face-down card
  // is one the play cannot use yet.
  int Score() const {
    if (t_.suitsHome) return SuitScore();
    int score = 40 * s_.homeCount + 6 * EmptyCells() + 12 * EmptyColumns();
    for (int i = 0; i < t_.tableaus; ++i) {
      const auto& column = s_.tableau[i];
      score -= 10 * s_.down[i];
      int lowest = 99;
      for (std::size_t k = s_.down[i]; k < column.size(); ++k) {
        const int rank = CardRank(column[k]);
        if (rank > lowest) score -= 3;
        lowest = std::min(lowest, rank);
        if (k > s_.down[i] && t_.Seq(column[k - 1], column[k])) score += 2;
      }
    }
    return score;
  }

  // Where suits are completed on the table, order by suit is what counts:
  // runs of one suit, then runs of any suit, an empty column, and above all
  // the cards still face down.
  int SuitScore() const {
    int score = 40 * s_.homeCount + 15 * EmptyColumns();
    for (int i = 0; i < t_.tableaus; ++i) {
      const auto& column = s_.tableau[i];
      score -= 20 * s_.down[i];
      for (std::size_t k = s_.down[i] + 1; k < column.size(); ++k) {
        if (t_.Seq(column[k - 1], column[k])) {
          score += 3;
        } else if (t_.Tab(column[k], column[k - 1])) {
          score += 1;
        } else {
          score -= 2;
        }
      }
    }
    return score;
  }

  std::vector<CMove> Generate(bool forceSafe = true) {
    std::vector<CMove> moves;
    const int emptyColumns = EmptyColumns(), emptyCells = EmptyCells();
    auto add = [&](Place from, int fi, Place to, int ti, int count, int card) {
      moves.push_back({from, to, static_cast<std::uint8_t>(fi), static_cast<std::uint8_t>(ti),
                       static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(card), 0});
    };
    // A safe move home is the only move worth making.
    auto home = [&](Place from, int index, int card) {
      const int f = FoundationFor(card);
      if (f < 0) return false;
      add(from, index, kFoundation, f, 1, card);
      return forceSafe && Safe(card);
    };
    for (int i = 0; i < t_.reserves; ++i)
      if (const int card = s_.reserve[i]; card && home(kReserve, i, card)) return {moves.back()};
    if (!s_.waste.empty() && home(kWaste, 0, s_.waste.back())) return {moves.back()};
    for (int i = 0; i < t_.tableaus; ++i) {
      const auto& column = s_.tableau[i];
      if (static_cast<int>(column.size()) <= s_.down[i] || t_.moveLimit == 0) continue;
      if (home(kTableau, i, column.back())) return {moves.back()};
    }
    const int firstEmptyCell =
        static_cast<int>(std::find(s_.reserve.begin(), s_.reserve.end(), 0) - s_.reserve.begin());
    for (int i = 0; i < t_.tableaus; ++i) {
      const auto& column = s_.tableau[i];
      const int n = static_cast<int>(column.size());
      for (int size = 1; size <= n - s_.down[i]; ++size) {
        const int card = column[n - size];
        if (size > 1 && t_.sequenceRule != 0 && !t_.Seq(column[n - size], column[n - size + 1])) break;
        const bool whole = size == n;
        if (!Liftable(size, card, whole, emptyColumns, emptyCells)) {
          if (t_.moveLimit == -12 || t_.moveLimit == -13) continue;
          break;
        }
        // A run that already builds on the card under it moves, in a narrow
        // round, only to join its own suit.
        const bool settled = narrow_ && n - size > s_.down[i] && t_.Tab(card, column[n - size - 1]);
        std::array<bool, 2> emptyTried{settled, settled};
        for (int d = 0; d < t_.tableaus; ++d) {
          if (d == i) continue;
          const auto& dest = s_.tableau[d];
          if (dest.empty()) {
            // Columns are interchangeable: one empty column stands for all of
            // its kind (served by the stock or not, while it lasts).
            if ((whole && EmptyClass(i) == EmptyClass(d)) || emptyTried[EmptyClass(d)]) continue;
            emptyTried[EmptyClass(d)] = true;
            if (size > 1 && t_.emptySingleOnly) continue;
            if (!t_.Tab(card, 0)) continue;
            if (size > 1 && t_.moveLimit == -5 &&
                size > emptyCells + (t_.emptyHoldsAny ? emptyColumns - 1 : emptyColumns) + 1)
              continue;
            add(kTableau, i, kTableau, d, size, card);
          } else if (t_.Tab(card, dest.back())) {
            if (settled && !(t_.Seq(dest.back(), card) && !t_.Seq(column[n - size - 1], card))) continue;
            add(kTableau, i, kTableau, d, size, card);
          }
        }
      }
      if (n > s_.down[i] && firstEmptyCell < t_.reserves && t_.moveLimit != 0)
        add(kTableau, i, kReserve, firstEmptyCell, 1, column.back());
    }
    // A single card onto every column that takes it; one empty column is as
    // good as another of its kind.
    auto toColumns = [&](Place from, int index, int card) {
      std::array<bool, 2> emptyTried{false, false};
      for (int d = 0; d < t_.tableaus; ++d) {
        const auto& dest = s_.tableau[d];
        if (dest.empty()) {
          if (emptyTried[EmptyClass(d)] || !t_.Tab(card, 0)) continue;
          emptyTried[EmptyClass(d)] = true;
          add(from, index, kTableau, d, 1, card);
        } else if (t_.Tab(card, dest.back())) {
          add(from, index, kTableau, d, 1, card);
        }
      }
    };
    for (int i = 0; i < t_.reserves; ++i)
      if (const int card = s_.reserve[i]) toColumns(kReserve, i, card);
    if (!s_.waste.empty()) toColumns(kWaste, 0, s_.waste.back());
    // Under autoplay a card taken from home would go straight back.
    if (t_.take != 0 && !t_.autoplay) {
      for (int f = 0; f < t_.foundations; ++f) {
        const auto& pile = s_.foundation[f];
        if (pile.empty() || (t_.take == 2 && pile.size() < 2) || t_.take > 2) continue;
        const int card = pile.back();
        toColumns(kFoundation, f, card);
        if (firstEmptyCell < t_.reserves) add(kFoundation, f, kReserve, firstEmptyCell, 1, card);
      }
    }
    for (CMove& m : moves) {
      Do(m);
      m.score = Score();
      if (m.to == kReserve) m.score -= 4;
      if (m.from == kFoundation) m.score -= 100;
      // A later round breaks ties (and near ties) another way, the same way
      // each time for the same deal.
      if (ties_ != 0)
        m.score += static_cast<int>(Mix(ties_ * 0x9e3779b97f4a7c15ULL + m.card * 131 + m.to * 17 + m.toIndex) % 5);
      Undo();
    }
    std::stable_sort(moves.begin(), moves.end(), [](const CMove& a, const CMove& b) { return a.score > b.score; });
    // The stock comes last: every move on the table is tried before new
    // cards are dealt.
    if (!noDeal_ && CanDeal()) add(kStock, 0, t_.stockMode == 1 ? kWaste : kTableau, 0, 0, 0);
    return moves;
  }

  Tables t_;
  SolveOptions options_;
  State s_;
  Knowledge knowledge_ = Knowledge::Visible;
  bool narrow_ = false;
  std::uint64_t ties_ = 0;
  bool outOfMemory_ = false;
  std::int64_t progressBase_ = 0;  // positions of the rounds before this one, for the progress count
  bool noDeal_ = false;            // a stage of the staged search ends before the stock
  bool track_ = false;             // the line to the best position met is kept
  std::vector<CMove> winLine_, bestLine_;
  std::vector<std::uint8_t> buffer_;
  std::vector<Op> journal_;
  std::vector<std::size_t> marks_;
  std::array<std::uint64_t, 2 * kCards> zobrist_{};
  std::unordered_set<std::uint64_t> seen_;
};

}  // namespace

std::optional<Result> SolveCompact(const Session& start, const SolveOptions& options) {
  std::optional<Tables> tables = AskEngine(start);
  if (!tables) return std::nullopt;
  auto search = std::make_unique<CompactSearch>(start, std::move(*tables), options);
  return search->Run();
}

std::optional<std::vector<Move>> CompactMoves(const Session& start) {
  std::optional<Tables> tables = AskEngine(start);
  if (!tables) return std::nullopt;
  CompactSearch search(start, std::move(*tables), SolveOptions{});
  return search.Offered();
}

}  // namespace cardoria::solver
