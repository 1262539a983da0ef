#include "table/CardBacks.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "table/FaceCache.h"

namespace {

// Raise when the drawing below changes, so that no back kept from before is shown.
constexpr int kDrawingVersion = 1;
constexpr QSize kLargeBack(115, 196);

const QColor kNight(18, 22, 64);
const QColor kDusk(40, 48, 122);
const QColor kGold(214, 178, 84);
const QColor kPaleGold(240, 216, 150);

// An eight-pointed star: two squares, one turned by 45 degrees.
QPainterPath Star(QPointF centre, double outer, double inner) {
    QPainterPath path;
    for (int k = 0; k < 16; ++k) {
        const double angle = k * M_PI / 8 - M_PI / 2;
        const double radius = k % 2 == 0 ? outer : inner;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (k == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Diamond(QPointF centre, double halfWidth, double halfHeight) {
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - halfHeight);
    path.lineTo(centre.x() + halfWidth, centre.y());
    path.lineTo(centre.x(), centre.y() + halfHeight);
    path.lineTo(centre.x() - halfWidth, centre.y());
    path.closeSubpath();
    return path;
}

// The back is symmetric under a half turn, so a reversed card shows the same back.
QImage DrawLargeBack() {
    const int w = kLargeBack.width();
    const int h = kLargeBack.height();
    QImage back(w, h, QImage::Format_RGB32);
    back.fill(kNight);
    QPainter p(&back);
    p.setRenderHint(QPainter::Antialiasing);

    // Border: a gold rule with a thin inner line.
    p.setPen(QPen(kGold, 2));
    p.drawRoundedRect(QRectF(3, 3, w - 6, h - 6), 6, 6);
    p.setPen(QPen(kGold, 0.8));
    p.drawRoundedRect(QRectF(7, 7, w - 14, h - 14), 4, 4);

    // Panel with a soft glow toward the middle and a gold lattice.
    const QRectF panel(10, 10, w - 20, h - 20);
    QRadialGradient glow(panel.center(), h * 0.55);
    glow.setColorAt(0, kDusk);
    glow.setColorAt(1, kNight);
    p.fillRect(panel, glow);
    p.save();
    p.setClipRect(panel);
    QColor lattice = kGold;
    lattice.setAlpha(70);
    p.setPen(QPen(lattice, 0.8));
    const QPointF c = panel.center();
    for (int k = -20; k <= 20; ++k) {
        const double d = k * 11.0;
        p.drawLine(QPointF(c.x() + d - h, c.y() - h), QPointF(c.x() + d + h, c.y() + h));
        p.drawLine(QPointF(c.x() + d + h, c.y() - h), QPointF(c.x() + d - h, c.y() + h));
    }
    p.restore();

    // Emblem: a ringed medallion holding a star and a small sun.
    p.setPen(QPen(kGold, 1.6));
    p.setBrush(kNight);
    p.drawEllipse(c, 31, 31);
    p.setPen(QPen(kGold, 0.8));
    p.drawEllipse(c, 27, 27);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawPath(Star(c, 24, 10));
    p.setBrush(kNight);
    p.drawEllipse(c, 7, 7);
    p.setBrush(kPaleGold);
    p.drawEllipse(c, 4, 4);

    // Ornaments mirrored above and below the medallion, and in the corners.
    for (int sign : {-1, 1}) {
        const QPointF tip(c.x(), c.y() + sign * 58);
        p.setBrush(kGold);
        p.drawPath(Diamond(tip, 7, 12));
        p.setBrush(kNight);
        p.drawPath(Diamond(tip, 3, 6));
        p.setBrush(kGold);
        p.drawEllipse(QPointF(c.x(), c.y() + sign * 41), 2, 2);
        p.drawEllipse(QPointF(c.x(), c.y() + sign * 75), 2, 2);
        for (int side : {-1, 1})
            p.drawPath(Star(QPointF(c.x() + side * 38, c.y() + sign * 78), 5, 2));
    }
    return back;
}

}  // namespace

const QImage& CardBacks::Large() const {
    if (large_.isNull())
        large_ = cache_ ? cache_->Drawn("card back", kDrawingVersion, kLargeBack, DrawLargeBack)
                        : DrawLargeBack();
    return large_;
}

const QImage& CardBacks::Small() const {
    if (small_.isNull())
        small_ = Large().scaled(58, 98, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return small_;
}
