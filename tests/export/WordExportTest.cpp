#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "export/ExportFixture.h"
#include "i18n/FixedTexts.h"
#include "platform/RtfWordAutomation.h"
#include "platform/WholeFile.h"
#include "support/FullDisk.h"

namespace {

class WordExportTest : public ExportFixture {};

TEST_F(WordExportTest, CallsTheWordProcessorInOrder) {
    program.settings.PrintView = true;
    program.settings.PrintBigCards = true;
    program.settings.PrintExpl = true;
    exports.ExportinWord();
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
    // Each block is formatted from one character before the old end of the text.
    const QStringList expected = {
        "Create", "Documents.Add", "Range.InsertAfter Spread (09/12/2026)\r\n\r\n", "Range.Bold 1",
        "Range.Size 16", "Range.Color 16711680",
        // the spread picture after the title's 22 characters
        "Range(21).Select", "Selection.Paste", "Range.InsertAfter \r\n\r\n",
        "Range.InsertAfter You\r\n", "Range(24).Bold 1", "Range(24).Size 12", "Range(24).Color 0",
        "Range.InsertAfter Empress\r\n\r\n", "Range(28).Bold 1", "Range(28).Size 12",
        "Range(28).Color 32768",
        // the heading, the card line and the empty line keep with the picture
        "Range(24, 37).KeepWithNext 1", "Range(37).Select", "Selection.Paste",
        "Range.InsertAfter \r\n\r\n",
        // no explanation for the significator
        "Range.InsertAfter 1. Past\r\n", "Range(40).Bold 1", "Range(40).Size 12",
        "Range(40).Color 0", "Range.InsertAfter Chariot (reversed) \r\n\r\n", "Range(48).Bold 1",
        "Range(48).Size 12", "Range(48).Color 32768", "Range(40, 69).KeepWithNext 1",
        "Range(69).Select", "Selection.Paste", "Range.InsertAfter \r\n\r\n",
        "Range.InsertAfter Delay.\r\nPatience.\r\n\r\n", "Range(72).Bold 0", "Range(72).Size 10",
        "Range(72).Color 0", "Range(0, 0).Select", "SaveAs " + app.path() + "/Temp/report1000.doc",
        "Visible"};
    EXPECT_EQ(fake.word->calls, expected);
}

TEST_F(WordExportTest, FailuresStopBeforeSavingWithTheirMessage) {
    const QString missing =
        QDir::toNativeSeparators(app.path() + "/Temp/1.bmp") + ": No such file or directory";
    const struct {
        const char* name;
        bool removeCardPicture;
        bool wordAvailable;
        QString reason;
    } rows[] = {{"MissingPositionPicture", true, true, missing},
                {"NoWordProcessor", false, false, "no word processor"}};
    for (const auto& row : rows) {
        fake.word->calls.clear();
        fake.messageBoxes->shown.clear();
        program.settings.PrintBigCards = true;
        if (row.removeCardPicture) QFile::remove(app.path() + "/Pics/Deck/7.jpg");
        fake.word->available = row.wordAvailable;
        exports.ExportinWord();
        EXPECT_EQ(fake.messageBoxes->shown,
                  QStringList{FixedText::WordNotCreated + QString("\n") + row.reason})
            << row.name;
        EXPECT_TRUE(fake.word->calls.filter("SaveAs").isEmpty()) << row.name;
        EXPECT_TRUE(fake.word->calls.filter("Visible").isEmpty()) << row.name;
    }
}

TEST_F(WordExportTest, IncompleteReadingGetsMessage92AndNoDocument) {
    reading.SetNextPosition(1);
    exports.ExportinWord();
    exports.PrintinHTMLformat1Click();
    exports.ExportinOpenOf();
    EXPECT_EQ(fake.messageBoxes->shown, QStringList({"m92", "m92", "m92"}));
    EXPECT_TRUE(fake.word->calls.isEmpty());
    EXPECT_TRUE(fake.office->calls.isEmpty());
    EXPECT_TRUE(fake.shell->opened.isEmpty());
}

// A document no program can show is still made, and the user learns where it lies.
TEST_F(WordExportTest, DocumentNoProgramOpensIsNamedToTheUser) {
    fake.platform.word = std::make_unique<RtfWordAutomation>(*fake.clipboard, *fake.shell);
    fake.shell->result = false;
    const struct {
        const char* name;
        void (ReadingExports::*run)();
        const char* file;
    } rows[] = {{"Html", &ReadingExports::PrintinHTMLformat1Click, "report1000.htm"},
                {"Word", &ReadingExports::ExportinWord, "report1000.doc"}};
    for (const auto& row : rows) {
        fake.messageBoxes->shown.clear();
        (exports.*row.run)();
        const QString path = app.path() + "/Temp/" + row.file;
        EXPECT_TRUE(QFile::exists(path)) << row.name;
        EXPECT_EQ(fake.messageBoxes->shown, QStringList{"m144\n" + QDir::toNativeSeparators(path)})
            << row.name;
    }
}

// A nearly full Temp: the spread picture of this tall layout is a thin strip that fits, the
// card pictures do not. Every format fails with its message and the reason; nothing is left in
// Temp, and no document is made or shown.
TEST_F(WordExportTest, NearlyFullTempFailsEveryFormat) {
    FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    QDir(app.path() + "/Temp").removeRecursively();
    ASSERT_TRUE(QFile::link(disk.path(), app.path() + "/Temp"));
    QImage card(200, 200, QImage::Format_RGB32);
    card.fill(Qt::darkGreen);
    for (int n : {3, 7}) WriteJpeg(card, app.path() + QString("/Pics/Deck/%1.jpg").arg(n));
    reading.Parser.SetPosPlace(1, {0, 20000});
    program.settings.PrintBigCards = true;
    const struct {
        const char* name;
        void (ReadingExports::*run)();
        const char* message;
    } rows[] = {{"Html", &ReadingExports::PrintinHTMLformat1Click, FixedText::HtmlNotCreated},
                {"Word", &ReadingExports::ExportinWord, FixedText::WordNotCreated},
                {"Writer", &ReadingExports::ExportinOpenOf, FixedText::OpenOfficeNotCreated}};
    const QString reason =
        QDir::toNativeSeparators(app.path() + "/Temp/0.bmp") + ": No space left on device";
    for (const auto& row : rows) {
        fake.messageBoxes->shown.clear();
        (exports.*row.run)();
        EXPECT_EQ(fake.messageBoxes->shown, QStringList{row.message + QString("\n") + reason})
            << row.name;
        EXPECT_EQ(disk.entries(), QStringList()) << row.name;
    }
    EXPECT_TRUE(fake.shell->opened.isEmpty());
    EXPECT_TRUE(fake.word->calls.isEmpty());
    EXPECT_TRUE(fake.office->calls.isEmpty());
}

// The whole RTF document of a reading with every print switch on, the pictures' PNG data left
// out of the comparison: text, formatting, pictures in place, and each heading kept with what
// follows it.
TEST_F(WordExportTest, RtfDocumentMatchesTheGoldenFile) {
    program.settings.PrintView = true;
    program.settings.PrintBigCards = true;
    program.settings.PrintExpl = true;
    fake.platform.word = std::make_unique<RtfWordAutomation>(*fake.clipboard, *fake.shell);
    exports.ExportinWord();
    QString rtf = QString::fromLatin1(
        ReadRegularFile(app.path() + "/Temp/report1000.doc", 1 << 24).value_or(QByteArray()));
    rtf.replace(QRegularExpression("(\\\\pichgoal\\d+)\n[0-9a-f\n]+\\}"), "\\1\n(PNG data)}");
    EXPECT_EQ(rtf, QString::fromLatin1(*ReadRegularFile(LUMENFOLD_WORD_GOLDEN, 1 << 20)));
}

// The real word processor object writes RTF that an office suite reads back as the same text.
TEST_F(WordExportTest, RtfDocumentHoldsTextFormattingAndPictures) {
    program.settings.PrintView = true;
    program.settings.PrintExpl = true;
    fake.platform.word = std::make_unique<RtfWordAutomation>(*fake.clipboard, *fake.shell);
    exports.ExportinWord();
    const QString path = app.path() + "/Temp/report1000.doc";
    ASSERT_EQ(fake.shell->opened, QStringList{path});
    const QByteArray rtf = *ReadRegularFile(path, 1 << 24);
    for (const char* piece : {"{\\rtf1", "\\b\\fs32\\cf1 Spread (09/12/2026)\\par",
                              "\\pict\\pngblip", "\\b\\fs24\\cf3\\keepn Chariot (reversed) \\par",
                              "\\b0\\fs20\\cf", "Delay.\\par\nPatience."})
        EXPECT_TRUE(rtf.contains(piece)) << piece << "\n" << rtf.left(300).constData();

    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed: RTF not read back";
    QFile::copy(path, app.path() + "/report.rtf");
    QProcess office;
    office.start(soffice, {"--headless", "-env:UserInstallation=file://" + app.path() + "/profile",
                           "--convert-to", "txt:Text (encoded):UTF8", "--outdir", app.path(),
                           app.path() + "/report.rtf"});
    ASSERT_TRUE(office.waitForFinished(120000));
    const QString text = QString::fromUtf8(*ReadRegularFile(app.path() + "/report.txt", 1 << 20));
    EXPECT_TRUE(text.contains("Spread (09/12/2026)")) << text.toStdString();
    EXPECT_TRUE(text.contains("Chariot (reversed)")) << text.toStdString();
    EXPECT_TRUE(text.contains("1. Past")) << text.toStdString();
}

}  // namespace
