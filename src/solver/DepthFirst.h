#pragma once
// Depth-first search over small positions of a game's own, each met once:
// a position already searched without a win cannot lead to one by another
// way. The game supplies its positions; this keeps the budget, the
// cancellation and the line that wins.

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

#include "solver/Solver.h"

namespace cardoria::solver {

// A hash of a position kept as a few small numbers.
inline std::uint64_t HashBytes(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t h = 1469598103934665603ull;
  for (std::uint8_t byte : bytes) {
    h ^= byte;
    h *= 1099511628211ull;
  }
  return h ^ (h >> 29);
}

// The children in the order of their keys, highest first, ties as they came.
template <typename Child>
std::vector<Child> HighestFirst(std::vector<Child> children, const std::vector<int>& keys) {
  std::vector<std::size_t> order(children.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });
  std::vector<Child> sorted;
  sorted.reserve(children.size());
  for (std::size_t i : order) sorted.push_back(std::move(children[i]));
  return sorted;
}

template <typename Step>
struct DepthFirstResult {
  Verdict verdict = Verdict::Unknown;
  std::vector<Step> line;  // Winnable: the steps from the start
  std::int64_t positions = 0;
  bool cancelled = false;
};

// `game` answers Won(position), Hash(position) and Children(position): the
// steps from it with the positions they lead to, the most promising first.
template <typename Step, typename Position, typename Game>
DepthFirstResult<Step> SearchDepthFirst(const Position& start, const Game& game, const SolveOptions& options) {
  struct Frame {
    Position position;
    std::vector<std::pair<Step, Position>> children;
    std::size_t next = 0;
  };
  DepthFirstResult<Step> result;
  std::unordered_set<std::uint64_t> seen{game.Hash(start)};
  std::vector<Frame> stack;
  stack.push_back({start, game.Children(start), 0});
  result.positions = 1;
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (game.Won(frame.position)) {
      for (std::size_t i = 0; i + 1 < stack.size(); ++i)
        result.line.push_back(stack[i].children[stack[i].next - 1].first);
      result.verdict = Verdict::Winnable;
      return result;
    }
    if (frame.next >= frame.children.size()) {
      stack.pop_back();
      continue;
    }
    const Position& next = frame.children[frame.next++].second;
    if (!seen.insert(game.Hash(next)).second) continue;
    if (options.cancel && options.cancel->load(std::memory_order_relaxed)) {
      result.cancelled = true;
      return result;
    }
    if (result.positions >= options.maxPositions || seen.size() * 48 > options.maxMemoryBytes) return result;
    if (++result.positions % 1000 == 0 && options.progress) options.progress(result.positions);
    Position copy = next;
    auto children = game.Children(copy);
    stack.push_back({std::move(copy), std::move(children), 0});
  }
  result.verdict = Verdict::CannotBeWon;
  return result;
}

}  // namespace cardoria::solver
