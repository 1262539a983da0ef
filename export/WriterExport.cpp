#include "export/WriterExport.h"

#include <QUrl>

#include "export/PrintImages.h"

namespace {

// Character colours as 0xRRGGBB.
constexpr int kBlack = 0;
constexpr int kDarkGreen = 30720;
constexpr int kBlue = 255;
constexpr int kBold = 150;
constexpr int kNormal = 100;
constexpr int kParagraphBreak = 0;
constexpr int kAnchorAsCharacter = 1;  // TextContentAnchorType AS_CHARACTER

// The document being built: the objects every step needs.
struct Writer {
    OfficeObject& sm;
    OfficeObject& doc;
    OfficeObject& text;
    OfficeObjectPtr cursor;
    int pixelsPerInch;

    void Characters(int color, int height, int weight) {
        cursor->Call("SetPropertyValue", {"CharColor", color});
        cursor->Call("SetPropertyValue", {"CharHeight", height});
        cursor->Call("SetPropertyValue", {"CharWeight", weight});
    }
    void Breaks(int count) {
        for (int i = 0; i < count; ++i)
            text.Call("InsertControlCharacter", {ValueOf(cursor), kParagraphBreak, false});
    }
    void Insert(const QString& string, int breaks) {
        text.Call("InsertString", {ValueOf(cursor), string, false});
        Breaks(breaks);
    }
    // Links the picture file at the cursor, sized as it shows on the screen. The office takes
    // a missing file without a word, so the file is read here first.
    void Picture(const QString& path) {
        const QSize pixels = ReadPrintPicture(path).size();
        const OfficeObjectPtr graphic =
            ObjectOf(doc.Call("createInstance", {"com.sun.star.text.GraphicObject"}));
        graphic->setProperty("GraphicURL", FileUrl(path));
        // Kept in the line like a character, a picture takes its own room: anchored to the
        // paragraph (the office's default) the big pictures overlap one another.
        graphic->setProperty("AnchorType", kAnchorAsCharacter);
        text.Call("insertTextContent", {ValueOf(cursor), ValueOf(graphic), false});
        const QSize size = PictureSizeInHundredthsOfMm(pixels, pixelsPerInch);
        const OfficeObjectPtr sizeStruct =
            ObjectOf(sm.Call("Bridge_GetStruct", {"com.sun.star.awt.Size"}));
        sizeStruct->setProperty("Width", size.width());
        sizeStruct->setProperty("Height", size.height());
        graphic->setProperty("Size", ValueOf(sizeStruct));
        Breaks(2);
    }
};

// Builds, stores and shows the document; the stored document's path.
QString Build(OfficeAutomation& office, const ReadingSnapshot& reading, const CardTitleList& titles,
              const PrintChoices& choices, const CardTextSource& explanation, const QString& title,
              const QString& tempDir, int pixelsPerInch, const std::function<QString()>& savePath) {
    const OfficeObjectPtr sm = office.CreateObject("com.sun.star.ServiceManager");
    const OfficeObjectPtr desktop =
        ObjectOf(sm->Call("createInstance", {"com.sun.star.frame.Desktop"}));
    QVariantList args{ValueOf(ooCreateValue("Hidden", true, *sm))};
    const OfficeObjectPtr doc = ObjectOf(desktop->Call(
        "LoadComponentFromURL", {"private:factory/swriter", "_blank", 0, QVariant(args)}));
    const OfficeObjectPtr text = ObjectOf(doc->Call("GetText"));
    Writer writer{*sm, *doc, *text, ObjectOf(text->Call("CreateTextCursor")), pixelsPerInch};

    writer.Characters(kBlue, 16, kBold);
    writer.Insert(title, 2);
    if (choices.view) writer.Picture(tempDir + "/1000.bmp");
    for (int i = 0; i < reading.positions.size(); ++i) {
        const ReadingSnapshot::Position& position = reading.positions[i];
        writer.Characters(kBlack, 12, kBold);
        writer.Insert(PositionHeading(reading, i, QString()), 1);
        QString cardLine = position.card >= 0 && position.card < static_cast<int>(titles.size())
                               ? titles[position.card]
                               : QString();
        if (position.reversed) cardLine += " (reversed) ";
        writer.Characters(kDarkGreen, 12, kBold);
        writer.Insert(cardLine, 2);
        if (choices.bigCards) writer.Picture(tempDir + "/" + QString::number(i) + ".bmp");
        if (choices.expl && !position.significator) {
            writer.Characters(kBlack, 10, kNormal);
            writer.Insert(explanation(position.card, position.reversed), 2);
        }
    }
    const QString path = savePath();
    const QString url = FileUrl(path);
    doc->Call("StoreToURL", {url, QVariant(args)});
    doc->Call("Dispose");
    args[0] = ValueOf(ooCreateValue("Hidden", false, *sm));
    desktop->Call("LoadComponentFromURL", {url, "_blank", 0, QVariant(args)});
    return path;
}

}  // namespace

OfficeObjectPtr ooCreateValue(const QString& name, const QVariant& value, OfficeObject& sm) {
    const OfficeObjectPtr reflection =
        ObjectOf(sm.Call("createInstance", {"com.sun.star.reflection.CoreReflection"}));
    const OfficeObjectPtr type =
        ObjectOf(reflection->Call("forName", {"com.sun.star.beans.PropertyValue"}));
    QVariantList result{QVariant()};
    type->call("createObject", result);
    const OfficeObjectPtr property = ObjectOf(result[0]);
    property->setProperty("Name", name);
    property->setProperty("Value", value);
    return property;
}

QSize PictureSizeInHundredthsOfMm(QSize pixels, int pixelsPerInch) {
    const auto scaled = [pixelsPerInch](int length) {
        return static_cast<int>(qint64(length) * pixelsPerInch * 100 / 363);
    };
    return {scaled(pixels.width()), scaled(pixels.height())};
}

QString FileUrl(const QString& path) {
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

void BuildWriterDocument(OfficeAutomation& office, const ReadingSnapshot& reading,
                         const CardTitleList& titles, const PrintChoices& choices,
                         const CardTextSource& explanation, const QString& title,
                         const QString& tempDir, int pixelsPerInch,
                         const std::function<QString()>& savePath) {
    QString path;
    try {
        path = Build(office, reading, titles, choices, explanation, title, tempDir, pixelsPerInch,
                     savePath);
    } catch (const AutomationError&) {
        office.Release(true);
        throw;
    }
    if (!office.Release(false)) throw DocumentNotShown(path);
}
