#pragma once

#include <QImage>
#include <QSize>

#include "tools/deckgen/DeckStyle.h"

// The size the faces are generated at: large enough for the enlarged picture, in the
// proportions of the 87 x 148 table card.
constexpr QSize kFaceSize(330, 561);

// Paints the face of card 0..78: frame, numeral or rank, emblems, pips or figure, and an
// ornamented banner. The face carries no words, so it serves every language.
QImage PaintCardFace(const DeckStyle& style, int card, QSize size = kFaceSize);
