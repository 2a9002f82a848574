// The solver on fixed deals: a whole search from the deal to a verdict, and
// the positions it goes through per second.

#include <benchmark/benchmark.h>

#include "BenchGame.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "platform/HeadlessPorts.h"
#include "solver/Solver.h"
#include "table/HeadlessTable.h"

namespace cardoria {
namespace {

using bench::Game;

// Arguments: game, deal (as the last digits of a 13-digit number), budget in
// positions.
void BM_Solve(benchmark::State& state) {
  char deal[16];
  std::snprintf(deal, sizeof deal, "%013lld", static_cast<long long>(state.range(1)));
  Game game(static_cast<int>(state.range(0)), deal);
  solver::SolveOptions options;
  options.maxPositions = state.range(2);
  std::int64_t positions = 0;
  for (auto _ : state) {
    const solver::Result result = solver::Solve(game.session, options);
    if (result.verdict != solver::Verdict::Winnable) state.SkipWithError("no win within the budget");
    positions += result.positions;
    benchmark::DoNotOptimize(result.moves.data());
  }
  state.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Solve)
    ->ArgNames({"game", "deal", "budget"})
    ->Args({1, 1, 20000})
    ->Args({1, 3, 20000})
    ->Args({1, 5, 20000})
    ->Args({2, 6, 20000})
    ->Args({2, 9, 20000})
    ->Args({18, 2026121100002, 200000})  // Spiderette
    ->Args({4, 2026121100195, 100000})   // Spider, four suits
    ->Args({28, 1234567890123, 20000})   // Monte Carlo, by the search of the real table
    ->Args({91, 2026121100005, 20000})   // Accordion, the row of stacks
    ->Args({26, 3350060682804, 200000})  // Golf, one discard pile
    ->Args({88, 234435102048, 20000})    // Salic Law, the real table and a line cut short
    ->Args({10, 693716533440, 20000})    // Scorpion, a stock for three columns
    ->Args({56, 7301649516525, 20000})   // Chain Crossing, chains through the engine
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cardoria
