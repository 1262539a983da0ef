#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "decks/JpegDecoder.h"
#include "decks/JpegWriter.h"

namespace {

const QColor kLeft(200, 40, 40);
const QColor kRight(30, 90, 220);

// A 64 x 32 picture: the left half one colour, the right half another.
QImage TwoColours(const QColor& left = kLeft, const QColor& right = kRight) {
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) image.setPixelColor(x, y, left);
    return image;
}

// True when the colours differ by at most the tolerance in every channel.
::testing::AssertionResult Near(QRgb actual, const QColor& expected, int tolerance = 12) {
    const int dr = std::abs(qRed(actual) - expected.red());
    const int dg = std::abs(qGreen(actual) - expected.green());
    const int db = std::abs(qBlue(actual) - expected.blue());
    if (dr <= tolerance && dg <= tolerance && db <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << QColor(actual).name().toStdString() << " is not near "
                                         << expected.name().toStdString();
}

class JpegDecoderTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The position of the first byte of entropy-coded data (after the SOS header).
    static qsizetype ScanStart(const QByteArray& jpeg) {
        const qsizetype sos = jpeg.indexOf("\xFF\xDA");
        const int length = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
        return sos + 2 + length;
    }

    QTemporaryDir dir_;
};

TEST_F(JpegDecoderTest, DecodesTheColoursOfBothHalves) {
    const QString path = write("two.jpg", EncodeJpeg(TwoColours(), 95));
    const QImage image = DecodeJpeg(path);
    ASSERT_EQ(image.size(), QSize(64, 32));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(image.pixel(12, 16), kLeft));
    EXPECT_TRUE(Near(image.pixel(52, 16), kRight));
    EXPECT_EQ(qAlpha(image.pixel(52, 16)), 255);
}

TEST_F(JpegDecoderTest, ScalesToTheTargetSize) {
    const QString path = write("two.jpg", EncodeJpeg(TwoColours(), 95));
    // Smaller than the picture (decoded at 1/4, then smoothed), not in its proportions, and
    // larger than the picture: always exactly the target.
    for (const QSize target : {QSize(16, 8), QSize(20, 30), QSize(128, 100)}) {
        const QImage image = DecodeJpeg(path, target);
        ASSERT_EQ(image.size(), target);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(Near(image.pixel(target.width() / 5, target.height() / 2), kLeft));
        EXPECT_TRUE(Near(image.pixel(target.width() * 4 / 5, target.height() / 2), kRight));
    }
    // An empty or invalid target means the full size.
    EXPECT_EQ(DecodeJpeg(path, QSize(0, 0)).size(), QSize(64, 32));
    EXPECT_EQ(DecodeJpeg(path, QSize(-1, 10)).size(), QSize(64, 32));
}

TEST_F(JpegDecoderTest, ReadsPathsWithLettersBeyondAscii) {
    const QString path = write(QString::fromUtf8("Карта ü.jpg"), EncodeJpeg(TwoColours(), 95));
    EXPECT_EQ(DecodeJpeg(path).size(), QSize(64, 32));
}

TEST_F(JpegDecoderTest, DecodesGreyPictures) {
    const QString path =
        write("grey.jpg", EncodeJpeg(TwoColours(QColor(60, 60, 60), QColor(210, 210, 210)), 95,
                                     JpegColourSpace::Grey));
    const QImage image = DecodeJpeg(path);
    ASSERT_EQ(image.size(), QSize(64, 32));
    EXPECT_TRUE(Near(image.pixel(12, 16), QColor(60, 60, 60), 4));
    EXPECT_TRUE(Near(image.pixel(52, 16), QColor(210, 210, 210), 4));
}

TEST_F(JpegDecoderTest, DecodesAdobeCmykAndYcckPictures) {
    const QColor dark(20, 120, 60);  // needs black ink as well as colour
    for (const JpegColourSpace space : {JpegColourSpace::Cmyk, JpegColourSpace::Ycck}) {
        const QString path = write("inks.jpg", EncodeJpeg(TwoColours(kLeft, dark), 95, space));
        const QImage image = DecodeJpeg(path, QSize(32, 16));
        ASSERT_EQ(image.size(), QSize(32, 16));
        EXPECT_TRUE(Near(image.pixel(6, 8), kLeft));
        EXPECT_TRUE(Near(image.pixel(26, 8), dark));
        // Qt's own JPEG reader reads the same file to the same colours.
        QImageReader reader(path);
        const QImage reference = reader.read();
        ASSERT_FALSE(reference.isNull());
        EXPECT_TRUE(Near(DecodeJpeg(path).pixel(52, 16), reference.pixelColor(52, 16)));
    }
}

