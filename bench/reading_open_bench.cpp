// Opening a saved reading: a 79-card reading of a 79-position spread, from the file to a
// painted table with every card face up, on faces of a scanned deck's size (800 x 1400) and
// of the bundled decks' size (330 x 561). Decoding the 79 faces is nearly all of the time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/TableFrm.h"
#include "decks/JpegWriter.h"
#include "fakes/FakePlatform.h"
#include "platform/WholeFile.h"
#include "readings/ReadingFile.h"
#include "readings/SavedReadings.h"
#include "spreads/SpreadFile.h"
#include "tools/deckgen/CardFace.h"

namespace {

// A program folder with a 79-card deck of faces of the given size, a 79-position spread and
// a reading of it.
void WriteProgramFolder(const QString& appDir, QSize faceSize) {
    QDir().mkpath(appDir + "/Pics/Deck79");
    QDir().mkpath(appDir + "/Spreads");
    QDir().mkpath(appDir + "/Saved");
    QImage face = PaintCardFace(ArdentineStyle(), 46, faceSize);
    std::minstd_rand grain(1);
    std::uniform_int_distribution<int> shift(-14, 14);
    for (int y = 0; y < face.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            const int d = shift(grain);
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + d, 0, 255), std::clamp(qGreen(line[x]) + d, 0, 255),
                     std::clamp(qBlue(line[x]) + d, 0, 255));
        }
    }
    const QString first = appDir + "/Pics/Deck79/0.jpg";
    WriteJpeg(face, first);
    for (int card = 1; card < 79; ++card)
        QFile::copy(first, appDir + "/Pics/Deck79/" + QString::number(card) + ".jpg");

    QList<SpreadLine> positions;
    for (int i = 0; i < 79; ++i)
        positions.append({false, (i % 9) * 95, (i / 9) * 155, "Position " + QString::number(i)});
    WriteSpreadFile(appDir + "/Spreads/All.spread", 79, positions);
    ReadingRecord reading{true, 79, "All", {}, {}, "A comment\nof two lines"};
    for (int i = 0; i < 79; ++i) {
        reading.deck.append({78 - i, i % 2 == 0});
        reading.positions.append(i);
    }
    WriteWholeFile(appDir + "/Saved/all.reading", EncodeReading(reading));
}

void BM_OpenReading79(benchmark::State& state) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        state.SkipWithError("widgets need a QApplication");
        return;
    }
    QTemporaryDir dir;
    WriteProgramFolder(dir.path(), QSize(int(state.range(0)), int(state.range(1))));
    FakePlatform fake;
    fake.settingsKey->values["DeckName"] = "Deck79";
    TForm1 form(fake.platform, dir.path() + "/tarot");
    form.show();
    auto* readings = form.findChild<SavedReadings*>("SavedReadings");
    for (auto _ : state) {
        if (!readings->OpenReading(dir.path() + "/Saved/all.reading"))
            state.SkipWithError("the reading did not open");
        form.repaint();
    }
}
BENCHMARK(BM_OpenReading79)->Args({800, 1400})->Args({330, 561})->Unit(benchmark::kMillisecond);

}  // namespace
