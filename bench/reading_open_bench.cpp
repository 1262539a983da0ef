// Opening a saved reading: a 79-card reading of a 79-position spread, from the file to a
// painted table with every card face up, on faces of a scanned deck's size (800 x 1400) and
// of the bundled decks' size (330 x 561). Decoding the 79 faces is nearly all of the time.
// Mode "cold" (1) gives every picture file a new modification time before each open, so that no
// face decoded before is used, in memory or on disk; "warm" (0) opens the same reading again in
// the same window; "disk" (2) opens it in a new window, as a new run of the program would, with
// the faces kept in the cache folder by the run before.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include "GrainyCardFace.h"
#include "app/TableFrm.h"
#include "decks/JpegWriter.h"
#include "fakes/FakePlatform.h"
#include "platform/WholeFile.h"
#include "readings/ReadingFile.h"
#include "readings/SavedReadings.h"
#include "spreads/SpreadFile.h"

namespace {

QString FacePath(const QString& appDir, int card) {
    return appDir + "/Pics/Deck79/" + QString::number(card) + ".jpg";
}

// A program folder with a 79-card deck of faces of the given size, a 79-position spread and
// a reading of it.
void WriteProgramFolder(const QString& appDir, QSize faceSize) {
    QDir().mkpath(appDir + "/Pics/Deck79");
    QDir().mkpath(appDir + "/Spreads");
    QDir().mkpath(appDir + "/Saved");
    WriteJpeg(GrainyCardFace(faceSize), FacePath(appDir, 0));
    for (int card = 1; card < 79; ++card) QFile::copy(FacePath(appDir, 0), FacePath(appDir, card));

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
    auto form = std::make_unique<TForm1>(fake.platform, dir.path() + "/tarot");
    form->show();
    const QString reading = dir.path() + "/Saved/all.reading";
    const auto open = [&] {
        auto* readings = form->findChild<SavedReadings*>("SavedReadings");
        if (!readings->OpenReading(reading)) state.SkipWithError("the reading did not open");
        form->repaint();
    };
    const int mode = int(state.range(2));
    if (mode == 2) open();
    QDateTime stamp = QDateTime::currentDateTime();
    for (auto _ : state) {
        if (mode == 1) {
            state.PauseTiming();
            stamp = stamp.addSecs(1);
            for (int card = 0; card < 79; ++card) {
                QFile face(FacePath(dir.path(), card));
                if (!face.open(QIODevice::ReadWrite) ||
                    !face.setFileTime(stamp, QFileDevice::FileModificationTime))
                    state.SkipWithError("could not touch a face");
            }
            state.ResumeTiming();
        } else if (mode == 2) {
            state.PauseTiming();
            form.reset();  // writes what the last run stored
            form = std::make_unique<TForm1>(fake.platform, dir.path() + "/tarot");
            form->show();
            state.ResumeTiming();
        }
        open();
    }
}
BENCHMARK(BM_OpenReading79)
    ->ArgNames({"width", "height", "mode"})
    ->Args({800, 1400, 1})
    ->Args({330, 561, 1})
    ->Args({800, 1400, 0})
    ->Args({330, 561, 0})
    ->Args({800, 1400, 2})
    ->Args({330, 561, 2})
    // Faces decode on several threads: the time is the wall clock's, the CPU time all threads'.
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
