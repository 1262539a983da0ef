#include <QLocale>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "export/ExportFixture.h"
#include "export/PdfExport.h"
#include "export/PrintDocument.h"
#include "export/PrintPages.h"
#include "platform/WholeFile.h"

namespace {

// The standard output of a poppler tool, or nothing where the tool is missing.
std::optional<QString> Poppler(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The rows of "pdfimages -list" after its two heading lines: one per picture.
QStringList PictureRows(const QString& pdf) {
    QStringList rows = Poppler("pdfimages", {"-list", pdf}).value_or(QString()).split('\n');
    rows.removeAll(QString());
    return rows.mid(2);
}

QString PdfInfo(const QString& pdf, const QString& field) {
    const QString info = Poppler("pdfinfo", {pdf}).value_or(QString());
    const QRegularExpressionMatch match =
        QRegularExpression("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption)
            .match(info);
    return match.captured(1).trimmed();
}

class PdfExportTest : public ExportFixture {
protected:
    void SetUp() override {
        ExportFixture::SetUp();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "poppler-utils is not installed: the PDF cannot be read back";
    }
};

// The Russian reading with a reversed card and a comment of Cyrillic and markup characters, every
// print switch on: the file the user named is written, shown and reported, and its text, fonts,
// pages and pictures are those of the reading.
TEST_F(PdfExportTest, RussianReadingMatchesTheGoldenText) {
    QStringList texts = NumberedLines("m", Msg::Count);
    texts[Msg::ReversedWord] = "перевёрнутая";
    texts[Msg::Comments] = "Комментарии";
    program.Messages.replace(texts);
    program.settings.LanguageName = "Russian";
    program.settings.PrintView = true;
    program.settings.PrintSchema = false;
    program.settings.PrintBigCards = true;
    program.settings.PrintExpl = true;
    program.CardTitles[3] = "Императрица";
    program.CardTitles[7] = "Колесница";
    program.ReadingDialogDir = app.path() + "/Saved/";
    QDir().mkpath(app.path() + "/Saved");
    app.write("Langs/Russian/Texts/7r.txt", "Задержка.\r\nТерпение.");
    reading.SetSpreadName("Расклад");
    reading.Parser.SetPosText(0, "Вы");
    reading.Parser.SetPosText(1, "Прошлое");
    reading.ReadingComments = "Вопрос о <b>работе</b> & \"деньгах\"\r\nВторая строка";
    const QString pdf = app.path() + "/Saved/Расклад.pdf";
    fake.fileDialogs->answers = {pdf};

    exports.ExportinPdf();

    ASSERT_EQ(fake.fileDialogs->saved.size(), 1);
    const FileDialogRequest& asked = fake.fileDialogs->saved[0];
    EXPECT_EQ(asked.directory + asked.fileName, app.path() + "/Saved/09.12.2026 - Расклад.pdf");
    EXPECT_EQ(asked.filter + asked.defaultSuffix, "m153 (*.pdf)pdf");
    EXPECT_EQ(fake.messageBoxes->shown, QStringList{"m154\n" + QDir::toNativeSeparators(pdf)});
    EXPECT_EQ(fake.shell->opened, QStringList{pdf});

    const QString text = Poppler("pdftotext", {"-enc", "UTF-8", pdf, "-"}).value_or(QString());
    const auto golden = ReadRegularFile(LUMENFOLD_PDF_GOLDEN, 1 << 20);
    ASSERT_TRUE(golden);
    EXPECT_TRUE(text == QString::fromUtf8(*golden)) << text.toStdString();
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
    EXPECT_EQ(PdfInfo(pdf, "Title"), "Расклад (09/12/2026)");
    EXPECT_TRUE(
        PdfInfo(pdf, "Page size")
            .endsWith(PaperSizeFor(QLocale::system()) == QPageSize::A4 ? "(A4)" : "(letter)"));
    // Every font is embedded: no row of pdffonts says "no" in its "emb" column.
    const QString fonts = Poppler("pdffonts", {pdf}).value_or(QString());
    EXPECT_TRUE(fonts.contains(" yes ") &&
                !fonts.contains(QRegularExpression(" no +(yes|no) +(yes|no) +\\d")))
        << fonts.toStdString();
    // The spread picture, then one picture per card at the size of its file.
    const QStringList pictures = PictureRows(pdf);
    ASSERT_EQ(pictures.size(), 3) << pictures.join('\n').toStdString();
    EXPECT_TRUE(pictures[1].simplified().startsWith("1 1 image 30 50"))
        << pictures[1].toStdString();
}

// A failed write is told with the file and the reason, and nothing is opened.
TEST_F(PdfExportTest, FailedWriteIsTold) {
    const QString missing = app.path() + "/no such folder/reading.pdf";
    fake.fileDialogs->answers = {missing};
    exports.ExportinPdf();
    ASSERT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_TRUE(fake.messageBoxes->shown[0].startsWith("m156\n" +
                                                       QDir::toNativeSeparators(missing) + ": "));
    EXPECT_TRUE(fake.shell->opened.isEmpty());
    // A device that cannot be written gives no pages and a reason, as a failing printer does.
    QPdfWriter unwritable(missing);
    QString reason;
    EXPECT_EQ(PaintPrintDocument(PrintDocument(), unwritable, &reason), 0);
    EXPECT_FALSE(reason.isEmpty());
}

// Twelve positions with tall cards and long explanations fill several pages; each position's
// heading is on the page of its card picture, which ends above the bottom margin.
TEST_F(PdfExportTest, HeadingsStayOnThePageOfTheirCards) {
    PrintDocument document;
    document.title = "Twelve";
    QImage card(300, 520, QImage::Format_RGB32);
    for (int i = 0; i < 12; ++i) {
        card.fill(QColor::fromHsv(i * 30, 200, 200));
        document.entries.append({QString("Heading%1").arg(i + 1), "Card line", card.copy(),
                                 QString("Meaning of the card. ").repeated(8 + 9 * i)});
    }
    const auto bytes = PdfBytes(document, QPageSize::A4);
    ASSERT_TRUE(bytes);
    const QString pdf = app.path() + "/twelve.pdf";
    ASSERT_TRUE(WriteWholeFile(pdf, *bytes));
    EXPECT_GE(PdfInfo(pdf, "Pages").toInt(), 4);
    const QStringList pictures = PictureRows(pdf);
    ASSERT_EQ(pictures.size(), 12);
    for (int i = 0; i < 12; ++i) {
        const QString page = pictures[i].simplified().section(' ', 0, 0);
        const QString text =
            Poppler("pdftotext", {"-f", page, "-l", page, pdf, "-"}).value_or(QString());
        EXPECT_TRUE(text.contains(QString("Heading%1\n").arg(i + 1))) << "position " << i + 1;
    }
    // Nothing runs into the bottom margin (15 mm, 17 pixels at 30 dots per inch): no picture
    // hangs over the end of its page.
    Poppler("pdftoppm", {"-r", "30", "-gray", pdf, app.path() + "/page"});
    for (const QString& name : QDir(app.path()).entryList({"page*.pgm"})) {
        const QImage page(app.path() + "/" + name);
        ASSERT_FALSE(page.isNull());
        for (int y = page.height() - 16; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                ASSERT_GT(qGray(page.pixel(x, y)), 240) << name.toStdString() << " row " << y;
    }
}

TEST(PaperSizeTest, FollowsTheLocalesCountry) {
    const struct {
        QLocale locale;
        QPageSize::PageSizeId paper;
    } rows[] = {{QLocale(QLocale::English, QLocale::UnitedStates), QPageSize::Letter},
                {QLocale(QLocale::French, QLocale::Canada), QPageSize::Letter},
                {QLocale(QLocale::Spanish, QLocale::Mexico), QPageSize::Letter},
                {QLocale(QLocale::Russian, QLocale::Russia), QPageSize::A4},
                {QLocale(QLocale::English, QLocale::UnitedKingdom), QPageSize::A4},
                {QLocale::c(), QPageSize::A4}};
    for (const auto& row : rows)
        EXPECT_EQ(PaperSizeFor(row.locale), row.paper) << row.locale.name().toStdString();
}

}  // namespace
