#include <QLocale>
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
    reading.SpreadName = "Расклад";
    reading.Parser.PosText[0] = "Вы";
    reading.Parser.PosText[1] = "Прошлое";
    reading.ReadingComments = "Вопрос о <b>работе</b> & \"деньгах\"\r\nВторая строка";
    const QString pdf = app.path() + "/Saved/Расклад.pdf";
    fake.fileDialogs->answers = {pdf};

    exports.ExportinPdf();

    ASSERT_EQ(fake.fileDialogs->saved.size(), 1);
    const FileDialogRequest& asked = fake.fileDialogs->saved[0];
    EXPECT_EQ(asked.directory, app.path() + "/Saved/");
    EXPECT_EQ(asked.fileName, "09.12.2026 - Расклад.pdf");
    EXPECT_EQ(asked.filter, "m153 (*.pdf)");
    EXPECT_EQ(asked.defaultSuffix, "pdf");
    EXPECT_EQ(fake.messageBoxes->shown, QStringList{"m154\n" + QDir::toNativeSeparators(pdf)});
    EXPECT_EQ(fake.shell->opened, QStringList{pdf});

    const QString text = Poppler("pdftotext", {"-enc", "UTF-8", pdf, "-"}).value_or(QString());
    const auto golden = ReadRegularFile(LUMENFOLD_PDF_GOLDEN, 1 << 20);
    ASSERT_TRUE(golden);
    EXPECT_TRUE(text == QString::fromUtf8(*golden)) << text.toStdString();
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
    EXPECT_EQ(PdfInfo(pdf, "Title"), "Расклад (09/12/2026)");
    const QString paper =
        PaperSizeFor(QLocale::system()) == QPageSize::Letter ? "(letter)" : "(A4)";
    EXPECT_TRUE(PdfInfo(pdf, "Page size").endsWith(paper))
        << PdfInfo(pdf, "Page size").toStdString();
    // Every font is embedded: no row of pdffonts says "no" in its "emb" column.
    const QString fonts = Poppler("pdffonts", {pdf}).value_or(QString());
    EXPECT_TRUE(fonts.contains(" yes ")) << fonts.toStdString();
    EXPECT_FALSE(
        QRegularExpression("\\S+\\s+no\\s+(yes|no)\\s+(yes|no)\\s+\\d+").match(fonts).hasMatch())
        << fonts.toStdString();
    // The spread picture, then one picture per card at the size of its file.
    const QStringList pictures = PictureRows(pdf);
    ASSERT_EQ(pictures.size(), 3) << pictures.join('\n').toStdString();
    EXPECT_TRUE(pictures[1].simplified().startsWith("1 1 image 30 50"))
        << pictures[1].toStdString();
}

// A failed write leaves no file, names the reason and opens nothing; Cancel writes nothing.
TEST_F(PdfExportTest, FailuresAreToldAndCancelWritesNothing) {
    const QString missing = app.path() + "/no such folder/reading.pdf";
    fake.fileDialogs->answers = {missing};
    exports.ExportinPdf();
    ASSERT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_TRUE(
        fake.messageBoxes->shown[0].startsWith("m156\n" + QDir::toNativeSeparators(missing) + ": "))
        << fake.messageBoxes->shown[0].toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    fake.messageBoxes->shown.clear();
    exports.ExportinPdf();
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
    EXPECT_TRUE(fake.shell->opened.isEmpty());
}

// Twelve positions with tall cards and long explanations fill several pages; each position's
// heading is on the page of its card picture.
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
    const int pages = PdfInfo(pdf, "Pages").toInt();
    EXPECT_GE(pages, 4);
    const QStringList pictures = PictureRows(pdf);
    ASSERT_EQ(pictures.size(), 12);
    for (int i = 0; i < 12; ++i) {
        const QString page = pictures[i].simplified().section(' ', 0, 0);
        const QString text =
            Poppler("pdftotext", {"-f", page, "-l", page, pdf, "-"}).value_or(QString());
        EXPECT_TRUE(text.contains(QString("Heading%1\n").arg(i + 1))) << "position " << i + 1;
    }
}

struct PaperRow {
    const char* name;
    QLocale locale;
    QPageSize::PageSizeId paper;
};

class PaperSizeTest : public ::testing::TestWithParam<PaperRow> {};

TEST_P(PaperSizeTest, FollowsTheLocalesCountry) {
    EXPECT_EQ(PaperSizeFor(GetParam().locale), GetParam().paper);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PaperSizeTest,
    ::testing::Values(
        PaperRow{"UnitedStates", QLocale(QLocale::English, QLocale::UnitedStates),
                 QPageSize::Letter},
        PaperRow{"Canada", QLocale(QLocale::French, QLocale::Canada), QPageSize::Letter},
        PaperRow{"Mexico", QLocale(QLocale::Spanish, QLocale::Mexico), QPageSize::Letter},
        PaperRow{"Russia", QLocale(QLocale::Russian, QLocale::Russia), QPageSize::A4},
        PaperRow{"Britain", QLocale(QLocale::English, QLocale::UnitedKingdom), QPageSize::A4},
        PaperRow{"C", QLocale::c(), QPageSize::A4}),
    [](const auto& info) { return info.param.name; });

}  // namespace
