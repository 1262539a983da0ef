#include "export/ReadingExports.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLocale>

#include "decks/CardTexts.h"
#include "export/HtmlExport.h"
#include "export/PaperPrint.h"
#include "export/PdfExport.h"
#include "export/PrintDocument.h"
#include "export/PrintFrm.h"
#include "export/PrintImages.h"
#include "export/PrintPages.h"
#include "export/WordExport.h"
#include "export/WriterExport.h"
#include "i18n/FixedTexts.h"
#include "i18n/Msg.h"
#include "platform/Platform.h"
#include "platform/WholeFile.h"
#include "spreads/Misc.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"

namespace {

constexpr char kPdfPattern[] = " (*.pdf)";  // after the filter's name
constexpr char kPdfSuffix[] = "pdf";

PrintChoices ChoicesOf(const Settings& settings) {
    return {settings.PrintView, settings.PrintBigCards, settings.PrintExpl};
}

CardTextSource ExplanationsOf(const ProgramState& program) {
    return [&program](int card, bool reversed) {
        return LoadCardText(program.AppDir, program.Places.UserData(), program.DeckDirectoryInUse(),
                            program.settings.LanguageName, card, reversed);
    };
}

// The busy pointer for the whole application while the office works.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

ReadingExports::ReadingExports(ProgramState& program, ReadingModel& reading, QWidget* window)
    : program_(program), reading_(reading), window_(window) {}

bool ReadingExports::CheckComplete() {
    if (reading_.Complete()) return true;
    program_.platform.messageBoxes->showMessage(window_,
                                                program_.Messages[Msg::ReadingNotComplete]);
    return false;
}

bool ReadingExports::MakeImages(QString* errorString) {
    return MakePrintImages(PrintLayoutOf(reading_.Snapshot()), ExportDir(),
                           program_.DeckDirectoryInUse(), program_.settings.PrintSchema,
                           errorString);
}

void ReadingExports::MakeImagesForDocument() {
    QString error;
    if (!MakeImages(&error)) throw AutomationError(error.toStdString());
}

QString ReadingExports::ExportDir() const { return program_.Places.ExportDir(); }

QString ReadingExports::NewExportPath(const QString& extension) const {
    return ExportDir() + "/" + UnicName(program_.platform.systemInfo->tickCount()) + "." +
           extension;
}

QString ReadingExports::DocumentTitle() const {
    const SystemInfo& info = *program_.platform.systemInfo;
    return reading_.SpreadName() + " (" + info.shortDate(info.today()) + ")";
}

PrintDocument ReadingExports::MakePrintDocument() const {
    const QString deckDir = program_.DeckDirectoryInUse();
    const ReadingSnapshot reading = reading_.Snapshot();
    return BuildPrintDocument(
        reading, PrintLayoutOf(reading), program_.CardTitles, ChoicesOf(program_.settings),
        program_.settings.PrintSchema,
        {DocumentTitle(), program_.Messages[Msg::ReversedWord], program_.Messages[Msg::Comments]},
        ExplanationsOf(program_), [&deckDir](int card) { return DeckCardPicture(deckDir, card); });
}

void ReadingExports::ShowFailure(const QString& text, const QString& reason) {
    program_.platform.messageBoxes->showMessage(window_, text + "\n" + reason);
}

void ReadingExports::ShowNotOpened(const QString& path) {
    program_.platform.messageBoxes->showMessage(
        window_, program_.Messages[Msg::NoProgramToOpen] + "\n" + QDir::toNativeSeparators(path));
}

void ReadingExports::Print1Click() {
    if (!CheckComplete()) return;
    TForm18 dialog(program_.Messages, program_.settings, reading_.ReadingComments, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.TakeChoices(program_.settings);
    reading_.ReadingComments = dialog.Comments();
    switch (program_.settings.PrintType) {
        case PrintFormat::WordDocument:
            ExportinWord();
            break;
        case PrintFormat::WebPage:
            PrintinHTMLformat1Click();
            break;
        case PrintFormat::WriterDocument:
            ExportinOpenOf();
            break;
        case PrintFormat::Printer:
            PrintOnPrinter();
            break;
        case PrintFormat::Pdf:
            ExportinPdf();
            break;
    }
}

void ReadingExports::PrintinHTMLformat1Click() {
    if (!CheckComplete()) return;
    QString error;
    if (!MakeImages(&error)) return ShowFailure(FixedText::HtmlNotCreated, error);
    const QString page = BuildHtmlPage(reading_.Snapshot(), program_.CardTitles,
                                       ChoicesOf(program_.settings), ExplanationsOf(program_));
    const QString path = NewExportPath("htm");
    if (!WriteWholeFile(path, page.toUtf8(), &error))
        return ShowFailure(FixedText::HtmlNotCreated,
                           QDir::toNativeSeparators(path) + ": " + error);
    if (!program_.platform.shell->openFile(path)) ShowNotOpened(path);
}

void ReadingExports::ExportinWord() {
    if (!CheckComplete()) return;
    Platform& platform = program_.platform;
    try {
        MakeImagesForDocument();
        BuildWordDocument(*platform.word, *platform.clipboard, reading_.Snapshot(),
                          program_.CardTitles, ChoicesOf(program_.settings),
                          ExplanationsOf(program_), DocumentTitle(), ExportDir(),
                          [this] { return NewExportPath("doc"); });
    } catch (const DocumentNotShown& failure) {
        ShowNotOpened(failure.path);
    } catch (const AutomationError& failure) {
        ShowFailure(FixedText::WordNotCreated, QString::fromStdString(failure.what()));
    }
}

void ReadingExports::ExportinOpenOf() {
    if (!CheckComplete()) return;
    Platform& platform = program_.platform;
    try {
        MakeImagesForDocument();
        const BusyPointer busy;
        BuildWriterDocument(*platform.office, reading_.Snapshot(), program_.CardTitles,
                            ChoicesOf(program_.settings), ExplanationsOf(program_), DocumentTitle(),
                            ExportDir(), platform.systemInfo->pixelsPerInch(),
                            [this] { return NewExportPath("odt"); });
    } catch (const DocumentNotShown& failure) {
        ShowNotOpened(failure.path);
    } catch (const AutomationError& failure) {
        ShowFailure(FixedText::OpenOfficeNotCreated, QString::fromStdString(failure.what()));
    }
}

void ReadingExports::PrintOnPrinter() {
    if (!CheckComplete()) return;
    PrintDocument document;
    {
        const BusyPointer busy;
        document = MakePrintDocument();
    }
    QString error;
    if (program_.platform.printer->Print(PaperPrintJob(document, PaperSizeFor(QLocale::system())),
                                         window_, &error) == PrintOutcome::Failed)
        ShowFailure(program_.Messages[Msg::NotPrinted], error);
}

void ReadingExports::ExportinPdf() {
    if (!CheckComplete()) return;
    const MessageList& messages = program_.Messages;
    const SystemInfo& info = *program_.platform.systemInfo;
    const std::optional<QString> path = program_.platform.fileDialogs->saveFile(
        window_, {program_.ReadingDialogDir,
                  ReadingFileTitle(info.shortDate(info.today()), reading_.Has79thCard,
                                   reading_.SpreadName()) +
                      "." + kPdfSuffix,
                  messages[Msg::PdfFiles] + kPdfPattern, kPdfSuffix});
    if (!path) return;
    QString error;
    bool written = false;
    {
        const BusyPointer busy;
        const std::optional<QByteArray> bytes =
            PdfBytes(MakePrintDocument(), PaperSizeFor(QLocale::system()), &error);
        written = bytes && WriteWholeFile(*path, *bytes, &error);
    }
    if (!written)
        return ShowFailure(messages[Msg::PdfNotCreated],
                           QDir::toNativeSeparators(*path) + ": " + error);
    QString told = messages[Msg::PdfSaved] + "\n" + QDir::toNativeSeparators(*path);
    if (!program_.platform.shell->openFile(*path)) told += "\n" + messages[Msg::PdfNotOpened];
    program_.platform.messageBoxes->showMessage(window_, told);
}
