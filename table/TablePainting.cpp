#include "table/TablePainting.h"

#include <algorithm>

#include <QImage>
#include <QPainter>

QPoint PileOrigin(int windowWidth, int windowHeight) {
    return QPoint(windowWidth / 2 - 77, windowHeight / 2 - 164);
}

void PaintPile(QPainter& painter, const QImage& cardBackLarge, int windowWidth, int windowHeight) {
    const QPoint origin = PileOrigin(windowWidth, windowHeight);
    for (int k = 0; k < kPileCards; ++k)
        painter.drawImage(origin + QPoint(k * kPileStep, k * kPileStep), cardBackLarge);
}

void PaintArc(QPainter& painter, const DeckSlots& deck, int deckSize, const QImage& cardBackSmall) {
    const int n = std::clamp(deckSize, 0, kCardCount);
    for (int i = 0; i < n; ++i) PaintCardBack(deck[i], painter, cardBackSmall);
}