TEST_F(JpegDecoderTest, GivesNothingForFilesThatAreNoGoodPicture) {
    const QByteArray jpeg = EncodeJpeg(TwoColours(), 95);
    EXPECT_TRUE(DecodeJpeg(dir_.filePath("missing.jpg")).isNull());
    EXPECT_TRUE(DecodeJpeg(write("empty.jpg", {})).isNull());
    EXPECT_TRUE(DecodeJpeg(write("text.jpg", "This is a text, not a picture.\r\n")).isNull());
    EXPECT_TRUE(DecodeJpeg(dir_.path()).isNull());  // a folder

    // Cut off in the middle of its data: libjpeg only warns and fills in grey.
    const QString truncated = write("truncated.jpg", jpeg.left(jpeg.size() * 2 / 3));
    EXPECT_TRUE(DecodeJpeg(truncated).isNull());
    EXPECT_TRUE(DecodeJpeg(truncated, QSize(8, 4)).isNull());

    // Its header and end intact, a stretch of its coded data overwritten by a stray marker.
    QByteArray damaged = jpeg;
    const qsizetype middle = (ScanStart(jpeg) + jpeg.size()) / 2;
    for (qsizetype i = middle; i < middle + 16; i += 2) {
        damaged[i] = char(0xFF);
        damaged[i + 1] = char(0xD3);
    }
    EXPECT_TRUE(DecodeJpeg(write("damaged.jpg", damaged)).isNull());

    // Only the start of the coded data, then garbage to the end.
    QByteArray garbage = jpeg.left(ScanStart(jpeg) + 4);
    garbage.append(QByteArray(400, char(0x5A)));
    EXPECT_TRUE(DecodeJpeg(write("garbage.jpg", garbage)).isNull());
}

TEST_F(JpegDecoderTest, AWarningHidesThePictureOnlyWhenDataIsMissing) {
    const QByteArray jpeg = EncodeJpeg(TwoColours(), 95);
    const QImage clean = DecodeJpeg(write("clean.jpg", jpeg));
    ASSERT_FALSE(clean.isNull());
    const auto inserted = [&jpeg](const char* marker) {
        return QByteArray(jpeg).insert(jpeg.indexOf(marker), "\x01\x02\x03");
    };
    struct Row {
        const char* name;
        QByteArray bytes;
        bool shown;
    };
    const Row rows[] = {
        // As real-world files have them; libjpeg warns, djpeg and Qt show the picture.
        {"three extraneous bytes before the scan", inserted("\xFF\xDA"), true},
        {"three extraneous bytes before a table", inserted("\xFF\xC4"), true},
        {"cut off in its data", jpeg.left(jpeg.size() * 2 / 3), false},
    };
    for (const Row& row : rows) {
        const QImage image = DecodeJpeg(write("warned.jpg", row.bytes));
        EXPECT_EQ(image.isNull(), !row.shown) << row.name;
        if (row.shown) {
            EXPECT_EQ(image, clean) << row.name;
        }
    }
}

TEST_F(JpegDecoderTest, RefusesAHeaderThatClaimsAHugePicture) {
    // A frame header claiming 60000 x 60000 pixels on the data of a tiny picture.
    QByteArray jpeg = EncodeJpeg(TwoColours(), 95);
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (const qsizetype at : {sof + 5, sof + 7}) {
        jpeg[at] = char(60000 >> 8);
        jpeg[at + 1] = char(60000 & 0xFF);
    }
    EXPECT_TRUE(DecodeJpeg(write("huge.jpg", jpeg)).isNull());
    EXPECT_TRUE(DecodeJpeg(write("huge.jpg", jpeg), QSize(87, 148)).isNull());
}

TEST_F(JpegDecoderTest, WriterReplacesFilesAndReportsFailures) {
    const QString path = dir_.filePath("card.jpg");
    ASSERT_TRUE(WriteJpeg(TwoColours(), path));
    ASSERT_TRUE(WriteJpeg(TwoColours().scaled(32, 16), path));
    EXPECT_EQ(DecodeJpeg(path).size(), QSize(32, 16));
    EXPECT_FALSE(WriteJpeg(TwoColours(), dir_.filePath("no such folder/card.jpg")));
    EXPECT_FALSE(WriteJpeg(QImage(), dir_.filePath("null.jpg")));
    EXPECT_FALSE(QFile::exists(dir_.filePath("null.jpg")));
}

}  // namespace
