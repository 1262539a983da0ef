#include "tools/deckgen/CourtFigures.h"

#include <algorithm>

#include <QPainterPath>

namespace {

// A veil falling from the crown to the shoulders, drawn behind the head of radius r at h in
// the head's own colour, so that both read as one silhouette with long hair.
void DrawVeil(QPainter& p, QPointF h, double r, const Ink& ink) {
    const auto at = [&](double fx, double fy) { return h + QPointF(fx * r, fy * r); };
    QPainterPath veil;
    veil.moveTo(at(-1.05, -0.3));
    veil.cubicTo(at(-1.5, 1.0), at(-1.9, 2.0), at(-2.1, 2.8));
    veil.lineTo(at(2.1, 2.8));
    veil.cubicTo(at(1.9, 2.0), at(1.5, 1.0), at(1.05, -0.3));
    veil.closeSubpath();
    p.setBrush(ink.deep);
    p.drawPath(veil);
}

// A full beard below the face of the head of radius r at h, in the robe's colour so that it
// stands out on the head and on the cameo alike.
void DrawBeard(QPainter& p, QPointF h, double r, const Ink& ink) {
    const auto at = [&](double fx, double fy) { return h + QPointF(fx * r, fy * r); };
    QPainterPath beard;
    beard.moveTo(at(-0.85, 0.35));
    beard.cubicTo(at(-0.8, 1.3), at(-0.35, 1.75), at(0, 1.95));
    beard.cubicTo(at(0.35, 1.75), at(0.8, 1.3), at(0.85, 0.35));
    beard.cubicTo(at(0.5, 0.75), at(-0.5, 0.75), at(-0.85, 0.35));
    p.setBrush(ink.fill);
    p.drawPath(beard);
}

}  // namespace

void DrawCourtFigure(QPainter& p, Suit suit, int rank, const QRectF& area, const CardPalette& pal) {
    const Ink& ink = pal.emblem;
    const double w = area.width(), h = area.height(), cx = area.center().x(), top = area.top();
    const auto at = [&](double fx, double fy) { return QPointF(cx + fx * w, top + fy * h); };
    const QRectF cameo(at(-0.47, 0.03), at(0.47, 0.99));
    p.save();
    p.setPen(QPen(pal.accent, 3));
    p.setBrush(pal.cameo);
    p.drawEllipse(cameo);
    QPainterPath clip;
    clip.addEllipse(cameo.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setClipPath(clip);

    const double headRadius = 0.135 * w;
    const QPointF head = at(0, 0.4);
    p.setPen(OutlinePen(ink.line, h * 0.5));
    if (rank == 2) DrawVeil(p, head, headRadius, ink);
    // Robe over the shoulders, with a collar.
    QPainterPath robe;
    robe.moveTo(at(-0.5, 1.0));
    robe.cubicTo(at(-0.46, 0.7), at(-0.3, 0.6), at(-0.1, 0.57));
    robe.lineTo(at(0.1, 0.57));
    robe.cubicTo(at(0.3, 0.6), at(0.46, 0.7), at(0.5, 1.0));
    robe.closeSubpath();
    p.setBrush(ink.fill);
    p.drawPath(robe);
    p.setBrush(ink.deep);
    p.drawPolygon(QPolygonF{at(-0.1, 0.57), at(0.1, 0.57), at(0, 0.72)});
    // Neck and head in silhouette.
    p.drawRect(QRectF(at(-0.045, 0.46), at(0.045, 0.6)));
    p.drawEllipse(head, headRadius, headRadius * 1.15);

    if (rank == 1) {  // shoulder plates
        for (const double side : {-1.0, 1.0}) {
            p.setBrush(ink.deep);
            p.drawEllipse(at(side * 0.27, 0.64), w * 0.14, h * 0.055);
            p.setBrush(ink.light);
            p.drawEllipse(at(side * 0.3, 0.685), w * 0.1, h * 0.035);
        }
    } else if (rank == 2) {  // a string of pearls at the collar
        p.setBrush(ink.light);
        for (int i = -2; i <= 2; ++i)
            p.drawEllipse(at(i * 0.045, 0.6 + 0.012 * (4 - i * i)), w * 0.02, w * 0.02);
    } else if (rank == 3) {  // an ermine collar, then the beard over it
        QPainterPath collar;
        collar.moveTo(at(-0.42, 0.77));
        collar.cubicTo(at(-0.3, 0.64), at(-0.15, 0.62), at(0, 0.64));
        collar.cubicTo(at(0.15, 0.62), at(0.3, 0.64), at(0.42, 0.77));
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink.line, h * 0.075, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(collar);
        p.setPen(QPen(pal.cameo, h * 0.06, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(collar);
        p.setPen(Qt::NoPen);
        p.setBrush(ink.deep);
        for (const double t : {0.1, 0.3, 0.5, 0.7, 0.9})
            p.drawEllipse(collar.pointAtPercent(t), w * 0.012, h * 0.018);
        p.restore();
        DrawBeard(p, head, headRadius, ink);
    }
    DrawHeadgear(
        p, rank,
        QRectF(head.x() - headRadius, head.y() - headRadius * 1.15, 2 * headRadius, 2 * headRadius),
        ink);
    p.restore();

    // The suit's emblem, held before the figure.
    if (suit == Suit::Wands || suit == Suit::Swords) {
        p.save();
        p.translate(at(0.3, 0.6));
        p.rotate(12);
        const double length = h * 0.62;
        DrawSuitEmblem(p, suit, QRectF(-length / 2, -length / 2, length, length), ink);
        p.restore();
    } else {
        const double size = h * 0.27;
        DrawSuitEmblem(p, suit, QRectF(cx - size / 2, top + h * 0.7, size, size), ink);
    }
}

void DrawRankGlyph(QPainter& p, int rank, const QRectF& box, const Ink& ink) {
    const QRectF extent = HeadgearExtent(rank);
    const double scale = std::min(box.width() / extent.width(), box.height() / extent.height());
    const QPointF origin = box.center() - extent.center() * scale;
    DrawHeadgear(p, rank, QRectF(origin, QSizeF(scale, scale)), ink);
}
