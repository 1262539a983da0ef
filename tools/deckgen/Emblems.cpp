#include "tools/deckgen/Emblems.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainterPath>

namespace {

// The largest box of the given aspect ratio centred in the area.
QRectF FitBox(const QRectF& area, double aspect) {
    double height = area.height(), width = height * aspect;
    if (width > area.width()) {
        width = area.width();
        height = width / aspect;
    }
    return {area.center().x() - width / 2, area.center().y() - height / 2, width, height};
}

void DrawWand(QPainter& p, const QRectF& b, const Ink& ink) {
    const double h = b.height(), cx = b.center().x(), top = b.top();
    const auto at = [&](double fx, double fy) { return QPointF(cx + fx * h, top + fy * h); };
    // Leaves first, so the staff covers their stems.
    const QColor leaf = ink.light;
    p.setPen(OutlinePen(ink.line, h * 0.7));
    p.setBrush(leaf);
    const struct {
        double y, side, angle;
    } leaves[] = {{0.22, -1, -35}, {0.34, 1, 40}, {0.56, -1, -45}};
    for (const auto& l : leaves) {
        p.save();
        p.translate(at(0.05 * l.side, l.y));
        p.rotate(l.angle);
        p.drawEllipse(QRectF(l.side > 0 ? 0 : -0.17 * h, -0.035 * h, 0.17 * h, 0.07 * h));
        p.restore();
    }
    QPainterPath staff;
    staff.moveTo(at(-0.05, 0.1));
    staff.lineTo(at(0.05, 0.1));
    staff.lineTo(at(0.065, 0.96));
    staff.quadTo(at(0, 1.0), at(-0.065, 0.96));
    staff.closeSubpath();
    p.setPen(OutlinePen(ink.line, h));
    p.setBrush(ink.fill);
    p.drawPath(staff);
    // Bands of the grip and the knob at the top.
    p.setBrush(ink.deep);
    p.drawRect(QRectF(at(-0.06, 0.68), at(0.06, 0.71)));
    p.drawRect(QRectF(at(-0.062, 0.75), at(0.062, 0.78)));
    p.setBrush(ink.fill);
    p.drawEllipse(at(0, 0.075), 0.075 * h, 0.075 * h);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.light);
    p.drawEllipse(at(-0.018, 0.058), 0.018 * h, 0.018 * h);
}

void DrawCup(QPainter& p, const QRectF& b, const Ink& ink) {
    const double h = b.height(), cx = b.center().x(), top = b.top();
    const auto at = [&](double fx, double fy) { return QPointF(cx + fx * h, top + fy * h); };
    p.setPen(OutlinePen(ink.line, h));
    p.setBrush(ink.fill);
    // Foot and stem.
    QPainterPath foot;
    foot.moveTo(at(-0.05, 0.78));
    foot.cubicTo(at(-0.06, 0.88), at(-0.26, 0.9), at(-0.26, 0.95));
    foot.lineTo(at(0.26, 0.95));
    foot.cubicTo(at(0.26, 0.9), at(0.06, 0.88), at(0.05, 0.78));
    foot.closeSubpath();
    p.drawPath(foot);
    p.drawRect(QRectF(at(-0.04, 0.5), at(0.04, 0.8)));
    p.setBrush(ink.deep);
    p.drawEllipse(at(0, 0.64), 0.08 * h, 0.035 * h);
    // Bowl with its open rim.
    QPainterPath bowl;
    bowl.moveTo(at(-0.33, 0.09));
    bowl.cubicTo(at(-0.33, 0.38), at(-0.18, 0.54), at(0, 0.54));
    bowl.cubicTo(at(0.18, 0.54), at(0.33, 0.38), at(0.33, 0.09));
    bowl.closeSubpath();
    p.setBrush(ink.fill);
    p.drawPath(bowl);
    p.setBrush(ink.deep);
    p.drawEllipse(at(0, 0.09), 0.33 * h, 0.06 * h);
    // A band of ornament round the bowl.
    QPainterPath band;
    band.moveTo(at(-0.31, 0.22));
    band.quadTo(at(0, 0.3), at(0.31, 0.22));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink.light, std::max(1.0, h * 0.03), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(band);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.light);
    p.drawEllipse(at(0, 0.36), 0.035 * h, 0.035 * h);
}

