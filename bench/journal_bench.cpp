// The reading journal's index over 10,000 reading files in ten folders: the first indexing
// (every file read, the index made), opening again with the index up to date (the rows read
// for the window; every file's size and time compared, off the GUI thread), and a search by a
// word with a card filter.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "platform/WholeFile.h"
#include "readings/JournalIndex.h"
#include "readings/JournalModel.h"
#include "readings/ReadingFile.h"
#include "spreads/SpreadFile.h"

namespace {

constexpr int kReadings = 10000;

// A program folder with three spreads and kReadings readings of them, made once.
struct JournalFolder {
    QTemporaryDir dir;
    JournalSources sources;

    JournalFolder() {
        const QString root = dir.path();
        QDir().mkpath(root + "/Spreads");
        const QList<std::pair<QString, int>> spreads = {
            {"Question", 2}, {"Horseshoe", 7}, {"Celtic Cross", 10}};
        for (const auto& [name, count] : spreads) {
            QList<SpreadLine> lines;
            for (int i = 0; i < count; ++i) lines.append({false, i * 95, 0, "Meaning"});
            WriteSpreadFile(root + "/Spreads/" + name + ".spread", count, lines);
        }
        const QStringList words = {"love",   "work", "journey",  "money",  "health",
                                   "family", "move", "question", "friend", "choice"};
        QRandomGenerator random(7);
        for (int i = 0; i < kReadings; ++i) {
            const auto& [spread, count] = spreads[i % spreads.size()];
            ReadingRecord reading{true, 78, spread, {}, {}, {}};
            for (int card = 0; card < 78; ++card)
                reading.deck.append({card, random.bounded(2) == 1});
            for (int k = 0; k < count; ++k) reading.positions.append((i * 7 + k * 11) % 78);
            for (int w = 0; w < 12; ++w) reading.comment += words[random.bounded(10)] + ' ';
            const QString folder = root + "/Saved/" + QString::number(i % 10);
            QDir().mkpath(folder);
            WriteWholeFile(folder + "/" + QString::number(i) + ".reading", EncodeReading(reading));
        }
        sources.savedDir = root + "/Saved";
        sources.userDir = sources.appDir = root;
        sources.spreadCatalogue = {"Question", "Horseshoe", "Celtic Cross"};
        for (int card = 0; card < kCardCount; ++card)
            sources.searchTitles[card] = BuiltinCardTitles()[card] + " Карта";
    }
    QString database() const { return dir.path() + "/Cache/journal.sqlite"; }
};

JournalFolder& Folder() {
    static JournalFolder folder;
    return folder;
}

void BM_JournalFirstIndexing(benchmark::State& state) {
    JournalFolder& folder = Folder();
    for (auto _ : state) {
        state.PauseTiming();
        for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(folder.database() + suffix);
        state.ResumeTiming();
        JournalIndex index(folder.database());
        if (!index.Open() || !index.Update(folder.sources, {}) ||
            index.Entries().size() != kReadings)
            state.SkipWithError("the index was not made");
    }
}
BENCHMARK(BM_JournalFirstIndexing)->Unit(benchmark::kMillisecond)->Iterations(3);

// Makes the index up to date once.
void Index(const JournalFolder& folder) {
    JournalIndex index(folder.database());
    index.Open();
    index.Update(folder.sources, {});
}

// Opening again: the rows the index holds are shown at once...
void BM_JournalOpenShowsRows(benchmark::State& state) {
    JournalFolder& folder = Folder();
    Index(folder);
    for (auto _ : state) {
        JournalIndex index(folder.database());
        if (!index.Open() || index.Entries().size() != kReadings)
            state.SkipWithError("the index was not read");
    }
}
BENCHMARK(BM_JournalOpenShowsRows)->Unit(benchmark::kMillisecond);

// ... while off the GUI thread every file's size and time is compared with the index.
void BM_JournalOpenChecksFiles(benchmark::State& state) {
    JournalFolder& folder = Folder();
    Index(folder);
    for (auto _ : state) {
        JournalIndex index(folder.database());
        if (!index.Open() || !index.Update(folder.sources, {}))
            state.SkipWithError("the index was not checked");
    }
}
BENCHMARK(BM_JournalOpenChecksFiles)->Unit(benchmark::kMillisecond);

void BM_JournalSearch(benchmark::State& state) {
    JournalFolder& folder = Folder();
    Index(folder);
    JournalIndex index(folder.database());
    index.Open();
    const QList<JournalEntry> entries = index.Entries();
    JournalFilter filter;
    filter.card = 11;
    for (auto _ : state) {
        const QSet<qint64> matching = index.Matching("journ");
        int shown = 0;
        for (const JournalEntry& entry : entries)
            shown += matching.contains(entry.id) && filter.Passes(entry);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_JournalSearch)->Unit(benchmark::kMillisecond);

}  // namespace
