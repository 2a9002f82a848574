#include "solver/RowOfStacks.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
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

using Tops = std::vector<std::uint8_t>;

// A stack going onto the stack `to` places to its left, both counted among
// the stacks of the row as it is when the move is made.
struct Drop {
  int from = 0;
  int to = 0;
};

std::vector<Drop> DropsOf(const Tops& tops) {
  std::vector<Drop> drops;
  for (int from = 1; from < static_cast<int>(tops.size()); ++from)
    for (int reach : kRowStackReach) {
      const int to = from - reach;
      if (to >= 0 && RowStackTopsMatch(tops[static_cast<std::size_t>(from)], tops[static_cast<std::size_t>(to)]))
        drops.push_back({from, to});
    }
  return drops;
}

void Apply(Tops& tops, const Drop& drop) {
  tops[static_cast<std::size_t>(drop.to)] = tops[static_cast<std::size_t>(drop.from)];
  tops.erase(tops.begin() + drop.from);
}

// The moves that leave the most moves open come first: a row that can
// still close up in many places is the one most likely to close up whole.
struct RowGame {
  bool Won(const Tops& tops) const { return tops.size() == 1; }
  std::uint64_t Hash(const Tops& tops) const { return HashBytes(tops); }
  std::vector<std::pair<Drop, Tops>> Children(const Tops& tops) const {
    std::vector<std::pair<Drop, Tops>> children;
    std::vector<int> mobility;
    for (const Drop& drop : DropsOf(tops)) {
      Tops after = tops;
      Apply(after, drop);
      mobility.push_back(static_cast<int>(DropsOf(after).size()));
      children.emplace_back(drop, std::move(after));
    }
    return HighestFirst(std::move(children), mobility);
  }
};

// The row as stacks: each face-up card with the face-down cards just
// before it. Nothing when the table holds anything else.
struct Row {
  Tops tops;
  std::vector<int> sizes;
};

std::optional<Row> ReadRow(const Session& s) {
  if (!IsFamily(s.rules, PlayFamily::Accordion) || Tableaus(s) < 1) return std::nullopt;
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Reserve})
    for (const std::string& pile : s.piles.Items(group))
      if (!pile.empty()) return std::nullopt;
  for (int t = 1; t < Tableaus(s); ++t)
    if (!s.piles.Pile(PileGroup::Tableau, t).empty()) return std::nullopt;
  Row row;
  const std::string& text = s.piles.Pile(PileGroup::Tableau, 0);
  int covered = 0;
  for (int i = 0; i < PileCardCount(text); ++i) {
    const int card = CardAt(text, i);
    if (card <= 0 || card > 255) return std::nullopt;
    if (s.cards.IsFaceDown(card)) {
      ++covered;
      continue;
    }
    row.tops.push_back(static_cast<std::uint8_t>(card));
    row.sizes.push_back(covered + 1);
    covered = 0;
  }
  if (covered > 0 || row.tops.empty()) return std::nullopt;
  return row;
}

// The drops as drags of the mouse: each stack's top card onto the top card
// of the stack it covers, at that card's place in the pile.
std::vector<Move> AsDrags(Row row, const std::vector<Drop>& drops) {
  std::vector<Move> moves;
  const std::string pile = PileName({PileGroup::Tableau, 0});
  for (const Drop& drop : drops) {
    int place = 0;
    for (int k = 0; k <= drop.to; ++k) place += row.sizes[static_cast<std::size_t>(k)];
    moves.push_back({Move::Drag, row.tops[static_cast<std::size_t>(drop.from)], pile, place});
    row.sizes[static_cast<std::size_t>(drop.to)] += row.sizes[static_cast<std::size_t>(drop.from)];
    row.sizes.erase(row.sizes.begin() + drop.from);
    Apply(row.tops, drop);
  }
  return moves;
}

}  // namespace

std::optional<Result> SolveRowOfStacks(const Session& start, const SolveOptions& options) {
  std::optional<Row> row = ReadRow(start);
  if (!row) return std::nullopt;
  const DepthFirstResult<Drop> found = SearchDepthFirst<Drop>(row->tops, RowGame{}, options);
  Result result;
  result.knowledge = Knowledge::Visible;
  result.verdict = found.verdict;
  result.positions = found.positions;
  result.cancelled = found.cancelled;
  if (found.verdict == Verdict::Winnable) result.moves = AsDrags(*row, found.line);
  return result;
}

}  // namespace cardoria::solver
