#include "platform/RtfWordAutomation.h"

#include <QBuffer>
#include <QColor>

#include <algorithm>

#include "platform/Clipboard.h"
#include "platform/Shell.h"
#include "platform/WholeFile.h"

namespace {

class RtfRange : public WordRange {
public:
    RtfRange(RtfDocument& doc, int start, int end) : doc_(doc), start_(start), end_(end) {}

    void InsertAfter(const QString& text) override { doc_.append(text); }
    QString Text() const override { return doc_.text(start_, end_); }
    void Select() override {
        doc_.selectionStart = start_;
        doc_.selectionEnd = end_;
    }
    void SetFontBold(int bold) override {
        doc_.format(start_, end_, [bold](RtfDocument::Format& f) { f.bold = bold; });
    }
    void SetFontSize(int points) override {
        doc_.format(start_, end_, [points](RtfDocument::Format& f) { f.size = points; });
    }
    void SetFontColor(int color) override {
        doc_.format(start_, end_, [color](RtfDocument::Format& f) { f.color = color; });
    }
    void SetKeepWithNext(bool keep) override { doc_.keepWithNext(start_, end_, keep); }

private:
    RtfDocument& doc_;
    int start_;
    int end_;
};

// The colour as 0x00BBGGRR, the way the automation gives it.
QColor FromWordColor(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QByteArray RtfText(QChar ch) {
    switch (ch.unicode()) {
        case '\\':
            return "\\\\";
        case '{':
            return "\\{";
        case '}':
            return "\\}";
        case '\t':
            return "\\tab ";
        case '\r':
            return "\\par\n";
    }
    if (ch.unicode() < 0x20) return {};
    if (ch.unicode() < 0x80) return QByteArray(1, static_cast<char>(ch.unicode()));
    return "\\u" + QByteArray::number(static_cast<qint16>(ch.unicode())) + "?";
}

QByteArray RtfPicture(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    // Shown at 96 pixels per inch: 15 twips a pixel.
    QByteArray rtf = "{\\pict\\pngblip\\picw" + QByteArray::number(picture.width()) + "\\pich" +
                     QByteArray::number(picture.height()) + "\\picwgoal" +
                     QByteArray::number(picture.width() * 15) + "\\pichgoal" +
                     QByteArray::number(picture.height() * 15) + "\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) rtf += hex.mid(i, 128) + "\n";
    return rtf + "}";
}

}  // namespace

RtfDocument::RtfDocument() { characters_.append({QChar('\r'), Format{}, -1}); }

std::unique_ptr<WordRange> RtfDocument::Range() {
    return std::make_unique<RtfRange>(*this, 0, static_cast<int>(characters_.size()));
}

std::unique_ptr<WordRange> RtfDocument::Range(int start) {
    return Range(start, static_cast<int>(characters_.size()));
}

std::unique_ptr<WordRange> RtfDocument::Range(int start, int end) {
    const int size = static_cast<int>(characters_.size());
    start = std::clamp(start, 0, size);
    end = std::clamp(end, start, size);
    return std::make_unique<RtfRange>(*this, start, end);
}

QString RtfDocument::text(int start, int end) const {
    QString result;
    for (int i = start; i < end && i < characters_.size(); ++i) result += characters_[i].ch;
    return result;
}

void RtfDocument::append(const QString& text) {
    // New text goes before the last paragraph mark and takes its formatting.
    const Character mark = characters_.takeLast();
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar ch = text[i];
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (ch == '\n') ch = '\r';
        characters_.append(Character{ch, mark.format, -1});
    }
    characters_.append(mark);
}

void RtfDocument::format(int start, int end, const std::function<void(Format&)>& change) {
    for (int i = std::max(start, 0); i < end && i < characters_.size(); ++i)
        change(characters_[i].format);
}

void RtfDocument::keepWithNext(int start, int end, bool keep) {
    // From the start of the first paragraph touched to the mark ending the last one; the
    // document's last character is always a mark.
    const int last = static_cast<int>(characters_.size()) - 1;
    int from = std::clamp(start, 0, last);
    while (from > 0 && characters_[from - 1].ch != '\r') --from;
    int to = std::clamp(end - 1, from, last);
    while (characters_[to].ch != '\r') ++to;
    for (int i = from; i <= to; ++i) characters_[i].format.keepWithNext = keep;
}

void RtfDocument::insertPicture(int start, int end, const QImage& picture) {
    const int last = static_cast<int>(characters_.size()) - 1;
    start = std::clamp(start, 0, last);
    end = std::clamp(end, start, last);
    const Format format = characters_[start].format;
    characters_.remove(start, end - start);
    pictures_.append(picture);
    characters_.insert(start,
                       Character{kPictureChar, format, static_cast<int>(pictures_.size()) - 1});
}

void RtfDocument::SaveAs(const QString& path) {
    QString error;
    if (!WriteWholeFile(path, ToRtf(), &error))
        throw AutomationError(QString(path + ": " + error).toStdString());
    savedPath_ = path;
}

QByteArray RtfDocument::ToRtf() const {
    QList<int> colors;
    for (const Character& c : characters_)
        if (!colors.contains(c.format.color)) colors.append(c.format.color);
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\froman Times New "
        "Roman;}}\n{\\colortbl;";
    for (int color : colors) {
        const QColor c = FromWordColor(color);
        rtf += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
               "\\blue" + QByteArray::number(c.blue()) + ";";
    }
    rtf += "}\n";
    // One group per run of equal formatting; the last paragraph mark ends the document.
    for (qsizetype i = 0; i + 1 < characters_.size();) {
        const Format format = characters_[i].format;
        rtf += "{\\f0" + QByteArray(format.bold ? "\\b" : "\\b0") + "\\fs" +
               QByteArray::number(format.size * 2) + "\\cf" +
               QByteArray::number(colors.indexOf(format.color) + 1) +
               (format.keepWithNext ? "\\keepn " : " ");
        for (; i + 1 < characters_.size() && characters_[i].format == format; ++i) {
            const Character& c = characters_[i];
            rtf += c.picture >= 0 ? RtfPicture(pictures_[c.picture]) : RtfText(c.ch);
        }
        rtf += "}";
    }
    return rtf + "\\par\n}\n";
}

RtfWordApplication::RtfWordApplication(Clipboard& clipboard, Shell& shell)
    : clipboard_(clipboard), shell_(shell) {}

WordDocument& RtfWordApplication::AddDocument() {
    documents_.push_back(std::make_unique<RtfDocument>());
    return *documents_.back();
}

void RtfWordApplication::PasteSelection() {
    const QImage picture = clipboard_.image();
    if (picture.isNull()) throw AutomationError("the clipboard holds no picture");
    for (const auto& doc : documents_)
        if (doc->selectionStart >= 0) {
            doc->insertPicture(doc->selectionStart, doc->selectionEnd, picture);
            doc->selectionStart = doc->selectionEnd = -1;
            return;
        }
    throw AutomationError("nothing is selected");
}

void RtfWordApplication::SetVisible(bool visible) {
    if (!visible) return;
    for (const auto& doc : documents_)
        if (!doc->savedPath().isEmpty() && !shell_.openFile(doc->savedPath()))
            throw DocumentNotShown(doc->savedPath());
}

RtfWordAutomation::RtfWordAutomation(Clipboard& clipboard, Shell& shell)
    : clipboard_(clipboard), shell_(shell) {}

std::unique_ptr<WordApplication> RtfWordAutomation::CreateApplication() {
    return std::make_unique<RtfWordApplication>(clipboard_, shell_);
}
