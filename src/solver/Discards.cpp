#include "solver/Discards.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Piles.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/FamilyRules.h"
#include "engine/Legality.h"
#include "solver/DepthFirst.h"

namespace cardoria::solver {

namespace {

// The families whose columns are played onto one discard pile by a click.
bool DiscardFamily(PlayFamily family) {
  return family == PlayFamily::Golf || family == PlayFamily::BlackHole || family == PlayFamily::RelaxedGolf;
}

struct Position {
  std::vector<std::uint8_t> heights;  // cards left in each column
  int stock = 0;                      // cards left in the stock
  int top = 0;                        // the discards' top card
};

// A click on a column's top card (the column's 0-based number), or on the
// stock (-1).
using Click = int;
constexpr Click kStockClick = -1;

class DiscardGame {
 public:
  explicit DiscardGame(const Session& s) {
    for (int t = 0; t < Tableaus(s); ++t) {
      const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
      std::vector<int> cards;
      for (int i = 0; i < PileCardCount(pile); ++i) cards.push_back(CardAt(pile, i));
      columns_.push_back(std::move(cards));
    }
    // The stock deals from the end of its text.
    const std::string& stock = s.piles.Pile(PileGroup::Stock, kStockItem);
    for (int i = PileCardCount(stock) - 1; i >= 0; --i) stock_.push_back(CardAt(stock, i));
    // Which card fits on which top is asked of the engine once, for every
    // card that can lie on a column and every card that can top the discards.
    for (std::size_t p = 0; p < columns_.size(); ++p)
      for (int card : columns_[p])
        for (int top = 1; top < static_cast<int>(kCards); ++top)
          fits_[p][static_cast<std::size_t>(card)][static_cast<std::size_t>(top)] =
              DiscardFits(s, card, top, static_cast<int>(p));
  }

  Position Start(const Session& s) const {
    Position start;
    for (const auto& column : columns_) start.heights.push_back(static_cast<std::uint8_t>(column.size()));
    start.stock = static_cast<int>(stock_.size());
    start.top = TopCard(s.piles.Pile(PileGroup::Stock, kSecondWasteItem));
    return start;
  }

  int CardOf(std::size_t column, int height) const { return columns_[column][static_cast<std::size_t>(height - 1)]; }
  int NextStockCard(const Position& at) const { return stock_[stock_.size() - static_cast<std::size_t>(at.stock)]; }

  bool Won(const Position& at) const {
    return at.stock == 0 && std::all_of(at.heights.begin(), at.heights.end(), [](std::uint8_t h) { return h == 0; });
  }

  std::uint64_t Hash(const Position& at) const {
    std::vector<std::uint8_t> bytes = at.heights;
    bytes.push_back(static_cast<std::uint8_t>(at.stock));
    bytes.push_back(static_cast<std::uint8_t>(at.top));
    return HashBytes(bytes);
  }

  // Clicks on columns first, the tallest column first (its cards are the
  // ones most likely to be left stranded); the stock last, as a card it
  // deals is a card the columns did not take.
  std::vector<std::pair<Click, Position>> Children(const Position& at) const {
    std::vector<std::pair<Click, Position>> children;
    std::vector<int> tall;
    for (std::size_t p = 0; p < at.heights.size(); ++p) {
      if (at.heights[p] == 0) continue;
      const int card = CardOf(p, at.heights[p]);
      if (!fits_[p][static_cast<std::size_t>(card)][static_cast<std::size_t>(at.top)]) continue;
      Position next = at;
      --next.heights[p];
      next.top = card;
      tall.push_back(at.heights[p]);
      children.emplace_back(static_cast<Click>(p), std::move(next));
    }
    std::vector<std::pair<Click, Position>> sorted = HighestFirst(std::move(children), tall);
    if (at.stock > 0) {
      Position next = at;
      next.top = NextStockCard(at);
      --next.stock;
      sorted.emplace_back(kStockClick, std::move(next));
    }
    return sorted;
  }

  std::vector<Move> AsClicks(Position at, const std::vector<Click>& clicks) const {
    std::vector<Move> moves;
    for (Click click : clicks) {
      if (click == kStockClick) {
        moves.push_back({Move::Click, 0, PileName({PileGroup::Stock, kStockItem})});
        --at.stock;
        continue;
      }
      const std::size_t p = static_cast<std::size_t>(click);
      moves.push_back({Move::Select, CardOf(p, at.heights[p]), {}});
      --at.heights[p];
    }
    return moves;
  }

 private:
  static constexpr std::size_t kCards = 109;

  std::vector<std::vector<int>> columns_;
  std::vector<int> stock_;
  std::array<std::array<std::array<bool, kCards>, kCards>, 32> fits_{};
};

// Only the plain table of such a game: face-up columns, a stock that deals
// one card at a time onto the discards and is never dealt again, nothing
// anywhere else.
bool PlainDiscardTable(const Session& s) {
  if (!DiscardFamily(FamilyOf(s.rules)) || Tableaus(s) < 1 || Tableaus(s) > 32) return false;
  if (TopCard(s.piles.Pile(PileGroup::Stock, kSecondWasteItem)) <= 0) return false;
  if (!s.piles.Pile(PileGroup::Stock, kWasteItem).empty()) return false;
  const std::string& stock = s.piles.Pile(PileGroup::Stock, kStockItem);
  if (!stock.empty() && (s.rules[rule::DealToSecondWaste] == 0 || s.rules[rule::CardsPerDeal] > 1 ||
                         s.rules[rule::Redeals] != 0 || s.rules[rule::RedealKind] != 0))
    return false;
  for (auto group : {PileGroup::Foundation, PileGroup::Reserve})
    for (const std::string& pile : s.piles.Items(group))
      if (!pile.empty()) return false;
  for (int t = 0; t < Tableaus(s); ++t) {
    const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
    if (PileCardCount(pile) > 255) return false;
    for (int i = 0; i < PileCardCount(pile); ++i) {
      const int card = CardAt(pile, i);
      if (card <= 0 || card > 108 || s.cards.IsFaceDown(card)) return false;
    }
  }
  if (PileCardCount(stock) > 255) return false;
  for (int i = 0; i < PileCardCount(stock); ++i)
    if (CardAt(stock, i) <= 0 || CardAt(stock, i) > 108) return false;
  return true;
}

}  // namespace

std::optional<Result> SolveDiscards(const Session& start, const SolveOptions& options) {
  if (!PlainDiscardTable(start)) return std::nullopt;
  auto game = std::make_unique<DiscardGame>(start);
  const Position root = game->Start(start);
  const DepthFirstResult<Click> found = SearchDepthFirst<Click>(root, *game, options);
  Result result;
  // As in the general search: a stock, even an empty one, is cards the
  // player could not see.
  result.knowledge = start.rules[rule::HasStock] != 0 || root.stock > 0 ? Knowledge::FullDeal : Knowledge::Visible;
  result.verdict = found.verdict;
  result.positions = found.positions;
  result.cancelled = found.cancelled;
  if (found.verdict == Verdict::Winnable) result.moves = game->AsClicks(root, found.line);
  return result;
}

}  // namespace cardoria::solver
