#pragma once

#include <QPainter>
#include <QRectF>

#include "tools/deckgen/DeckStyle.h"

// The ranks of the court cards in the order a suit numbers them: Page or Princess, Knight or
// Prince, Queen, King or Knight of the New Age sequence.
constexpr int kCourtRanks = 4;

// The figure of a court card of rank 0..3 in its cameo, holding the suit's emblem. Each rank
// wears its own headgear and adds its own sign: the page none, the knight shoulder plates,
// the queen a veil and pearls, the king a beard and an ermine collar.
void DrawCourtFigure(QPainter& painter, Suit suit, int rank, const QRectF& area,
                     const CardPalette& palette);

// The headgear of the rank alone, as large as fits in the box and centred in it: the sign of
// the rank where the number cards show their number.
void DrawRankGlyph(QPainter& painter, int rank, const QRectF& box, const Ink& ink);
