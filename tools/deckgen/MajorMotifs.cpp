#include "tools/deckgen/MajorMotifs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainterPath>

namespace {

constexpr double kPi = std::numbers::pi;

QPointF Polar(QPointF centre, double radius, double angle) {
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

// The symbol of one card, drawn in a square of half-size s round c with thick light strokes.
void DrawSymbol(QPainter& p, int card, QPointF c, double s, const Ink& ink) {
    QPen pen(ink.light, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const auto at = [&](double fx, double fy) { return c + QPointF(fx * s, fy * s); };
    switch (card) {
        case 0:  // an open ring: the beginning that holds nothing yet
            p.drawEllipse(c, s * 0.6, s * 0.75);
            break;
        case 1:  // one point of light with four rays
            p.setBrush(ink.light);
            p.drawEllipse(c, s * 0.22, s * 0.22);
            for (int i = 0; i < 4; ++i)
                p.drawLine(Polar(c, s * 0.45, i * kPi / 2), Polar(c, s * 0.85, i * kPi / 2));
            break;
        case 2:  // two pillars and the crescent between them
            p.drawLine(at(-0.6, -0.8), at(-0.6, 0.8));
            p.drawLine(at(0.6, -0.8), at(0.6, 0.8));
            p.drawArc(QRectF(at(-0.3, -0.35), at(0.3, 0.35)), 60 * 16, 240 * 16);
            break;
        case 3:  // circle over a cross
            p.drawEllipse(at(0, -0.3), s * 0.38, s * 0.38);
            p.drawLine(at(0, 0.08), at(0, 0.85));
            p.drawLine(at(-0.32, 0.5), at(0.32, 0.5));
            break;
        case 4:  // a crown
            DrawHeadgear(p, 3, QRectF(at(-0.7, 0.05), at(0.7, 1.45)),
                         {ink.light, ink.deep, ink.fill, ink.light});
            break;
        case 5:  // a triple cross
            p.drawLine(at(0, -0.85), at(0, 0.85));
            p.drawLine(at(-0.25, -0.55), at(0.25, -0.55));
            p.drawLine(at(-0.4, -0.2), at(0.4, -0.2));
            p.drawLine(at(-0.55, 0.15), at(0.55, 0.15));
            break;
        case 6:  // two joined rings
            p.drawEllipse(at(-0.28, 0), s * 0.45, s * 0.45);
            p.drawEllipse(at(0.28, 0), s * 0.45, s * 0.45);
            break;
        case 7:  // two wheels under a canopy
            p.drawLine(at(-0.7, -0.5), at(0.7, -0.5));
            p.drawLine(at(-0.5, -0.5), at(-0.5, 0.1));
            p.drawLine(at(0.5, -0.5), at(0.5, 0.1));
            p.drawEllipse(at(-0.45, 0.45), s * 0.28, s * 0.28);
            p.drawEllipse(at(0.45, 0.45), s * 0.28, s * 0.28);
            break;
        case 8: {  // a pair of scales
            p.drawLine(at(0, -0.8), at(0, 0.8));
            p.drawLine(at(-0.75, -0.5), at(0.75, -0.5));
            p.drawLine(at(-0.4, 0.8), at(0.4, 0.8));
            for (double side : {-0.6, 0.6}) {
                p.drawLine(at(side, -0.5), at(side - 0.22, 0.15));
                p.drawLine(at(side, -0.5), at(side + 0.22, 0.15));
                p.drawChord(QRectF(at(side - 0.3, -0.05), at(side + 0.3, 0.4)), 180 * 16, 180 * 16);
            }
            break;
        }
        case 9: {  // a lantern with a star inside
            p.drawLine(at(0, -0.9), at(0, -0.6));
            QPolygonF hexagon;
            for (int i = 0; i < 6; ++i)
                hexagon << Polar(c + QPointF(0, s * 0.1), s * 0.65, i * kPi / 3);
            p.drawPolygon(hexagon);
            p.setPen(Qt::NoPen);
            p.setBrush(ink.light);
            p.drawPolygon(StarPolygon(c + QPointF(0, s * 0.1), s * 0.38, 0.45, 6));
            break;
        }
        case 10:  // a wheel of eight spokes
            p.drawEllipse(c, s * 0.8, s * 0.8);
            p.drawEllipse(c, s * 0.2, s * 0.2);
            for (int i = 0; i < 8; ++i)
                p.drawLine(Polar(c, s * 0.2, i * kPi / 4), Polar(c, s * 0.8, i * kPi / 4));
            break;
        case 11: {  // the figure of eight lying down
            QPainterPath eight;
            eight.moveTo(c);
            eight.cubicTo(at(0.4, -0.6), at(0.95, -0.3), at(0.9, 0));
            eight.cubicTo(at(0.95, 0.3), at(0.4, 0.6), c);
            eight.cubicTo(at(-0.4, -0.6), at(-0.95, -0.3), at(-0.9, 0));
            eight.cubicTo(at(-0.95, 0.3), at(-0.4, 0.6), c);
            p.drawPath(eight);
            break;
        }
        case 12: {  // a triangle pointing down over a cross
            QPolygonF triangle;
            triangle << at(-0.6, -0.75) << at(0.6, -0.75) << at(0, 0.25);
            p.drawPolygon(triangle);
            p.drawLine(at(0, 0.25), at(0, 0.85));
            p.drawLine(at(-0.3, 0.55), at(0.3, 0.55));
            break;
        }
        case 13:  // a sun rising over the horizon
            p.drawLine(at(-0.85, 0.35), at(0.85, 0.35));
            p.drawArc(QRectF(at(-0.45, -0.1), at(0.45, 0.8)), 0, 180 * 16);
            for (int i = 1; i < 6; ++i)
                p.drawLine(Polar(at(0, 0.35), s * 0.62, -i * kPi / 6),
                           Polar(at(0, 0.35), s * 0.85, -i * kPi / 6));
            break;
        case 14:  // the two triangles of fire and water, interlaced
            p.drawPolygon(QPolygonF{at(0, -0.85), at(0.74, 0.43), at(-0.74, 0.43)});
            p.drawPolygon(QPolygonF{at(0, 0.85), at(0.74, -0.43), at(-0.74, -0.43)});
            break;
        case 15:  // a five-pointed star upside down
            p.drawPolygon(Pentagram(c, s * 0.85, true));
            break;
        case 16: {  // a tower struck by lightning
            p.drawRect(QRectF(at(-0.3, -0.35), at(0.3, 0.85)));
            for (int i = 0; i < 3; ++i)
                p.drawLine(at(-0.3 + i * 0.3, -0.35), at(-0.3 + i * 0.3, -0.55));
            p.setBrush(ink.light);
            p.drawPolygon(QPolygonF{at(0.85, -0.9), at(0.35, -0.15), at(0.6, -0.15), at(0.25, 0.45),
                                    at(0.95, -0.3), at(0.7, -0.3)});
            break;
        }
        case 17:  // an eight-pointed star
            p.setBrush(ink.light);
            p.drawPolygon(StarPolygon(c, s * 0.9, 0.42, 8));
            break;
        case 18: {  // a crescent moon
            QPainterPath moon;
            moon.addEllipse(c, s * 0.75, s * 0.75);
            QPainterPath bite;
            bite.addEllipse(c + QPointF(s * 0.35, -s * 0.15), s * 0.6, s * 0.6);
            p.setBrush(ink.light);
            p.drawPath(moon.subtracted(bite));
            break;
        }
        case 19:  // the sun with its rays
            p.setBrush(ink.light);
            p.drawEllipse(c, s * 0.42, s * 0.42);
            for (int i = 0; i < 12; ++i)
                p.drawLine(Polar(c, s * 0.58, i * kPi / 6),
                           Polar(c, s * (i % 2 ? 0.75 : 0.92), i * kPi / 6));
            break;
        case 20:  // a call that rises in waves
            p.drawLine(at(-0.8, 0.75), at(0.8, 0.75));
            for (int i = 0; i < 3; ++i) {
                const double r = 0.3 + 0.25 * i;
                p.drawArc(QRectF(at(-r, 0.5 - r), at(r, 0.5 + r)), 30 * 16, 120 * 16);
            }
            break;
        default: {  // 21: the wreath, with the four corners of the world
            p.drawEllipse(c, s * 0.48, s * 0.72);
            p.setBrush(ink.light);
            for (const QPointF corner :
                 {at(-0.75, -0.75), at(0.75, -0.75), at(-0.75, 0.75), at(0.75, 0.75)})
                p.drawEllipse(corner, s * 0.1, s * 0.1);
            break;
        }
    }
}

}  // namespace

void DrawMajorMotif(QPainter& p, int card, const QRectF& area, const Ink& ink) {
    const QPointF c = area.center();
    const double r = std::min(area.width(), area.height()) * 0.5;
    const int petals = 6 + card;                         // 6..27 petals round the medallion
    const int starPoints = 5 + card % 7;                 // 5..11 points of the inner star
    const double innerRatio = 0.68 + 0.04 * (card % 3);  // deeper or shallower teeth
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Rays behind the medallion.
    p.setPen(QPen(ink.fill, std::max(1.0, r * 0.012)));
    const int rays = 2 * petals;
    for (int i = 0; i < rays; ++i) {
        const double angle = i * 2 * kPi / rays;
        p.drawLine(Polar(c, r * 0.85, angle), Polar(c, r * (i % 2 ? 0.93 : 1.0), angle));
    }
    // The ring of petals.
    p.setPen(OutlinePen(ink.line, r * 1.2));
    p.setBrush(ink.fill);
    const double petalLength = r * 0.34, petalWidth = std::min(r * 0.2, r * 5.0 / petals);
    for (int i = 0; i < petals; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 360.0 / petals);
        p.drawEllipse(QRectF(r * 0.56, -petalWidth / 2, petalLength, petalWidth));
        p.restore();
    }
    // The medallion: a toothed ring whose teeth count with the number, then the symbol.
    p.setBrush(ink.deep);
    p.drawEllipse(c, r * 0.7, r * 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.fill);
    p.drawPolygon(
        StarPolygon(c, r * 0.66, innerRatio, starPoints, card % 2 ? kPi / starPoints : 0));
    p.setBrush(ink.deep);
    p.drawEllipse(c, r * 0.46, r * 0.46);
    DrawSymbol(p, card, c, r * 0.37, ink);
    p.restore();
}
