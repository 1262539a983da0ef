#pragma once

#include <QPoint>
#include <QRect>

#include "table/DeckSlots.h"

class QImage;
class QPainter;

// The pile: 18 large backs, each 4 pixels right of and below the one before.
constexpr int kPileCards = 18;
constexpr int kPileStep = 4;

// Top-left corner of the pile's first back on a window W x H pixels large.
QPoint PileOrigin(int windowWidth, int windowHeight);

void PaintPile(QPainter& painter, const QImage& cardBackLarge, int windowWidth, int windowHeight);

// Slots 0..deckSize-1 in order, so a higher slot lies on top; slots off the table are skipped.
void PaintArc(QPainter& painter, const DeckSlots& deck, int deckSize, const QImage& cardBackSmall);

// The keyboard focus frame, drawn inside `box`: a dark and a light ring, so that one of them
// stands out on any table colour and on any card.
void PaintFocusFrame(QPainter& painter, const QRect& box);
