// Faces kept while their deck is in use: used again only while the picture file is unchanged.
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "decks/CardFace.h"
#include "decks/JpegWriter.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"
#include "table/FaceCache.h"

namespace {

const QSize kShown(20, 30);

// What happens to card 5's picture between the first and the second look.
enum class Change { None, SameStampOtherBytes, Rewritten, Removed, Repaired };
// What the second look shows.
enum class Shown { FirstFace, NewFace, Nothing };

struct CacheCase {
    const char* name;
    bool prefetched;  // the first look is a prefetch of the whole reading
    Change change;
    Shown shown;
};

class FaceCacheTest : public ::testing::TestWithParam<CacheCase> {};

QImage Picture(Qt::GlobalColor colour) {
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

TEST_P(FaceCacheTest, AKeptFaceServesWhileItsFileIsUnchanged) {
    const CacheCase& c = GetParam();
    TestAppDir app;
    const QString deck = app.path() + "/Pics/Deck";
    QDir().mkpath(deck);
    const QString path = CardFacePath(deck, 5);
    if (c.change == Change::Repaired)
        app.write("Pics/Deck/5.jpg", "not a picture");
    else
        ASSERT_TRUE(WriteJpeg(Picture(Qt::red), path));
    const QDateTime modified = QFileInfo(path).lastModified();

    FaceCache cache;
    QImage first;
    if (c.prefetched)
        cache.Prefetch(deck, {5, 7, 5}, kShown);  // card 7 has no picture
    else
        first = cache.Face(deck, 5, kShown, false);
    EXPECT_TRUE(cache.Face(deck, 7, kShown, false).isNull());

    QFile file(path);
    switch (c.change) {
        case Change::None:
            break;
        case Change::SameStampOtherBytes: {
            // A file changed behind the same length and time is taken for the same picture.
            const qint64 length = file.size();
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(length, 'x'));
            file.flush();
            file.setFileTime(modified, QFileDevice::FileModificationTime);
            file.close();
            break;
        }
        case Change::Rewritten:
            ASSERT_TRUE(WriteJpeg(Picture(Qt::blue), path, 50));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(modified.addSecs(2), QFileDevice::FileModificationTime);
            file.close();
            break;
        case Change::Removed:
            ASSERT_TRUE(file.remove());
            break;
        case Change::Repaired:
            ASSERT_TRUE(WriteJpeg(Picture(Qt::green), path));
            break;
    }

    const QImage second = cache.Face(deck, 5, kShown, false);
    switch (c.shown) {
        case Shown::FirstFace:
            ASSERT_FALSE(second.isNull());
            EXPECT_GT(second.pixelColor(10, 15).red(), 200);
            if (!c.prefetched) {
                EXPECT_EQ(second.cacheKey(), first.cacheKey());
            }
            break;
        case Shown::NewFace:
            ASSERT_FALSE(second.isNull());
            EXPECT_LT(second.pixelColor(10, 15).red(), 60);
            break;
        case Shown::Nothing:
            EXPECT_TRUE(second.isNull());
            break;
    }
    // A reversed card shows the same face turned over.
    EXPECT_EQ(cache.Face(deck, 5, kShown, true), TurnedOver(second));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FaceCacheTest,
    ::testing::Values(CacheCase{"Unchanged", false, Change::None, Shown::FirstFace},
                      CacheCase{"PrefetchedUnchanged", true, Change::None, Shown::FirstFace},
                      CacheCase{"SameStamp", false, Change::SameStampOtherBytes, Shown::FirstFace},
                      CacheCase{"PrefetchedSameStamp", true, Change::SameStampOtherBytes,
                                Shown::FirstFace},
                      CacheCase{"Rewritten", false, Change::Rewritten, Shown::NewFace},
                      CacheCase{"Removed", true, Change::Removed, Shown::Nothing},
                      CacheCase{"Repaired", false, Change::Repaired, Shown::NewFace},
                      CacheCase{"PrefetchedRepaired", true, Change::Repaired, Shown::NewFace}),
    RowName());

}  // namespace
