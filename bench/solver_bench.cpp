// The solver on fixed deals: a whole search from the deal to a verdict, and
// the positions it goes through per second.

#include <benchmark/benchmark.h>

#include "core/Catalogue.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "platform/HeadlessPorts.h"
#include "solver/Solver.h"
#include "table/HeadlessTable.h"

namespace cardoria {
namespace {

// A dealt game of the installed catalogue, played without autoplay.
struct Game {
  Game(int number, const char* deal) {
    session.programDir = std::string(CARDORIA_BUILD_DIR) + "/";
    session.store.Set(pos::kScoreScheme, 2, "01");
    session.store.Set(pos::kCardSize, 1, "B");
    session.store.Set(pos::kUndoEnabled, 1, "0");
    LoadCatalogue(session, messages);
    session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
    session.store.Set(pos::kGameName, 50, GameNameOf(session, number));
    session.store.Set(pos::kDealNumber, 15, deal);
    StartGame(session, start, true, false, 1, false);
  }
  Session session;
  SilentMessages messages;
  FixedScreen screen;
  Random random{1};
  JumpClock clock;
  HeadlessTable table{session, TableGeometry{}};
  Engine engine{session, PlayPorts{messages, clock, table, table, table}};
  GameStartPorts start{messages, screen, random, clock, table, engine};
};

// Arguments: game, deal (as the last digits of a 13-digit number).
void BM_Solve(benchmark::State& state) {
  char deal[16];
  std::snprintf(deal, sizeof deal, "%013lld", static_cast<long long>(state.range(1)));
  Game game(static_cast<int>(state.range(0)), deal);
  solver::SolveOptions options;
  options.maxPositions = 20000;
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
    ->ArgNames({"game", "deal"})
    ->Args({1, 1})
    ->Args({1, 3})
    ->Args({1, 5})
    ->Args({2, 6})
    ->Args({2, 9})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cardoria
