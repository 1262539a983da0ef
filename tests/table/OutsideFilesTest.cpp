#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <gtest/gtest.h>

#include "decks/JpegDecoder.h"
#include "i18n/CardsFile.h"
#include "i18n/LangFile.h"
#include "i18n/TextBlocks.h"
#include "platform/QtHelpViewer.h"
#include "spreads/SpreadFile.h"
#include "support/TestAppDir.h"
#include "table/ShowForm.h"

namespace {

// Files from outside that are not plain files of a sane size. Every one would block a reader
// that opens it blindly, feed it without end, or make it take a huge amount of memory.
enum class Special { Fifo, LinkToDevZero, Folder, Oversized };

bool Make(Special kind, const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    switch (kind) {
        case Special::Fifo:
            return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        case Special::LinkToDevZero:
            return QFile::link("/dev/zero", path);
        case Special::Folder:
            return QDir().mkpath(path);
        case Special::Oversized: {
            // Text at its start, then sparse: larger than every reader's bound without using
            // the disk.
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'a')) == 4096 &&
                   file.resize(kMaxPictureFileBytes + 1);
        }
    }
    return false;
}

// A reader of outside files: the file it reads under AppDir, and whether it read nothing.
struct Reader {
    const char* name;
    const char* file;
    std::function<bool(const QString& appDir)> readsNothing;
};

const Reader kReaders[] = {
    {"English message list as fallback", "Langs/English/List.lng",
     [](const QString& appDir) {
         return ReadTextBlocks(LanguageFilePath(appDir, "Nowhere", "List.lng")).isEmpty();
     }},
    {"card titles", "Langs/English/Cards.lng",
     [](const QString& appDir) {
         CardTitleList titles;
         BuildCardTitles(titles, appDir, "Nowhere", false, TitleNumbering{});
         return titles[0].isEmpty();
     }},
    {"explanation text", "Langs/English/Texts/5.txt",
     [](const QString& appDir) {
         return LoadCardText(appDir, appDir, appDir + "/Pics/Deck", "Nowhere", 5, false).isEmpty();
     }},
    {"spread file", "Spreads/Cross.spread",
     [](const QString& appDir) {
         const SpreadContent content = ReadSpreadFile(SpreadFilePath(appDir, "Cross"));
         return content.status != SpreadReadStatus::Ok && content.lines.isEmpty();
     }},
    {"card picture", "Pics/Deck/5.jpg",
     [](const QString& appDir) {
         const QString path = appDir + "/Pics/Deck/5.jpg";
         return DecodeJpeg(path, QSize(87, 148)).isNull() && !JpegPictureSize(path).isValid();
     }},
    {"help file", "Reruv.html",
     [](const QString& appDir) {
         QtHelpViewer viewer;
         return !viewer.showContents(nullptr, appDir + "/Reruv.html");
     }},
};

TEST(OutsideFilesTest, ReadersTakeOnlyRegularFilesOfASaneSize) {
    for (const Special kind :
         {Special::Fifo, Special::LinkToDevZero, Special::Folder, Special::Oversized}) {
        for (const Reader& reader : kReaders) {
            TestAppDir app;
            ASSERT_TRUE(Make(kind, app.path() + "/" + reader.file)) << reader.name;
            EXPECT_TRUE(reader.readsNothing(app.path()))
                << reader.name << ", special file kind " << int(kind);
        }
    }
}

}  // namespace
