#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include "decks/JpegWriter.h"
#include "export/PrintImages.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"
#include "table/ReadingModel.h"

namespace {

struct SizeRow {
    const char* name;
    QSize extent;
    bool schematic;
    QSize picture;
};

class SpreadPictureSizeTest : public ::testing::TestWithParam<SizeRow> {};

TEST_P(SpreadPictureSizeTest, KeepsTheLayoutsProportions) {
    EXPECT_EQ(SpreadPictureSize(GetParam().extent, GetParam().schematic), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SpreadPictureSizeTest,
                         ::testing::Values(
                             // Wide: W0 wide, ExtentY * W0 div ExtentX high.
                             SizeRow{"WideWithCards", {687, 348}, false, {480, 348 * 480 / 687}},
                             SizeRow{"WideSchematic", {687, 348}, true, {300, 348 * 300 / 687}},
                             // Tall: W0 + 50 high, (W0 + 50) * ExtentX div ExtentY wide.
                             SizeRow{"TallWithCards", {287, 748}, false, {530 * 287 / 748, 530}},
                             SizeRow{"TallSchematic", {287, 748}, true, {350 * 287 / 748, 350}},
                             SizeRow{"JustTooTall", {480, 531}, false, {530 * 480 / 531, 530}},
                             SizeRow{"Square", {300, 300}, false, {480, 480}}),
                         RowName());

// A reading of positions in a row, the first `significators` of them significators, on 87 x 148
// cards.
ReadingSnapshot Reading(int significators, std::initializer_list<int> cards) {
    ReadingModel model;
    QList<SpreadLine> lines;
    for (int i = 0; i < int(cards.size()); ++i) lines.append({i < significators, i * 100, 0, ""});
    model.Parser.SetLines(lines);
    int i = 0;
    for (int card : cards) model.Parser.LayCard(i++, card, false, false);
    return model.Snapshot();
}

TEST(PrintLayoutTest, LabelsAndExtentFollowTheTable) {
    const struct {
        int significators;
        QStringList labels;
    } rows[] = {{0, {"1", "2", "3"}}, {1, {"S", "1", "2"}}, {2, {"S1", "S2", "1"}}};
    for (const auto& row : rows) {
        const PrintLayout layout = PrintLayoutOf(Reading(row.significators, {0, 1, 2}));
        QStringList labels;
        for (const PrintPosition& p : layout.positions) labels.append(p.label);
        EXPECT_EQ(labels, row.labels) << row.significators;
        EXPECT_EQ(layout.extent, QSize(200 + 87, 148));
    }
    // A damaged place far out gives a thin but valid picture.
    ReadingSnapshot far = Reading(0, {0});
    far.positions[0].place.setY(2147483647);
    const QSize size = SpreadPictureSize(PrintLayoutOf(far).extent, false);
    EXPECT_EQ(size.height(), 530);
    EXPECT_GE(size.width(), 1);
}

// Card 0's picture: red above, blue below, so turning shows as blue on top.
class MakePrintImagesTest : public ::testing::Test {
protected:
    TestAppDir app;
    QString deck = app.path() + "/Pics/Deck";

    void SetUp() override {
        QDir().mkpath(deck);
        QDir().mkpath(app.path() + "/Temp");
        QImage card(40, 60, QImage::Format_RGB32);
        card.fill(Qt::red);
        for (int y = 30; y < 60; ++y)
            for (int x = 0; x < 40; ++x) card.setPixelColor(x, y, Qt::blue);
        for (int n : {0, 1, 3}) ASSERT_TRUE(WriteJpeg(card, deck + QString("/%1.jpg").arg(n)));
    }
    QImage temp(const QString& name) const { return QImage(app.path() + "/Temp/" + name); }
    static bool Reddish(QColor c) { return c.red() > 200 && c.blue() < 80; }
    static bool Bluish(QColor c) { return c.blue() > 200 && c.red() < 80; }
};

TEST_F(MakePrintImagesTest, ReversedCardIsUpsideDownInBothPictures) {
    ReadingSnapshot model = Reading(0, {0, 1});
    model.positions[1].reversed = true;
    ASSERT_TRUE(MakePrintImages(PrintLayoutOf(model), app.path() + "/Temp", deck, false));
    EXPECT_TRUE(Reddish(temp("0.bmp").pixelColor(20, 5)));
    EXPECT_TRUE(Bluish(temp("1.bmp").pixelColor(20, 5)));
    EXPECT_TRUE(Reddish(temp("1.bmp").pixelColor(20, 55)));
    // Picture 480 wide for an extent of 187: position 1 lies at 100 * 480 / 187 = 256.
    const QImage spread = temp("1000.bmp");
    ASSERT_EQ(spread.width(), 480);
    EXPECT_TRUE(Reddish(spread.pixelColor(20 + 30, 60)));
    EXPECT_TRUE(Bluish(spread.pixelColor(256 + 30, 60)));
    EXPECT_TRUE(Reddish(spread.pixelColor(256 + 30, 330)));
}

TEST_F(MakePrintImagesTest, MissingCardPictureSkipsItsPositionSilently) {
    const ReadingSnapshot model = Reading(0, {0, 1, 2, 3});  // no 2.jpg
    ASSERT_TRUE(MakePrintImages(PrintLayoutOf(model), app.path() + "/Temp", deck, true));
    for (const char* name : {"0.bmp", "1.bmp", "3.bmp"}) EXPECT_FALSE(temp(name).isNull()) << name;
    EXPECT_TRUE(temp("2.bmp").isNull());
    // Schematic, extent 387: position 2 starts at 200 * 300 / 387 = 155, position 1 at 77.
    const QImage spread = temp("1000.bmp");
    for (int y = 0; y < spread.height(); ++y)
        ASSERT_EQ(spread.pixelColor(155, y), QColor(Qt::white)) << y;
    EXPECT_EQ(spread.pixelColor(77, 40), QColor(Qt::black));
    // The label "1" on a white background just inside the first rectangle.
    bool labelInk = false;
    for (int y = 1; y < 12; ++y)
        for (int x = 1; x < 12; ++x) labelInk |= spread.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(labelInk);
}

TEST_F(MakePrintImagesTest, MissingTempFolderFailsWithItsReason) {
    QDir(app.path() + "/Temp").removeRecursively();
    QString error;
    EXPECT_FALSE(
        MakePrintImages(PrintLayoutOf(Reading(0, {0})), app.path() + "/Temp", deck, true, &error));
    EXPECT_FALSE(error.isEmpty());
}

// No picture of an earlier export stands in for one this export does not make: neither a
// higher position of a larger spread nor a position whose card picture is missing now.
TEST_F(MakePrintImagesTest, PicturesOfAnEarlierExportAreRemoved) {
    ASSERT_TRUE(
        MakePrintImages(PrintLayoutOf(Reading(0, {0, 1, 3})), app.path() + "/Temp", deck, true));
    ASSERT_TRUE(
        MakePrintImages(PrintLayoutOf(Reading(0, {0, 2})), app.path() + "/Temp", deck, true));
    EXPECT_EQ(QDir(app.path() + "/Temp").entryList(QDir::Files, QDir::Name),
              QStringList({"0.bmp", "1000.bmp"}));
}

// A picture that cannot be written, or an old one that cannot be removed, fails with the file
// and the reason.
TEST_F(MakePrintImagesTest, PictureThatCannotBeWrittenFailsNamingIt) {
    for (const char* blocked : {"1.bmp", "1000.bmp"}) {
        QDir(app.path() + "/Temp").removeRecursively();
        QDir().mkpath(app.path() + "/Temp/" + blocked);
        QString error;
        EXPECT_FALSE(MakePrintImages(PrintLayoutOf(Reading(0, {0, 1})), app.path() + "/Temp", deck,
                                     true, &error));
        EXPECT_TRUE(
            error.startsWith(QDir::toNativeSeparators(app.path() + "/Temp/" + blocked) + ": "))
            << error.toStdString();
    }
}

TEST(UnicNameTest, ReportAndTheSignedTickCount) {
    EXPECT_EQ(UnicName(123456), "report123456");
    EXPECT_EQ(UnicName(-5), "report-5");
}

}  // namespace
