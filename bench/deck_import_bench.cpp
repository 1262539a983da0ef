// Importing a reader's own deck: 78 PNG photos of 1600 x 2800 pixels read, scaled down to
// 800 x 1400 and written as JPEG cards on the worker threads.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>

#include <optional>

#include "GrainyCardFace.h"
#include "decks/DeckImport.h"

namespace {

// The folder of 78 large PNG pictures, written once per run.
const QString& SourceFolder() {
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QImage face = GrainyCardFace(QSize(1600, 2800));
        for (int card = 0; card < 78; ++card)
            face.save(dir.filePath(QStringLiteral("IMG_%1.png").arg(3000 + card)));
        return dir.path();
    }();
    return folder;
}

void BM_ImportDeck(benchmark::State& state) {
    const QString source = SourceFolder();
    const QStringList pictures = DeckPictureFiles(source);
    QTemporaryDir target;
    int run = 0;
    for (auto _ : state) {
        DeckImporter importer({source, pictures, ProposeCardOrder(pictures),
                               target.filePath(QString::number(run++))});
        std::optional<DeckImporter::Outcome> outcome;
        QEventLoop loop;
        QObject::connect(&importer, &DeckImporter::Finished, &loop,
                         [&](DeckImporter::Outcome result) {
                             outcome = result;
                             loop.quit();
                         });
        importer.Start();
        if (!outcome) loop.exec();
        if (outcome != DeckImporter::Outcome::Imported) state.SkipWithError("the import failed");
    }
}
BENCHMARK(BM_ImportDeck)->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();

}  // namespace
