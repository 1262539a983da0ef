#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "decks/JpegDecoder.h"

namespace {

// Runs the deck generator; returns its exit code, or -1 when it crashed or hung.
int RunDeckgen(const QStringList& arguments) {
    QProcess process;
    process.start(DECKGEN_PATH, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return -1;
    return process.exitCode();
}

// The lines of a titles file: "Title N" for each line N.
QByteArray TitleLines(int count) {
    QByteArray bytes;
    for (int line = 0; line < count; ++line) bytes += "Title " + QByteArray::number(line) + "\r\n";
    return bytes;
}

TEST(DeckgenTest, DrawsADeckFromAnyTitlesFileIntoANewFolder) {
    QTemporaryDir dir;
    QFile titles(dir.filePath("Cards.lng"));
    ASSERT_TRUE(titles.open(QIODevice::WriteOnly));
    titles.write(TitleLines(97));
    titles.close();
    const QString out = dir.filePath(QString::fromUtf8("Колода/Новая"));
    ASSERT_EQ(RunDeckgen({"ardentine", out, titles.fileName()}), 0);
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 78);
    EXPECT_EQ(DecodeJpeg(QDir(out).filePath("77.jpg")).size(), QSize(330, 561));
}

TEST(DeckgenTest, FailsCleanlyOnMissingOrShortTitlesAndBadArguments) {
    QTemporaryDir dir;
    const QString out = dir.filePath("deck");
    EXPECT_EQ(RunDeckgen({"ardentine", out, dir.filePath("missing.lng")}), 1);
    QFile titles(dir.filePath("Short.lng"));
    ASSERT_TRUE(titles.open(QIODevice::WriteOnly));
    titles.write(TitleLines(40));
    titles.close();
    EXPECT_EQ(RunDeckgen({"ardentine", out, titles.fileName()}), 1);
    EXPECT_FALSE(QDir(out).exists());
    EXPECT_EQ(RunDeckgen({}), 1);
    EXPECT_EQ(RunDeckgen({"tarot-de-nowhere", out}), 1);
    EXPECT_EQ(RunDeckgen({"velmar"}), 1);
}

}  // namespace