void DrawSword(QPainter& p, const QRectF& b, const Ink& ink) {
    const double h = b.height(), cx = b.center().x(), top = b.top();
    const auto at = [&](double fx, double fy) { return QPointF(cx + fx * h, top + fy * h); };
    p.setPen(OutlinePen(ink.line, h));
    p.setBrush(ink.light);
    QPolygonF blade;
    blade << at(0, 0.0) << at(0.048, 0.1) << at(0.045, 0.7) << at(-0.045, 0.7) << at(-0.048, 0.1);
    p.drawPolygon(blade);
    p.setPen(QPen(ink.deep, std::max(0.8, h * 0.012)));
    p.drawLine(at(0, 0.1), at(0, 0.66));
    // Cross-guard with curled ends, grip and pommel.
    p.setPen(OutlinePen(ink.line, h));
    p.setBrush(ink.fill);
    p.drawRoundedRect(QRectF(at(-0.15, 0.69), at(0.15, 0.745)), 0.02 * h, 0.02 * h);
    p.drawEllipse(at(-0.155, 0.7175), 0.03 * h, 0.03 * h);
    p.drawEllipse(at(0.155, 0.7175), 0.03 * h, 0.03 * h);
    p.setBrush(ink.deep);
    p.drawRect(QRectF(at(-0.035, 0.745), at(0.035, 0.9)));
    p.setBrush(ink.fill);
    p.drawEllipse(at(0, 0.94), 0.05 * h, 0.05 * h);
}

void DrawPentacle(QPainter& p, const QRectF& b, const Ink& ink) {
    const double r = b.height() / 2;
    const QPointF c = b.center();
    p.setPen(OutlinePen(ink.line, b.height()));
    p.setBrush(ink.fill);
    p.drawEllipse(c, r * 0.97, r * 0.97);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink.deep, std::max(0.8, r * 0.05)));
    p.drawEllipse(c, r * 0.78, r * 0.78);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.deep);
    p.drawPolygon(Pentagram(c, r * 0.72), Qt::WindingFill);
}

}  // namespace

