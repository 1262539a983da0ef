// Decoding an 800 x 1400 card picture (the size of a scanned deck) to the size it is shown:
// libjpeg's DCT scaling, decoding in full and then scaling, and Qt's own reader.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include <QImageReader>
#include <QTemporaryDir>

#include "decks/JpegDecoder.h"
#include "decks/JpegWriter.h"
#include "tools/deckgen/CardFace.h"

namespace {

// A detailed face (a court card) drawn at 800 x 1400 with the grain of a scanned print, so
// that it carries as much detail as a scanned deck, written once per run.
const QString& CardPicture() {
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage face = PaintCardFace(ArdentineStyle(), 46, QSize(800, 1400));
        std::minstd_rand grain(1);
        std::uniform_int_distribution<int> shift(-14, 14);
        for (int y = 0; y < face.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
            for (int x = 0; x < face.width(); ++x) {
                const int d = shift(grain);
                line[x] = qRgb(std::clamp(qRed(line[x]) + d, 0, 255),
                               std::clamp(qGreen(line[x]) + d, 0, 255),
                               std::clamp(qBlue(line[x]) + d, 0, 255));
            }
        }
        const QString file = dir.filePath("card.jpg");
        WriteJpeg(face, file);
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
