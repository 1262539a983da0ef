// One shuffle frame of a full deck: (K + 1)^2 swaps, with and without reversed draws.
#include <benchmark/benchmark.h>

#include "platform/Random.h"
#include "table/Shuffle.h"

namespace {

void BM_ShuffleFrame(benchmark::State& state) {
    const bool useReverse = state.range(0) != 0;
    const int k = ShuffleStrength(useReverse);
    DeckSlots deck{};
    for (int i = 0; i < 78; ++i) deck[i].Number = i;
    Random::Seed(1);
    for (auto _ : state) {
        ShuffleFrame(deck, 78, k, useReverse);
        benchmark::DoNotOptimize(deck);
    }
    // Items are swaps, so the report shows the time per swap.
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(k + 1) * (k + 1));
}
BENCHMARK(BM_ShuffleFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
