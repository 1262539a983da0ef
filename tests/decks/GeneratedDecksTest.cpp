#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "decks/JpegDecoder.h"

namespace {

struct BundledDeck {
    const char* name;
    int cards;
};

void PrintTo(const BundledDeck& deck, std::ostream* out) { *out << deck.name; }

// The decks the build draws into the program directory.
class GeneratedDecksTest : public ::testing::TestWithParam<BundledDeck> {
protected:
    QString folder() const { return QString(LUMENFOLD_APPDIR) + "/Pics/" + GetParam().name; }
};

TEST_P(GeneratedDecksTest, HoldsEveryFaceLargeEnoughToEnlarge) {
    const QDir dir(folder());
    ASSERT_TRUE(dir.exists()) << folder().toStdString();
    EXPECT_EQ(int(dir.entryList({"*.jpg"}, QDir::Files).size()), GetParam().cards);
    // A 78-card deck has no "78.jpg": its presence alone makes a deck a 79-card one.
    EXPECT_EQ(QFile::exists(dir.filePath("78.jpg")), GetParam().cards == 79);
    for (int card = 0; card < GetParam().cards; ++card) {
        const QImage face = DecodeJpeg(dir.filePath(QString::number(card) + ".jpg"));
        ASSERT_FALSE(face.isNull()) << "card " << card;
        EXPECT_GE(face.width(), 300) << "card " << card;
        EXPECT_GE(face.height(), 510) << "card " << card;
    }
}

TEST_P(GeneratedDecksTest, EveryFaceLooksDifferentAtTableSize) {
    // Faces at the size of a table card; any two must differ visibly, so pips, figures and
    // centrepieces are told apart on the table.
    QList<QImage> faces;
    for (int card = 0; card < GetParam().cards; ++card)
        faces.append(
            DecodeJpeg(QDir(folder()).filePath(QString::number(card) + ".jpg"), QSize(87, 148)));
    for (int a = 0; a < faces.size(); ++a) {
        ASSERT_FALSE(faces[a].isNull()) << "card " << a;
        for (int b = a + 1; b < faces.size(); ++b) {
            int differing = 0;  // pixels that differ clearly in some channel
            for (int y = 0; y < 148; ++y) {
                const auto* pa = reinterpret_cast<const QRgb*>(faces[a].constScanLine(y));
                const auto* pb = reinterpret_cast<const QRgb*>(faces[b].constScanLine(y));
                for (int x = 0; x < 87; ++x)
                    if (std::abs(qRed(pa[x]) - qRed(pb[x])) +
                            std::abs(qGreen(pa[x]) - qGreen(pb[x])) +
                            std::abs(qBlue(pa[x]) - qBlue(pb[x])) >
                        60)
                        ++differing;
            }
            EXPECT_GT(differing, 150) << "cards " << a << " and " << b;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bundled, GeneratedDecksTest,
                         ::testing::Values(BundledDeck{"Ardentine", 78},
                                           BundledDeck{"Velmar Dav Izove", 79}),
                         [](const auto& row) {
                             return std::string(row.param.cards == 78 ? "Ardentine" : "Velmar");
                         });

}  // namespace
