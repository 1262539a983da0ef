#pragma once

class QString;
class QWidget;
class ReadingModel;
struct PrintDocument;
struct ProgramState;

// The Print command and the exports of a finished reading: the print settings dialog, the
// print pictures, the HTML page opened in the browser, the word processor's document, the
// printout on paper and the PDF file.
class ReadingExports {
public:
    ReadingExports(ProgramState& program, ReadingModel& reading, QWidget* window);

    // Asks for the print settings and comments, then runs the chosen export.
    void Print1Click();
    void PrintinHTMLformat1Click();
    void ExportinWord();
    void ExportinOpenOf();
    // A print preview, then the system's print dialog.
    void PrintOnPrinter();
    // A PDF file the user names, opened with the desktop when saved.
    void ExportinPdf();

private:
    // Shows message 92 and returns false while the reading is not complete.
    bool CheckComplete();
    // The print pictures in Temp; false with the reason when one cannot be written.
    bool MakeImages(QString* errorString);
    // The same for a document, failing with AutomationError.
    void MakeImagesForDocument();
    // Where the exports write their pictures and documents, and a fresh file name there.
    QString ExportDir() const;
    QString NewExportPath(const QString& extension) const;
    // The spread's name and today's date, heading a document.
    QString DocumentTitle() const;
    // The printout of the reading as the print settings say, for paper and PDF.
    PrintDocument MakePrintDocument() const;
    // The format's message, and the reason on a second line.
    void ShowFailure(const QString& text, const QString& reason);
    // The document was made, but the desktop has no program that opens it.
    void ShowNotOpened(const QString& path);

    ProgramState& program_;
    ReadingModel& reading_;
    QWidget* window_;
};
