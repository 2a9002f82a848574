// The text forms everything runs on: how fast piles, the stores and the
// preferences file are read and changed.

#include <benchmark/benchmark.h>

#include "core/CardTable.h"
#include "core/Cards.h"
#include "core/GameRules.h"
#include "core/Piles.h"
#include "core/TextStore.h"
#include "platform/IniProfile.h"

namespace cardoria {
namespace {

void BM_LocateEveryCard(benchmark::State& state) {
  PileGroups piles;
  GameRules rules;
  rules.Set(GameRules::kTableauCount, 10);
  rules.Set(GameRules::kReserveCount, 4);
  for (int card = 1; card <= 104; ++card) piles.Pile(PileGroup::Tableau, card % 10) += CardCode(card);
  for (auto _ : state) {
    int sum = 0;
    for (int card = 1; card <= 104; ++card) sum += LocateCard(piles, rules, card);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_LocateEveryCard);

void BM_TakeAndAppend(benchmark::State& state) {
  PileGroups piles;
  CardTable table;
  for (auto _ : state) {
    for (int card = 1; card <= 52; ++card) AppendCard(piles, table, PileGroup::Tableau, card % 8, card, '1');
    for (int card = 1; card <= 52; ++card) TakeCard(piles, PileGroup::Tableau, card % 8, card, kTakeRemove);
  }
}
BENCHMARK(BM_TakeAndAppend);

void BM_TextStoreRoundTrip(benchmark::State& state) {
  TextStore store;
  for (auto _ : state) {
    store.Set(153, 15, "0000000012345");
    benchmark::DoNotOptimize(store.Get(153, 15));
  }
}
BENCHMARK(BM_TextStoreRoundTrip);

void BM_ParsePreferences(benchmark::State& state) {
  std::string text = "[Preference]\n";
  for (int i = 0; i < state.range(0); ++i) text += "Key_" + std::to_string(i) + "=Y\n";
  text += "Game=12\n";
  for (auto _ : state) {
    IniDocument doc(text);
    std::string value;
    benchmark::DoNotOptimize(doc.Find("preference", "game", value));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParsePreferences)->Arg(100)->Arg(100000);

}  // namespace
}  // namespace cardoria
