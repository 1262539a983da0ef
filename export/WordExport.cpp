#include "export/WordExport.h"

#include "export/PrintImages.h"
#include "platform/Clipboard.h"
#include "platform/WordAutomation.h"

namespace {

const QString kCrLf = "\r\n";
constexpr int kBlack = 0;
constexpr int kGreen = 32768;
constexpr int kBlue = 16711680;

// The length of the whole document's text: the position of its end.
int EndPosition(WordDocument& doc) { return static_cast<int>(doc.Range()->Text().size()); }

void Format(WordRange& range, int bold, int size, int color) {
    range.SetFontBold(bold);
    range.SetFontSize(size);
    range.SetFontColor(color);
}

// Appends the text and formats it together with the paragraph mark before it.
void InsertFormatted(WordDocument& doc, const QString& text, int bold, int size, int color) {
    const int n = EndPosition(doc);
    doc.Range()->InsertAfter(text);
    Format(*doc.Range(n - 1), bold, size, color);
}

void PastePicture(WordApplication& app, WordDocument& doc, Clipboard& clipboard,
                  const QString& path) {
    clipboard.setImage(ReadPrintPicture(path));
    const int n = EndPosition(doc);
    doc.Range(n - 1)->Select();
    app.PasteSelection();
    doc.Range()->InsertAfter(kCrLf + kCrLf);
}

}  // namespace

void BuildWordDocument(WordAutomation& word, Clipboard& clipboard, const ReadingSnapshot& reading,
                       const CardTitleList& titles, const PrintChoices& choices,
                       const CardTextSource& explanation, const QString& title,
                       const QString& tempDir, const std::function<QString()>& savePath) {
    std::unique_ptr<WordApplication> app = word.CreateApplication();
    WordDocument& doc = app->AddDocument();
    doc.Range()->InsertAfter(title + kCrLf + kCrLf);
    Format(*doc.Range(), 1, 16, kBlue);
    if (choices.view) PastePicture(*app, doc, clipboard, tempDir + "/1000.bmp");
    for (int i = 0; i < reading.positions.size(); ++i) {
        const ReadingSnapshot::Position& position = reading.positions[i];
        const int headingStart = EndPosition(doc) - 1;
        InsertFormatted(doc, PositionHeading(reading, i, QString()) + kCrLf, 1, 12, kBlack);
        QString cardLine = position.card >= 0 && position.card < static_cast<int>(titles.size())
                               ? titles[position.card]
                               : QString();
        if (position.reversed) cardLine += " (reversed) ";
        InsertFormatted(doc, cardLine + kCrLf + kCrLf, 1, 12, kGreen);
        // The heading and the card line stay on the page of what follows them: with the empty
        // line after them when the card's picture or explanation comes next.
        const bool explained = choices.expl && !position.significator;
        doc.Range(headingStart, EndPosition(doc) - (choices.bigCards || explained ? 1 : 2))
            ->SetKeepWithNext(true);
        if (choices.bigCards)
            PastePicture(*app, doc, clipboard, tempDir + "/" + QString::number(i) + ".bmp");
        if (explained)
            InsertFormatted(doc, explanation(position.card, position.reversed) + kCrLf + kCrLf, 0,
                            10, kBlack);
    }
    doc.Range(0, 0)->Select();
    doc.SaveAs(savePath());
    app->SetVisible(true);
}
