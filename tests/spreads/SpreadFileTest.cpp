#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "i18n/TextBlocks.h"
#include "i18n/TextCodec.h"
#include "platform/Random.h"
#include "spreads/Misc.h"
#include "spreads/SpParser.h"
#include "spreads/SpreadFile.h"
#include "support/TestAppDir.h"

namespace {

// Scrambles a plain spread text the way the file stores it.
QByteArray Stored(const QByteArray& plain) { return ScrambleText(plain); }

const QByteArray kPrefix = "abcdef";

TEST(ScrambleTextTest, MapsBytesAndIsItsOwnInverse) {
    EXPECT_EQ(ScrambleText("2\r\n"), QByteArray::fromHex("CDF2F5"));
    EXPECT_EQ(ScrambleText(QByteArray::fromHex("00FF")), QByteArray::fromHex("00FF"));
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    EXPECT_EQ(ScrambleText(ScrambleText(all)), all);
}

TEST(RandomPrefixTest, NeverHoldsABytesTheReaderSplitsOn) {
    Random::Seed(7);
    for (int i = 0; i < 2000; ++i) {
        const QByteArray prefix = RandomPrefix();
        ASSERT_EQ(prefix.size(), 6);
        for (char c : {'\0', '\n', '\r', ','}) ASSERT_FALSE(prefix.contains(c));
    }
}

TEST(SpreadFileTest, RoundTripKeepsCommasSignificatorsAndHighBytes) {
    TestAppDir app;
    const QString path = app.path() + "/a.spread";
    const QList<SpreadLine> lines = {{true, 100, 20, "The querent"},
                                     {true, 250, 20, "The partner, as seen"},
                                     {false, -5, 400, "Past, present, future"},
                                     {false, 0, 0, QString::fromUtf8("Ответ я")},
                                     {false, 1, 2, QString::fromUtf8("Ωμέγα")}};
    ASSERT_TRUE(WriteSpreadFile(path, 5, lines));
    const SpreadContent content = ReadSpreadFile(path);
    EXPECT_EQ(content.status, SpreadReadStatus::Ok);
    EXPECT_EQ(content.count, 5);
    EXPECT_EQ(content.lines, lines);

    // Russian text is stored in the single-byte code page: "я" ends the line as 0xFF.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray plain = ScrambleText(file.readAll());
    EXPECT_TRUE(plain.contains(QByteArray::fromHex("CEF2E2E5F220FF0D0A")));

    TSpreadParser parser;
    EXPECT_EQ(parser.LoadSpread(path), SpreadReadStatus::Ok);
    EXPECT_EQ(parser.SignificatorCount(), 2);
    EXPECT_TRUE(parser.PosSignificator(1));
    EXPECT_FALSE(parser.PosSignificator(2));
    EXPECT_EQ(parser.PosText(2), "Past, present, future");
}

TEST(SpreadFileTest, TwoSavesDifferButReadTheSame) {
    const QList<SpreadLine> lines = {{false, 10, 20, "One"}, {false, 30, 40, "Two"}};
    const QByteArray first = EncodeSpread(2, lines);
    const QByteArray second = EncodeSpread(2, lines);
    EXPECT_NE(first, second);
    EXPECT_EQ(DecodeSpread(first).lines, DecodeSpread(second).lines);
}

TEST(SpreadFileTest, ReaderTakesTheLinesThatArePresent) {
    // The header says 3 but four lines follow: all four are read.
    QByteArray plain = kPrefix + "3\r\n";
    for (int i = 0; i < 4; ++i) plain += kPrefix + QByteArray::number(i) + ",0,P\r\n";
    SpreadContent content = DecodeSpread(Stored(plain));
    EXPECT_EQ(content.status, SpreadReadStatus::Ok);
    EXPECT_EQ(content.count, 3);
    EXPECT_EQ(content.lines.size(), 4);

    // A last line without its line end is lost.
    content = DecodeSpread(Stored(kPrefix + "2\r\n" + kPrefix + "1,2,A\r\n" + kPrefix + "3,4,B"));
    EXPECT_EQ(content.status, SpreadReadStatus::Ok);
    EXPECT_EQ(content.lines.size(), 1);
}

TEST(SpreadFileTest, MalformedFilesKeepWhatWasReadBeforeTheFault) {
    const QByteArray good = kPrefix + "5,6,Fine\r\n";
    const QList<QByteArray> badLines = {
        kPrefix + "12\r\n", kPrefix + "x,3,Text\r\n", kPrefix + "1,y,Text\r\n", kPrefix + "1,2\r\n",
        "abc\r\n",          kPrefix + "S,2,Text\r\n"};
    for (const QByteArray& bad : badLines) {
        const SpreadContent content = DecodeSpread(Stored(kPrefix + "3\r\n" + good + bad + good));
        EXPECT_EQ(content.status, SpreadReadStatus::Malformed) << bad.constData();
        EXPECT_EQ(content.count, 3);
        ASSERT_EQ(content.lines.size(), 1) << bad.constData();
        EXPECT_EQ(content.lines[0].text, "Fine");
    }
    for (const QByteArray& header : {QByteArray(""), kPrefix + "three\r\n", QByteArray("2\r\n")}) {
        const SpreadContent content = DecodeSpread(Stored(header));
        EXPECT_EQ(content.status, SpreadReadStatus::Malformed);
        EXPECT_FALSE(content.countRead);
    }
}

TEST(SpreadFileTest, NeverKeepsMoreThan79Positions) {
    QByteArray plain = kPrefix + "200\r\n";
    for (int i = 0; i < 100; ++i) plain += kPrefix + "1,1,P\r\n";
    const SpreadContent content = DecodeSpread(Stored(plain));
    EXPECT_EQ(content.status, SpreadReadStatus::Malformed);
    EXPECT_EQ(content.count, 79);
    EXPECT_EQ(content.lines.size(), 79);

    TSpreadParser parser;
    TestAppDir app;
    app.write("big.spread", Stored(plain));
    EXPECT_EQ(parser.LoadSpread(app.path() + "/big.spread"), SpreadReadStatus::Malformed);
    EXPECT_EQ(parser.PosCount(), 79);
    EXPECT_EQ(DecodeSpread(Stored(kPrefix + "-4\r\n")).count, 0);
}

TEST(SpreadFileTest, MissingFileAndUnsafeNames) {
    TestAppDir app;
    EXPECT_EQ(ReadSpreadFile(app.path() + "/none.spread").status, SpreadReadStatus::Missing);
    EXPECT_EQ(SpreadFilePath(app.path(), "Celtic Cross"),
              app.path() + "/Spreads/Celtic Cross.spread");
    for (const char* name : {"", ".", "..", "../x", "a/b", "a\\b"})
        EXPECT_TRUE(SpreadFilePath(app.path(), name).isEmpty()) << name;
    EXPECT_EQ(ReadSpreadFile(QString()).status, SpreadReadStatus::Missing);
}

TEST(SpreadFileTest, FailedWriteIsReported) {
    TestAppDir app;
    EXPECT_FALSE(WriteSpreadFile(app.path() + "/Spreads/a.spread", 1, {{false, 1, 2, "x"}}));
    QDir(app.path()).mkpath("Spreads/b.spread");  // a folder where the file belongs
    EXPECT_FALSE(WriteSpreadFile(app.path() + "/Spreads/b.spread", 1, {{false, 1, 2, "x"}}));
}

TEST(SpreadFileTest, TextThatWouldReadBackShortIsRefusedAndTheOldFileStays) {
    TestAppDir app;
    const QString path = app.path() + "/a.spread";
    ASSERT_TRUE(WriteSpreadFile(path, 1, {{false, 1, 2, "kept"}}));
    for (const QString& text :
         {QString("two\r\nlines"), QString("a\rb"), QString("nul") + QChar(0)}) {
        QString error;
        EXPECT_FALSE(WriteSpreadFile(path, 1, {{false, 1, 2, text}}, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(ReadSpreadFile(path).lines.value(0).text, "kept");
    }
}

TEST(TextCodecTest, ReadsUtf8OrTheLegacyCodePageAndWritesTheCompatibleOne) {
    const QString russian = QString::fromUtf8("Прошлое");
    EXPECT_EQ(EncodeText(russian), QByteArray::fromHex("CFF0EEF8EBEEE5"));
    EXPECT_EQ(DecodeText(QByteArray::fromHex("CFF0EEF8EBEEE5")), russian);
    EXPECT_EQ(DecodeText(russian.toUtf8()), russian);
    const QString greek = QString::fromUtf8("Ωμέγα");
    EXPECT_EQ(EncodeText(greek), greek.toUtf8());
    EXPECT_EQ(EncodeText("plain"), QByteArray("plain"));
    // Code-page bytes that happen to form valid UTF-8 are written as UTF-8 instead.
    const QString lookalike = DecodeText(QByteArray::fromHex("D0B0"));
    EXPECT_EQ(DecodeText(EncodeText(lookalike)), lookalike);
}

TEST(MiscTest, PathsAndTextBlocks) {
    EXPECT_EQ(PathDirectory("/opt/lumenfold/tarot"), "/opt/lumenfold");
    EXPECT_EQ(PathDirectory("tarot"), "tarot");
    EXPECT_EQ(SlashesAsDots("09/12\\2026"), "09.12.2026");

    TestAppDir app;
    QByteArray bytes(2048, 'a');
    bytes[10] = '\0';  // ends the first block early
    bytes += "tail";
    app.write("t.txt", bytes);
    EXPECT_EQ(ReadTextBlocks(app.path() + "/t.txt"), QByteArray(10, 'a') + "tail");
    EXPECT_TRUE(ReadTextBlocks(app.path() + "/none.txt").isEmpty());
}

}  // namespace
