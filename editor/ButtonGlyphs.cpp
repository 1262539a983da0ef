#include "editor/ButtonGlyphs.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSize = 16;
const QColor kCardFill(250, 246, 232);
const QColor kInk(40, 40, 40);
const QColor kGreen(20, 140, 40);
const QColor kRed(190, 20, 20);

// A small upright card, the sign of a position.
void DrawCard(QPainter& painter) {
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kCardFill);
    painter.drawRoundedRect(QRectF(1.5, 0.5, 8, 12), 1.5, 1.5);
}

void DrawSign(QPainter& painter, const QColor& colour, bool plus) {
    painter.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8.5, 11.5), QPointF(14.5, 11.5));
    if (plus) painter.drawLine(QPointF(11.5, 8.5), QPointF(11.5, 14.5));
}

void Draw(QPainter& painter, ButtonGlyph glyph) {
    switch (glyph) {
        case ButtonGlyph::Add:
            DrawCard(painter);
            DrawSign(painter, kGreen, true);
            break;
        case ButtonGlyph::Delete:
            DrawCard(painter);
            DrawSign(painter, kRed, false);
            break;
        case ButtonGlyph::Explanation:
            painter.setPen(QPen(kInk, 1));
            painter.setBrush(kCardFill);
            painter.drawRect(QRectF(2.5, 0.5, 11, 14));
            for (int y = 4; y <= 11; y += 2)
                painter.drawLine(QPointF(4.5, y + 0.5), QPointF(y == 10 ? 8.5 : 11.5, y + 0.5));
            break;
        case ButtonGlyph::Save:
            painter.setPen(QPen(kGreen, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
            break;
        case ButtonGlyph::Cancel:
            painter.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
            painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
            break;
    }
}

}  // namespace

QIcon MakeButtonGlyph(ButtonGlyph glyph) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, glyph);
    painter.end();
    return QIcon(pixmap);
}
