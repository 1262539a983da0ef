// Decoding an 800 x 1400 card picture (the size of a scanned deck) to the size it is shown:
// libjpeg's DCT scaling, decoding in full and then scaling, and Qt's own reader.
#include <benchmark/benchmark.h>

#include <QImageReader>
#include <QTemporaryDir>

#include "GrainyCardFace.h"
#include "decks/JpegDecoder.h"
#include "decks/JpegWriter.h"

namespace {

// A grainy 800 x 1400 face, written once per run.
const QString& CardPicture() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("card.jpg");
        WriteJpeg(GrainyCardFace(QSize(800, 1400)), file);
        return file;
    }();
    return path;
}

// The sizes a face is shown at: a table card and the default enlarged picture.
QSize Target(const benchmark::State& state) { return {int(state.range(0)), int(state.range(1))}; }

void BM_DecodeWithDctScaling(benchmark::State& state) {
    const QString& path = CardPicture();
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(path, Target(state)));
}
BENCHMARK(BM_DecodeWithDctScaling)
    ->Args({87, 148})
    ->Args({200, 290})
    ->Unit(benchmark::kMillisecond);

void BM_DecodeFullThenScale(benchmark::State& state) {
    const QString& path = CardPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeJpeg(path).scaled(Target(state), Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation));
}
BENCHMARK(BM_DecodeFullThenScale)->Args({87, 148})->Args({200, 290})->Unit(benchmark::kMillisecond);

void BM_QImageReaderScaled(benchmark::State& state) {
    const QString& path = CardPicture();
    for (auto _ : state) {
        QImageReader reader(path);
        reader.setScaledSize(Target(state));
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(BM_QImageReaderScaled)->Args({87, 148})->Args({200, 290})->Unit(benchmark::kMillisecond);

}  // namespace
