#include "export/PrintDocument.h"

#include <algorithm>
#include <cmath>

#include "decks/JpegDecoder.h"

QImage DeckCardPicture(const QString& deckDir, int card) {
    if (deckDir.isEmpty() || card < 0) return {};
    const QString path = deckDir + "/" + QString::number(card) + ".jpg";
    const QSize full = JpegPictureSize(path);
    const int widest = static_cast<int>(std::lround(kCardWidthMm / 25.4 * kPrintDotsPerInch));
    if (!full.isValid() || full.width() <= widest) return DecodeJpeg(path);
    return DecodeJpeg(
        path, QSize(widest, std::max(1, static_cast<int>(static_cast<qint64>(full.height()) *
                                                         widest / full.width()))));
}

PrintDocument BuildPrintDocument(const ReadingSnapshot& reading, const PrintLayout& layout,
                                 const CardTitleList& titles, const PrintChoices& choices,
                                 bool schematic, const PrintDocumentTexts& texts,
                                 const CardTextSource& explanation,
                                 const CardPictureSource& picture) {
    PrintDocument document;
    document.title = texts.title;
    document.commentHeading = texts.commentHeading;
    document.comment = reading.comment;
    SpreadPicture spread(layout, schematic, kSpreadPictureScale);
    for (int i = 0; i < reading.positions.size(); ++i) {
        const ReadingSnapshot::Position& position = reading.positions[i];
        PrintDocument::Entry entry;
        entry.heading = PositionHeading(reading, i, " ");
        entry.cardLine = CardTitle(titles, position.card);
        if (position.reversed) entry.cardLine += " (" + texts.reversedWord + ")";
        if (choices.expl && !position.significator)
            entry.explanation = explanation(position.card, position.reversed);
        QImage card;
        if ((choices.bigCards || choices.view) && position.card >= 0) card = picture(position.card);
        if (!card.isNull() && position.reversed) card = card.mirrored(true, true);
        // As on the screen's picture, a position whose card cannot be loaded is left out.
        if (choices.view && i < layout.positions.size() && !card.isNull())
            spread.Draw(layout.positions[i], card);
        if (choices.bigCards) entry.card = card;
        document.entries.append(entry);
    }
    if (choices.view) {
        document.spreadPicture = spread.Image();
        document.spreadPictureScale = kSpreadPictureScale;
    }
    return document;
}
