// The PDF of a Celtic Cross with every print switch on: ten (and one significator) 800 x 1400
// card pictures decoded at print resolution, the spread picture with small cards, explanations
// of several sentences, laid out on A4 pages and written as PDF bytes.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "GrainyCardFace.h"
#include "decks/JpegWriter.h"
#include "export/PdfExport.h"
#include "export/PrintDocument.h"

namespace {

void BM_CelticCrossPdf(benchmark::State& state) {
    QTemporaryDir deck;
    // The bundled Celtic Cross's places.
    const QPoint places[] = {{8, 192},   {254, 192}, {321, 80},  {224, 380}, {124, 192}, {224, 4},
                             {452, 192}, {590, 380}, {690, 255}, {590, 130}, {690, 5}};
    ReadingSnapshot reading;
    reading.spreadName = "Celtic Cross";
    reading.comment = "A question about work and money.\r\nAsked on a rainy evening.";
    PrintLayout layout{{}, QSize(690 + 87, 380 + 148), QSize(87, 148)};
    CardTitleList titles;
    for (int i = 0; i < 11; ++i) {
        WriteJpeg(GrainyCardFace(QSize(800, 1400)), deck.filePath(QString("%1.jpg").arg(i)));
        ReadingSnapshot::Position position;
        position.card = i;
        position.reversed = i % 3 == 1;
        position.faceUp = true;
        position.significator = i == 0;
        position.text = QString("The meaning of place %1, as the spread gives it").arg(i);
        position.label = i == 0 ? "S" : QString::number(i);
        reading.positions.append(position);
        layout.positions.append(
            {places[i].x(), places[i].y(), i, position.reversed, position.label});
        titles[i] = QString("Card %1").arg(i);
    }
    const CardTextSource explanation = [](int card, bool) {
        return QString("Card %1 speaks of a change that has been coming for a while. ")
                   .arg(card)
                   .repeated(6) +
               "\r\nIt asks for patience and for a clear look at what is already there.";
    };
    const QString deckDir = deck.path();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const PrintDocument document =
            BuildPrintDocument(reading, layout, titles, {true, true, true}, false,
                               {"Celtic Cross (09/12/2026)", "reversed", "Comments"}, explanation,
                               [&](int card) { return DeckCardPicture(deckDir, card); });
        bytes = PdfBytes(document, QPageSize::A4).value_or(QByteArray()).size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

}  // namespace

BENCHMARK(BM_CelticCrossPdf)->Iterations(5)->Unit(benchmark::kMillisecond);
