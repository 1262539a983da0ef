#pragma once

#include <QColor>
#include <QString>

#include "tools/deckgen/Emblems.h"

// The colours of one group of cards: the Major Arcana, one suit, or the extra card.
struct CardPalette {
    QColor border;    // outside the frame
    QColor panelTop;  // the picture's background, shading downwards
    QColor panelBottom;
    QColor accent;  // frame lines, the plate's and the banner's edges, the ornaments
    QColor text;    // the numeral
    QColor banner;  // behind the numeral and the ornament
    QColor cameo;   // behind the court figures
    Ink emblem;
};

// How a deck draws its frame.
enum class FrameShape { Rounded, Notched };

// Everything that makes one deck look like itself.
struct DeckStyle {
    QString name;
    FrameShape frame;
    CardPalette major;
    CardPalette suits[4];  // in card-number order: Wands, Cups, Swords, Pentacles
    CardPalette extra;

    const CardPalette& paletteOf(int card) const;
};

// Warm parchment cards with the traditional colours of the elements.
const DeckStyle& ArdentineStyle();
// Night-coloured cards with luminous emblems and cut corners.
const DeckStyle& VelmarStyle();
