// Bringing the journal's index up to date reads only what it must.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

#include "platform/WholeFile.h"
#include "readings/JournalIndex.h"
#include "readings/ReadingFile.h"
#include "spreads/SpreadFile.h"
#include "support/RowName.h"

namespace {

struct UpdateRow {
    const char* name;
    // What happens to the folder, or to the sources, between two updates.
    std::function<void(const QString& saved, JournalSources& sources)> change;
    int read;     // files read by the second update
    int entries;  // rows after it
};

class JournalIndexTest : public ::testing::TestWithParam<UpdateRow> {
protected:
    QTemporaryDir dir;
    JournalSources sources;

    void SetUp() override {
        QDir().mkpath(dir.filePath("Spreads"));
        WriteSpreadFile(dir.filePath("Spreads/Question.spread"), 2,
                        {{false, 0, 0, "Now"}, {false, 95, 0, "Then"}});
        sources.savedDir = dir.filePath("Saved");
        sources.userDir = sources.appDir = dir.path();
        sources.spreadCatalogue = {"Question"};
        sources.searchTitles = BuiltinCardTitles();
        for (const char* name : {"a.reading", "b.reading", "sub/c.reading"})
            Write(sources.savedDir + "/" + name, "note");
    }

    // Updates a fresh connection to the index; the number of files it read.
    int update() {
        JournalIndex index(dir.filePath("Cache/journal.sqlite"));
        int read = 0;
        EXPECT_TRUE(index.Open());
        EXPECT_TRUE(index.Update(sources, [&read](int done, int) { read = done; }));
        entries = static_cast<int>(index.Entries().size());
        return read;
    }
    int entries = 0;

public:
    static void Write(const QString& path, const QString& comment) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ReadingRecord reading{true, 78, "Question", {}, {3, 4}, comment};
        for (int card = 0; card < 78; ++card) reading.deck.append({card, false});
        ASSERT_TRUE(WriteWholeFile(path, EncodeReading(reading)));
    }
};

TEST_P(JournalIndexTest, SecondUpdateReadsOnlyWhatChanged) {
    ASSERT_EQ(update(), 3);
    GetParam().change(sources.savedDir, sources);
    EXPECT_EQ(update(), GetParam().read);
    EXPECT_EQ(entries, GetParam().entries);
}

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalIndexTest,
    ::testing::Values(
        UpdateRow{"Unchanged", [](const QString&, JournalSources&) {}, 0, 3},
        UpdateRow{"Added",
                  [](const QString& saved, JournalSources&) {
                      JournalIndexTest::Write(saved + "/sub/d.reading", "new");
                  },
                  1, 4},
        UpdateRow{"Resized",
                  [](const QString& saved, JournalSources&) {
                      JournalIndexTest::Write(saved + "/a.reading", "a longer note");
                  },
                  1, 3},
        UpdateRow{"Touched",
                  [](const QString& saved, JournalSources&) { Touch(saved + "/a.reading"); }, 1, 3},
        UpdateRow{
            "Deleted",
            [](const QString& saved, JournalSources&) { QFile::remove(saved + "/sub/c.reading"); },
            0, 2},
        // An unreadable file is tried at every update: its spread may come later.
        UpdateRow{"UnreadableReadAgain",
                  [](const QString& saved, JournalSources& sources) {
                      WriteWholeFile(saved + "/bad.reading", "damaged");
                      JournalIndex index(QFileInfo(saved).path() + "/Cache/journal.sqlite");
                      index.Open();
                      index.Update(sources, {});
                  },
                  1, 4},
        UpdateRow{"OtherTitlesReadEverything",
                  [](const QString&, JournalSources& sources) {
                      sources.searchTitles[0] = "Someone else";
                  },
                  3, 3}),
    RowName());

}  // namespace
