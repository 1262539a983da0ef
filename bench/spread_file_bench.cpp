// Writing and reading a full 79-position spread file in memory.
#include <benchmark/benchmark.h>

#include "spreads/SpreadFile.h"

namespace {

QList<SpreadLine> FullSpread() {
    QList<SpreadLine> lines;
    for (int i = 0; i < kMaxPositions; ++i)
        lines.append(
            {i == 0, 100 + i * 10, 20 + i, "Position meaning, with a comma " + QString::number(i)});
    return lines;
}

void BM_EncodeSpread(benchmark::State& state) {
    const QList<SpreadLine> lines = FullSpread();
    for (auto _ : state) benchmark::DoNotOptimize(EncodeSpread(kMaxPositions, lines));
}
BENCHMARK(BM_EncodeSpread);

void BM_DecodeSpread(benchmark::State& state) {
    const QByteArray bytes = EncodeSpread(kMaxPositions, FullSpread());
    for (auto _ : state) benchmark::DoNotOptimize(DecodeSpread(bytes));
}
BENCHMARK(BM_DecodeSpread);

}  // namespace
