// Faces kept on disk across runs: found only for the same picture and size, rebuilt when damaged,
// and within the folder's bound.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "decks/CardFace.h"
#include "decks/JpegWriter.h"
#include "platform/ProgramPlaces.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"
#include "table/FaceCache.h"
#include "table/FaceDiskCache.h"

namespace {

const QSize kShown(20, 30);
const QDateTime kTaken(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

QImage Face(Qt::GlobalColor colour) {
    QImage face(kShown, QImage::Format_RGB32);
    face.fill(colour);
    return face;
}

QFileInfoList Entries(const QString& folder) {
    return QDir(folder).entryInfoList({"*.face"}, QDir::Files, QDir::Time | QDir::Reversed);
}

// What happens between storing the face of a picture and looking it up again.
enum class Then { Nothing, PictureChanged, OtherSize, EntryTruncated, EntryFlipped, FolderIsFile };

struct DiskCase {
    const char* name;
    Then then;
    bool found;
};

class FaceDiskCacheTest : public ::testing::TestWithParam<DiskCase> {};

TEST_P(FaceDiskCacheTest, AFaceIsFoundOnlyWhileItsPictureAndEntryAreWhole) {
    const DiskCase& c = GetParam();
    TestAppDir app;
    const QString folder = app.path() + "/Cache/Faces";
    if (c.then == Then::FolderIsFile) app.write("Cache/Faces", "a file where the folder goes");
    FaceDiskCache::Picture picture{app.path() + "/Pics/Deck/5.jpg", 1234, kTaken};
    {
        FaceDiskCache cache(folder);
        cache.Store(picture, Face(Qt::red));
    }
    QSize size = kShown;
    const QFileInfoList entries = Entries(folder);
    QFile entry(entries.isEmpty() ? QString() : entries.first().filePath());
    switch (c.then) {
        case Then::Nothing:
        case Then::FolderIsFile:
            break;
        case Then::PictureChanged:
            picture.modified = kTaken.addSecs(1);
            break;
        case Then::OtherSize:
            size = QSize(30, 20);
            break;
        case Then::EntryTruncated:
            ASSERT_TRUE(entry.resize(entry.size() - 7));
            break;
        case Then::EntryFlipped: {
            ASSERT_TRUE(entry.open(QIODevice::ReadWrite));
            ASSERT_TRUE(entry.seek(entry.size() - 100));
            entry.write("\x55");
            entry.close();
            break;
        }
    }
    FaceDiskCache cache(folder);
    const QImage found = cache.Load(picture, size);
    EXPECT_EQ(found, c.found ? Face(Qt::red) : QImage());
    // A face decoded anew replaces the entry; where nothing can be written, nothing is found.
    const QImage decoded = Face(Qt::blue).scaled(size);
    cache.Store(picture, decoded);
    cache.Flush();
    EXPECT_EQ(cache.Load(picture, size), c.then == Then::FolderIsFile ? QImage() : decoded);
}

INSTANTIATE_TEST_SUITE_P(Rows, FaceDiskCacheTest,
                         ::testing::Values(DiskCase{"Unchanged", Then::Nothing, true},
                                           DiskCase{"PictureChanged", Then::PictureChanged, false},
                                           DiskCase{"OtherSize", Then::OtherSize, false},
                                           DiskCase{"EntryTruncated", Then::EntryTruncated, false},
                                           DiskCase{"EntryFlipped", Then::EntryFlipped, false},
                                           DiskCase{"FolderIsFile", Then::FolderIsFile, false}),
                         RowName());

TEST(FaceDiskCacheBound, TheOldestEntriesGoFirst) {
    TestAppDir app;
    const QString folder = app.path() + "/Faces";
    qint64 entryBytes = 0;
    {
        FaceDiskCache measure(folder);
        measure.Store({"/measure.jpg", 1, kTaken}, Face(Qt::red));
    }
    entryBytes = Entries(folder).first().size();
    QFile::remove(Entries(folder).first().filePath());

    FaceDiskCache cache(folder, entryBytes * 5 / 2);
    for (int card = 0; card < 4; ++card) {
        cache.Store({QString("/%1.jpg").arg(card), 1, kTaken}, Face(Qt::red));
        cache.Flush();
        // Each entry written before this one grows an hour older.
        for (const QFileInfo& entry : Entries(folder)) {
            QFile file(entry.filePath());
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(entry.lastModified().addSecs(-3600),
                             QFileDevice::FileModificationTime);
        }
    }
    EXPECT_EQ(Entries(folder).size(), 2);
    for (int card = 0; card < 4; ++card)
        EXPECT_EQ(cache.Load({QString("/%1.jpg").arg(card), 1, kTaken}, kShown).isNull(), card < 2)
            << card;
}

// A new run finds the faces of the last one on disk: the picture file itself is not read again.
TEST(FaceDiskCacheRun, ANewRunShowsTheFacesOfTheLast) {
    TestAppDir app;
    const QString deck = app.path() + "/Pics/Deck";
    QDir().mkpath(deck);
    const QString path = CardFacePath(deck, 5);
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(WriteJpeg(picture, path));
    const ProgramPlaces places = ProgramPlaces::Portable(app.path());
    {
        FaceCache cache;
        cache.UseCacheOf(places);
        cache.Prefetch(deck, {5}, kShown);
        ASSERT_FALSE(cache.Face(deck, 5, kShown, false).isNull());
    }
    // Same length and time, other bytes: only the disk entry can still show red.
    QFile file(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    const qint64 length = file.size();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(length, 'x'));
    file.flush();
    file.setFileTime(modified, QFileDevice::FileModificationTime);
    file.close();
    FaceCache cache;
    cache.UseCacheOf(places);
    const QImage face = cache.Face(deck, 5, kShown, false);
    ASSERT_FALSE(face.isNull());
    EXPECT_GT(face.pixelColor(10, 15).red(), 200);
}

}  // namespace

// What the program draws itself (the card back) is drawn once: later runs read it back, until
// the drawing's version changes.
TEST(FaceDiskCacheRun, ADrawnPictureIsDrawnOnceForItsVersion) {
    TestAppDir app;
    const ProgramPlaces places = ProgramPlaces::Portable(app.path());
    int drawings = 0;
    const auto draw = [&drawings] {
        ++drawings;
        QImage drawn(kShown, QImage::Format_RGB32);
        drawn.fill(QColor(drawings * 40, 0, 0));
        return drawn;
    };
    QImage first;
    {
        FaceCache cache;
        cache.UseCacheOf(places);
        first = cache.Drawn("back", 1, kShown, draw);
    }
    struct Row {
        int version;
        int drawingsAfter;
    };
    for (const Row& row : {Row{1, 1}, Row{2, 2}, Row{1, 2}}) {
        FaceCache cache;
        cache.UseCacheOf(places);
        const QImage shown = cache.Drawn("back", row.version, kShown, draw);
        EXPECT_EQ(drawings, row.drawingsAfter) << row.version;
        EXPECT_EQ(shown == first, row.version == 1) << row.version;
    }
}