QPen OutlinePen(const QColor& colour, double height) {
    QPen pen(colour, std::clamp(height * 0.022, 0.8, 4.0));
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPolygonF StarPolygon(QPointF centre, double outer, double innerRatio, int points,
                      double rotation) {
    QPolygonF star;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = rotation + i * std::numbers::pi / points - std::numbers::pi / 2;
        const double radius = i % 2 ? outer * innerRatio : outer;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

QPolygonF Pentagram(QPointF centre, double radius, bool inverted) {
    // The five points joined every second one; drawn with winding fill it is a solid star.
    QPolygonF star;
    const double start = inverted ? std::numbers::pi / 2 : -std::numbers::pi / 2;
    for (int i = 0; i < 5; ++i) {
        const double angle = start + i * 4 * std::numbers::pi / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

double EmblemAspect(Suit suit) {
    switch (suit) {
        case Suit::Wands:
            return 0.45;
        case Suit::Cups:
            return 0.68;
        case Suit::Swords:
            return 0.36;
        case Suit::Pentacles:
            return 1.0;
    }
    return 1.0;
}

void DrawSuitEmblem(QPainter& painter, Suit suit, const QRectF& box, const Ink& ink) {
    const QRectF fitted = FitBox(box, EmblemAspect(suit));
    painter.save();
    switch (suit) {
        case Suit::Wands:
            DrawWand(painter, fitted, ink);
            break;
        case Suit::Cups:
            DrawCup(painter, fitted, ink);
            break;
        case Suit::Swords:
            DrawSword(painter, fitted, ink);
            break;
        case Suit::Pentacles:
            DrawPentacle(painter, fitted, ink);
            break;
    }
    painter.restore();
}

void DrawSeekerEmblem(QPainter& p, const QRectF& box, const Ink& ink) {
    const QRectF b = FitBox(box, 1.0);
    const double r = b.height() / 2;
    const QPointF c = b.center();
    p.save();
    // Rays, alternately long and short.
    p.setPen(QPen(ink.light, std::max(1.0, r * 0.03), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 24; ++i) {
        const double angle = i * std::numbers::pi / 12;
        const double inner = r * 0.62, outer = r * (i % 2 ? 0.84 : 0.98);
        p.drawLine(c + QPointF(inner * std::cos(angle), inner * std::sin(angle)),
                   c + QPointF(outer * std::cos(angle), outer * std::sin(angle)));
    }
    QPolygonF triangle;
    for (int i = 0; i < 3; ++i) {
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 3;
        triangle << c + QPointF(r * 0.7 * std::cos(angle), r * 0.7 * std::sin(angle) + r * 0.08);
    }
    p.setPen(OutlinePen(ink.line, b.height() * 1.3));
    p.setBrush(ink.fill);
    p.drawPolygon(triangle);
    // The eye: an almond, the iris and a spark of light in the pupil.
    const QPointF eye = c + QPointF(0, r * 0.12);
    QPainterPath almond;
    almond.moveTo(eye + QPointF(-r * 0.36, 0));
    almond.quadTo(eye + QPointF(0, -r * 0.3), eye + QPointF(r * 0.36, 0));
    almond.quadTo(eye + QPointF(0, r * 0.3), eye + QPointF(-r * 0.36, 0));
    p.setBrush(ink.light);
    p.drawPath(almond);
    p.setBrush(ink.deep);
    p.drawEllipse(eye, r * 0.13, r * 0.13);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.light);
    p.drawEllipse(eye + QPointF(-r * 0.04, -r * 0.04), r * 0.035, r * 0.035);
    p.restore();
}

void DrawHeadgear(QPainter& p, int rank, const QRectF& head, const Ink& ink) {
    const double w = head.width(), x0 = head.left(), y0 = head.top();
    const auto at = [&](double fx, double fy) { return QPointF(x0 + fx * w, y0 + fy * w); };
    p.save();
    p.setPen(OutlinePen(ink.line, w * 1.5));
    p.setBrush(ink.fill);
    switch (rank) {
        case 0: {  // a soft cap with a feather
            QPainterPath feather;
            feather.moveTo(at(0.7, 0.1));
            feather.cubicTo(at(0.85, -0.3), at(1.05, -0.45), at(1.25, -0.5));
            feather.cubicTo(at(1.1, -0.3), at(0.95, -0.05), at(0.82, 0.15));
            feather.closeSubpath();
            p.setBrush(ink.light);
            p.drawPath(feather);
            QPainterPath cap;
            cap.moveTo(at(-0.06, 0.3));
            cap.cubicTo(at(-0.15, -0.05), at(0.3, -0.25), at(0.7, -0.15));
            cap.cubicTo(at(1.05, -0.08), at(1.12, 0.15), at(1.04, 0.3));
            cap.closeSubpath();
            p.setBrush(ink.fill);
            p.drawPath(cap);
            p.setBrush(ink.deep);
            p.drawRoundedRect(QRectF(at(-0.02, 0.22), at(1.02, 0.32)), w * 0.04, w * 0.04);
            break;
        }
        case 1: {  // a rounded helm with a plume
            QPainterPath plume;
            plume.moveTo(at(0.55, -0.12));
            plume.cubicTo(at(0.9, -0.5), at(1.3, -0.2), at(1.25, 0.25));
            plume.cubicTo(at(1.1, -0.05), at(0.9, -0.1), at(0.6, 0.05));
            plume.closeSubpath();
            p.setBrush(ink.light);
            p.drawPath(plume);
            QPainterPath helm;
            helm.moveTo(at(-0.06, 0.5));
            helm.cubicTo(at(-0.08, -0.2), at(1.08, -0.2), at(1.06, 0.5));
            helm.lineTo(at(1.06, 0.56));
            helm.lineTo(at(-0.06, 0.56));
            helm.closeSubpath();
            p.setBrush(ink.fill);
            p.drawPath(helm);
            p.setBrush(ink.deep);
            p.drawRect(QRectF(at(0.12, 0.4), at(0.88, 0.47)));
            p.drawRect(QRectF(at(0.46, 0.0), at(0.54, 0.4)));
            break;
        }
        default: {  // crowns: the queen's with pearls, the king's taller with a cross
            const bool king = rank == 3;
            const double peak = king ? -0.42 : -0.22;
            QPolygonF crown;
            crown << at(0.0, 0.3);
            const int points = king ? 3 : 5;
            for (int i = 0; i <= points * 2; ++i) {
                const double fx = double(i) / (points * 2);
                crown << at(fx, i % 2 ? 0.05 : (i == 0 || i == points * 2 ? peak * 0.7 : peak));
            }
            crown << at(1.0, 0.3);
            p.drawPolygon(crown);
            p.setBrush(ink.deep);
            p.drawRect(QRectF(at(0.0, 0.2), at(1.0, 0.3)));
            p.setBrush(ink.light);
            for (int i = 0; i <= points; ++i) {
                const double fx = double(i) / points;
                const double fy = (i == 0 || i == points) ? peak * 0.7 : peak;
                p.drawEllipse(at(fx, fy), w * 0.045, w * 0.045);
            }
            if (king) {
                p.setBrush(ink.fill);
                p.drawRect(QRectF(at(0.47, -0.66), at(0.53, -0.46)));
                p.drawRect(QRectF(at(0.41, -0.6), at(0.59, -0.54)));
            }
            break;
        }
    }
    p.restore();
}

QRectF HeadgearExtent(int rank) {
    switch (rank) {
        case 0:
            return QRectF(QPointF(-0.15, -0.52), QPointF(1.27, 0.34));
        case 1:
            return QRectF(QPointF(-0.08, -0.42), QPointF(1.3, 0.57));
        case 2:
            return QRectF(QPointF(-0.05, -0.27), QPointF(1.05, 0.31));
        default:
            return QRectF(QPointF(-0.05, -0.67), QPointF(1.05, 0.31));
    }
}
