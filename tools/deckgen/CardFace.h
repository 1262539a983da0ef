#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "tools/deckgen/DeckStyle.h"

// The size the faces are generated at: large enough for the enlarged picture, in the
// proportions of the 87 x 148 table card.
constexpr QSize kFaceSize(330, 561);

// Paints the face of card 0..78: frame, numeral, emblem, pips or figure, and the title.
// A leading numeral such as "XVII. " is left out of the title, the plate above shows it.
QImage PaintCardFace(const DeckStyle& style, int card, const QString& title,
                     QSize size = kFaceSize);
