// The reading table: building the position images of a full spread, painting the arc and the
// repaint a taken card needs, and showing a realistically large card face on a position.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>

#include "decks/CardFace.h"
#include "decks/JpegWriter.h"
#include "table/CardBacks.h"
#include "table/CardImage.h"
#include "table/TablePainting.h"
#include "table/TableWidget.h"

namespace {

// Widgets need the benchmark program's application to be a widget application.
bool WidgetsAvailable(benchmark::State& state) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
    state.SkipWithError("widgets need a QApplication");
    return false;
}

void BM_BuildPositionImages79(benchmark::State& state) {
    if (!WidgetsAvailable(state)) return;
    QWidget area;
    area.resize(1200, 900);
    for (auto _ : state) {
        for (int i = 0; i < 79; ++i)
            MakePositionImage(i, QRect((i % 12) * 95, (i / 12) * 155, 87, 148), QColor(17, 85, 17),
                              QString::number(i + 1), "A position's meaning " + QString::number(i),
                              true, &area);
        state.PauseTiming();
        qDeleteAll(area.findChildren<CardImage*>(Qt::FindDirectChildrenOnly));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildPositionImages79)->Unit(benchmark::kMicrosecond);

DeckSlots LaidOutDeck() {
    DeckSlots deck{};
    LayOutArc(deck, 79, true, 1024);
    return deck;
}

void BM_PaintArc79(benchmark::State& state) {
    const CardBacks backs;
    const DeckSlots deck = LaidOutDeck();
    QImage table(1024, 748, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&table);
        painter.fillRect(table.rect(), QColor(17, 85, 17));
        PaintArc(painter, deck, 79, backs.Small());
    }
}
BENCHMARK(BM_PaintArc79)->Unit(benchmark::kMicrosecond);

// The repaint after a card leaves the arc: its 58 x 98 rectangle only.
void BM_RepaintTakenCardArea(benchmark::State& state) {
    if (!WidgetsAvailable(state)) return;
    const CardBacks backs;
    const DeckSlots deck = LaidOutDeck();
    TableWidget table;
    table.resize(1024, 748);
    table.show();
    table.setPaintHandler(
        [&](QPainter& painter, const QRect&) { PaintArc(painter, deck, 79, backs.Small()); });
    table.clear(QColor(17, 85, 17));
    table.backing();  // as during a reading, once the deal has drawn on the table
    for (auto _ : state) table.repaintArea(CardRect(deck[40]));
}
BENCHMARK(BM_RepaintTakenCardArea)->Unit(benchmark::kMicrosecond);

void BM_DrawCardBacks(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(CardBacks().Small());
}
BENCHMARK(BM_DrawCardBacks)->Unit(benchmark::kMicrosecond);

// A scanned-size face (800 x 1400) decoded at the position's size and turned over.
void BM_LoadReversedFace(benchmark::State& state) {
    QTemporaryDir dir;
    QImage face(800, 1400, QImage::Format_RGB32);
    QPainter(&face).fillRect(0, 0, 800, 700, Qt::darkYellow);
    const QString path = dir.filePath("5.jpg");
    WriteJpeg(face, path, 90);
    for (auto _ : state) benchmark::DoNotOptimize(LoadCardFace(path, QSize(87, 148), true));
}
BENCHMARK(BM_LoadReversedFace)->Unit(benchmark::kMicrosecond);

}  // namespace
