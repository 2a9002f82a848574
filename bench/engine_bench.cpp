// The engine's share of a move: executing moves, autoplay, hit tests, drop
// candidates, the undo history and the layout.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "BenchGame.h"
#include "core/Cards.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "persist/UndoLog.h"
#include "platform/HeadlessPorts.h"
#include "table/HeadlessTable.h"

namespace cardoria {
namespace {

using bench::Game;

void BM_ExecuteTableauMove(benchmark::State& state) {
  Game game(1);
  Session& s = game.session;
  s.drag.dragHeight = s.layout.cardHeight;
  for (auto _ : state) {
    const int card = TopCard(s.piles.Pile(PileGroup::Tableau, 0));
    game.engine.ExecuteMove(card, "Fila2");
    game.engine.ExecuteMove(card, "Fila1");
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ExecuteTableauMove);

void BM_ExecuteFoundationMove(benchmark::State& state) {
  Game game(2, "1");
  Session& s = game.session;
  s.drag.dragHeight = s.layout.cardHeight;
  for (auto _ : state) {
    game.engine.ExecuteMove(1, "Dest1");
    game.engine.ExecuteMove(1, "Fila7");
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ExecuteFoundationMove);

void BM_AutoplayNearlyWonFreecell(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Game game(1);
    Session& s = game.session;
    // Everything sorted into four columns, one suit each, Kings at the bottom.
    for (auto& pile : s.piles.Items(PileGroup::Tableau)) pile.clear();
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = 13; rank >= 1; --rank) s.piles.Pile(PileGroup::Tableau, suit) += CardCode(13 * suit + rank);
    s.autoplayChecked = true;
    state.ResumeTiming();
    game.engine.RunAutoplay();
  }
}
BENCHMARK(BM_AutoplayNearlyWonFreecell);

void BM_HitTest(benchmark::State& state) {
  Game game(2, "1");
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(game.engine.HitTest(x % 1000, 200 + x % 300));
    ++x;
  }
}
BENCHMARK(BM_HitTest);

void BM_DropCandidates(benchmark::State& state) {
  Game game(1);
  const Rect drag = CardRect(300, 150, 71, 96);
  for (auto _ : state) benchmark::DoNotOptimize(game.engine.DropCandidates(drag));
}
BENCHMARK(BM_DropCandidates);

void BM_PushStepWithLongHistory(benchmark::State& state) {
  Game game(2, "1");
  for (int k = 0; k < 500; ++k) PushStep(game.session, Direction::Undo);
  for (auto _ : state) {
    PushStep(game.session, Direction::Undo);
    FoldSteps(game.session, 1);
  }
}
BENCHMARK(BM_PushStepWithLongHistory);

void BM_UndoRedoWithLongHistory(benchmark::State& state) {
  Game game(2, "1");
  for (int k = 0; k < 500; ++k) PushStep(game.session, Direction::Undo);
  for (auto _ : state) {
    UndoRedo(game.session, Direction::Undo, true, nullptr);
    UndoRedo(game.session, Direction::Redo, true, nullptr);
  }
}
BENCHMARK(BM_UndoRedoWithLongHistory);

void BM_ComputeLayout(benchmark::State& state) {
  Game game(1);
  for (auto _ : state) game.table.LayOutTable();
}
BENCHMARK(BM_ComputeLayout);

}  // namespace
}  // namespace cardoria
