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

void PaintFocusFrame(QPainter& painter, const QRect& box) {
    constexpr int kRing = 2;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const QColor rings[] = {Qt::black, Qt::white, Qt::black};
    for (int ring = 0; ring < 3; ++ring) {
        painter.setPen(QPen(rings[ring], kRing, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const int inset = ring * kRing + kRing / 2;
        painter.drawRect(box.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    painter.restore();
}
