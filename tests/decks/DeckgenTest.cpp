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

TEST(DeckgenTest, DrawsEachBundledDeckIntoANewFolder) {
    const struct {
        const char* deck;
        int cards;
    } rows[] = {{"ardentine", 78}, {"velmar", 79}};
    for (const auto& row : rows) {
        QTemporaryDir dir;
        const QString out = dir.filePath(QString::fromUtf8("Колода/Новая"));
        ASSERT_EQ(RunDeckgen({row.deck, out}), 0) << row.deck;
        EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), row.cards) << row.deck;
        EXPECT_EQ(DecodeJpeg(QDir(out).filePath(QString::number(row.cards - 1) + ".jpg")).size(),
                  QSize(330, 561))
            << row.deck;
    }
}

TEST(DeckgenTest, FailsCleanlyOnBadArgumentsOrAnUnwritableFolder) {
    QTemporaryDir dir;
    const QString out = dir.filePath("deck");
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QStringList rows[] = {{},
                                {"tarot-de-nowhere", out},
                                {"velmar"},
                                {"ardentine", out, dir.filePath("Cards.lng")},
                                {"ardentine", blocker.fileName() + "/deck"}};
    for (const QStringList& arguments : rows)
        EXPECT_EQ(RunDeckgen(arguments), 1) << arguments.join(' ').toStdString();
    EXPECT_FALSE(QDir(out).exists());
}

}  // namespace
