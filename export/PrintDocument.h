#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

#include "export/HtmlExport.h"
#include "export/PrintImages.h"

// A reading as it goes on paper or into a PDF file: the same document for both.
struct PrintDocument {
    struct Entry {
        QString heading;
        QString cardLine;     // the card's title, and the word for reversed
        QImage card;          // null when full-size cards are not printed
        QString explanation;  // empty when explanations are not printed
    };

    QString title;
    QString commentHeading;
    QString comment;
    QImage spreadPicture;        // null when the spread picture is not printed
    int spreadPictureScale = 1;  // its pixels for one pixel of the screen's picture
    QList<Entry> entries;
};

// The texts of the document that come from the interface language.
struct PrintDocumentTexts {
    QString title;
    QString reversedWord;  // the card line of a reversed card ends with it in parentheses
    QString commentHeading;
};

// A card's picture from the deck, at print resolution; null when it cannot be loaded.
using CardPictureSource = std::function<QImage(int card)>;

// A full-size card's width on paper, and the resolution its picture is printed at.
constexpr double kCardWidthMm = 38;
constexpr int kPrintDotsPerInch = 300;

// The picture of a card from the deck's folder, at most as many pixels wide as the printed card
// takes at kPrintDotsPerInch; null when it cannot be loaded.
QImage DeckCardPicture(const QString& deckDir, int card);

// How many pixels of print stand for one pixel of the screen's spread picture.
constexpr int kSpreadPictureScale = 3;

// Builds the document of a reading as the choices say. The spread picture takes its small cards
// from the same pictures as the full-size cards; a reversed card is turned in both.
PrintDocument BuildPrintDocument(const ReadingSnapshot& reading, const PrintLayout& layout,
                                 const CardTitleList& titles, const PrintChoices& choices,
                                 bool schematic, const PrintDocumentTexts& texts,
                                 const CardTextSource& explanation,
                                 const CardPictureSource& picture);
