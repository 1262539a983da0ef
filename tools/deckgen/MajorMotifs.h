#pragma once

#include <QPainter>
#include <QRectF>

#include "tools/deckgen/Emblems.h"

// The centrepiece of Major Arcana card 0..21: a medallion whose ring of petals and inner star
// change with the number, and a symbol of its own in the middle.
void DrawMajorMotif(QPainter& painter, int card, const QRectF& area, const Ink& ink);
