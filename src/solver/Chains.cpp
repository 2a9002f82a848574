#include "solver/Chains.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>

#include "core/Piles.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Legality.h"
#include "engine/SelectionTests.h"
#include "solver/Scratch.h"

namespace cardoria::solver {

namespace {

constexpr int kColumns = 7;
// Distinct chains offered from one position: a grid of alike ranks holds
// thousands, and the longest are the ones worth trying.
constexpr std::size_t kMostChains = 400;

bool ChainGrid(const Session& s) {
  return IsFamily(s.rules, PlayFamily::ChainCrossing) && Tableaus(s) > 0 && Tableaus(s) % kColumns == 0;
}

// Every chain from the left column to the right one, as its cards in the
// order they are pressed: one chain for each set of places, since the same
// places emptied are refilled alike whatever the order. Longest first.
std::vector<std::vector<int>> Chains(const Session& s) {
  const int piles = Tableaus(s);
  auto card = [&](int pile) { return TopCard(s.piles.Pile(PileGroup::Tableau, pile)); };
  std::map<std::vector<int>, std::vector<int>> byPlaces;
  std::vector<int> path;
  std::function<void(int)> extend = [&](int pile) {
    path.push_back(pile);
    if (pile % kColumns == kColumns - 1) {
      std::vector<int> places = path;
      std::sort(places.begin(), places.end());
      if (!byPlaces.contains(places)) {
        std::vector<int> cards;
        for (int p : path) cards.push_back(card(p));
        byPlaces.emplace(std::move(places), std::move(cards));
      }
    } else if (byPlaces.size() < kMostChains) {
      // The left column is touched once, by the first card.
      for (int next = 0; next < piles; ++next) {
        if (next % kColumns == 0 || card(next) <= 0) continue;
        if (std::find(path.begin(), path.end(), next) != path.end()) continue;
        if (ChainLinks(s, card(pile), card(next))) extend(next);
      }
    }
    path.pop_back();
  };
  for (int pile = 0; pile < piles; pile += kColumns)
    if (card(pile) > 0) extend(pile);
  std::vector<std::vector<int>> chains;
  for (auto& [places, cards] : byPlaces) chains.push_back(std::move(cards));
  std::stable_sort(chains.begin(), chains.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
  return chains;
}

class ChainSearch {
 public:
  ChainSearch(const Session& start, const SolveOptions& options) : x_(start), options_(options) {}

  Result Run() {
    Result result;
    // The redeal mixes cards the player cannot follow.
    result.knowledge = Knowledge::FullDeal;
    Session& s = x_.session;
    // A chain the player has begun is let go first: the search presses
    // whole chains.
    std::vector<Move> letGo;
    for (int card : SelectedCards(s)) letGo.push_back({Move::Select, card, {}});
    for (const Move& move : letGo) x_.Play(move);
    if (!Selection(s).empty()) return result;
    if (Reached()) {
      result.moves = letGo;
      if (!x_.Won()) result.moves.push_back({Move::End, 0, {}});
      result.verdict = Verdict::Winnable;
      return result;
    }
    std::unordered_set<std::uint64_t> seen{PositionHash(s)};
    std::vector<Frame> stack;
    stack.push_back(Open());
    std::int64_t positions = 1;
    while (!stack.empty()) {
      if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) {
        result.cancelled = true;
        break;
      }
      if (positions >= options_.maxPositions || seen.size() * 48 > options_.maxMemoryBytes) break;
      Frame& frame = stack.back();
      if (frame.next >= frame.lines.size()) {
        stack.pop_back();
        continue;
      }
      const std::vector<Move>& line = frame.lines[frame.next++];
      frame.state.Restore(s);
      for (const Move& move : line) x_.Play(move);
      if (Reached()) {
        result.moves = letGo;
        for (const Frame& f : stack)
          for (const Move& m : f.lines[f.next - 1]) result.moves.push_back(m);
        if (!x_.Won()) result.moves.push_back({Move::End, 0, {}});
        result.verdict = Verdict::Winnable;
        break;
      }
      if (x_.Over() || !Selection(s).empty() || !seen.insert(PositionHash(s)).second) continue;
      if (++positions % 1000 == 0 && options_.progress) options_.progress(positions);
      stack.push_back(Open());
    }
    // A crowded grid offers more chains than are tried, so a search run
    // out is no proof of a loss.
    result.positions = positions;
    return result;
  }

 private:
  struct Frame {
    Snapshot state;
    std::vector<std::vector<Move>> lines;  // each chain's presses, then the redeal
    std::size_t next = 0;
  };

  Frame Open() {
    const Session& s = x_.session;
    Frame frame{Snapshot(s), {}, 0};
    for (const std::vector<int>& chain : Chains(s)) {
      std::vector<Move> presses;
      for (int card : chain) presses.push_back({Move::Select, card, {}});
      frame.lines.push_back(std::move(presses));
    }
    if (PileShown(s, {PileGroup::Stock, kStockItem})) frame.lines.push_back({{Move::Click, 0, "Mazzo"}});
    return frame;
  }

  // The table is cleared, or ending the game now wins it.
  bool Reached() const {
    const Session& s = x_.session;
    if (x_.Won()) return true;
    const int target = s.rules[rule::WinScore];
    return target != 0 && !x_.Over() && s.store.GetInt(pos::kScore, 6) >= target;
  }

  Scratch x_;
  SolveOptions options_;
};

}  // namespace

std::optional<Result> SolveChains(const Session& start, const SolveOptions& options) {
  if (!ChainGrid(start)) return std::nullopt;
  auto search = std::make_unique<ChainSearch>(start, options);
  return search->Run();
}

}  // namespace cardoria::solver
