#include "tools/deckgen/CardFace.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>

#include "tools/deckgen/MajorMotifs.h"

namespace {

constexpr double kWidth = 330;  // the logical width every face is laid out in

// What a card shows, from its number.
struct CardKind {
    bool major = false, extra = false;
    Suit suit = Suit::Wands;
    int rank = 0;  // within the suit: 0 the ace, 9 the ten, 10..13 the court cards
};

CardKind KindOf(int card) {
    CardKind kind;
    if (card < 22) {
        kind.major = true;
    } else if (card >= 78) {
        kind.extra = true;
    } else {
        kind.suit = Suit((card - 22) / 14);
        kind.rank = (card - 22) % 14;
    }
    return kind;
}

QPainterPath PanelPath(FrameShape shape, const QRectF& r, double corner) {
    QPainterPath path;
    if (shape == FrameShape::Rounded) {
        path.addRoundedRect(r, corner, corner);
    } else {
        path.addPolygon(
            QPolygonF{r.topLeft() + QPointF(corner, 0), r.topRight() - QPointF(corner, 0),
                      r.topRight() + QPointF(0, corner), r.bottomRight() - QPointF(0, corner),
                      r.bottomRight() - QPointF(corner, 0), r.bottomLeft() + QPointF(corner, 0),
                      r.bottomLeft() - QPointF(0, corner), r.topLeft() + QPointF(0, corner)});
        path.closeSubpath();
    }
    return path;
}

void DrawFrame(QPainter& p, const DeckStyle& style, const CardPalette& pal, double height) {
    p.fillRect(QRectF(0, 0, kWidth, height), pal.border);
    const QRectF outer(9, 9, kWidth - 18, height - 18);
    QLinearGradient shade(outer.topLeft(), outer.bottomLeft());
    shade.setColorAt(0, pal.panelTop);
    shade.setColorAt(1, pal.panelBottom);
    p.setPen(QPen(pal.accent, 3));
    p.setBrush(shade);
    p.drawPath(PanelPath(style.frame, outer, 16));
    p.setPen(QPen(pal.accent, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(PanelPath(style.frame, outer.adjusted(7, 7, -7, -7), 11));
}

// Draws the text as large as fits the box, on at most as many lines as the box holds.
void DrawFittedText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
                    int largest) {
    QFont font("DejaVu Serif");
    font.setBold(true);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (int size = largest; size >= 8; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        const QStringList words = text.split(' ', Qt::SkipEmptyParts);
        const bool wordsFit = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return metrics.horizontalAdvance(w) <= box.width();
        });
        if (wordsFit && metrics.boundingRect(box, flags, text).height() <= box.height()) break;
    }
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

void DrawPlate(QPainter& p, const QRectF& plate, const CardPalette& pal) {
    p.setPen(QPen(pal.accent, 2));
    p.setBrush(pal.banner);
    p.drawRoundedRect(plate, 9, 9);
}

void DrawBanner(QPainter& p, const QRectF& r, const CardPalette& pal) {
    const double notch = 12;
    QPolygonF ribbon{
        r.topLeft(),     r.topRight(),   r.topRight() + QPointF(-notch, r.height() / 2),
        r.bottomRight(), r.bottomLeft(), r.topLeft() + QPointF(notch, r.height() / 2)};
    p.setPen(QPen(pal.accent, 2));
    p.setBrush(pal.banner);
    p.drawPolygon(ribbon);
}

void DrawHalo(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient glow(centre, radius);
    QColor inner = colour, outer = colour;
    inner.setAlpha(150);
    outer.setAlpha(0);
    glow.setColorAt(0, inner);
    glow.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
}

// A faint diamond lattice behind the pips.
void DrawLattice(QPainter& p, const QRectF& area, QColor colour) {
    colour.setAlpha(45);
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(colour, 1.2));
    const double step = area.width() / 6;
    for (double x = area.left() - area.height(); x < area.right(); x += step) {
        p.drawLine(QPointF(x, area.top()), QPointF(x + area.height(), area.bottom()));
        p.drawLine(QPointF(x + area.height(), area.top()), QPointF(x, area.bottom()));
    }
    p.restore();
}

// Pip centres of the two to ten cards, as fractions of the pip area.
QList<QPointF> PipLayout(int count) {
    const double l = 0.22, m = 0.5, r = 0.78;
    switch (count) {
        case 2:
            return {{m, 0.17}, {m, 0.83}};
        case 3:
            return {{m, 0.14}, {m, 0.5}, {m, 0.86}};
        case 4:
            return {{l, 0.2}, {r, 0.2}, {l, 0.8}, {r, 0.8}};
        case 5:
            return {{l, 0.17}, {r, 0.17}, {m, 0.5}, {l, 0.83}, {r, 0.83}};
        case 6:
            return {{l, 0.14}, {r, 0.14}, {l, 0.5}, {r, 0.5}, {l, 0.86}, {r, 0.86}};
        case 7:
            return {{l, 0.14}, {r, 0.14}, {m, 0.32}, {l, 0.5}, {r, 0.5}, {l, 0.86}, {r, 0.86}};
        case 8:
            return {{l, 0.14}, {r, 0.14}, {m, 0.32}, {l, 0.5},
                    {r, 0.5},  {m, 0.68}, {l, 0.86}, {r, 0.86}};
        case 9:
            return {{l, 0.11}, {r, 0.11}, {l, 0.37}, {r, 0.37}, {m, 0.5},
                    {l, 0.63}, {r, 0.63}, {l, 0.89}, {r, 0.89}};
        default:
            return {{l, 0.11}, {r, 0.11}, {m, 0.24}, {l, 0.37}, {r, 0.37},
                    {l, 0.63}, {r, 0.63}, {m, 0.76}, {l, 0.89}, {r, 0.89}};
    }
}

void DrawPips(QPainter& p, Suit suit, int count, const QRectF& area, const Ink& ink) {
    // Pips shrink as they grow in number; a middle column leaves less room across.
    const double fraction = count <= 3 ? 0.32 : count <= 5 ? 0.3 : count <= 8 ? 0.25 : 0.2;
    const bool middleColumn = count == 7 || count == 8 || count == 10;
    const double aspect = EmblemAspect(suit);
    double pipHeight = area.height() * fraction;
    const double maxWidth = area.width() * (middleColumn ? 0.25 : 0.42);
    pipHeight = std::min(pipHeight, maxWidth / aspect);
    for (const QPointF& at : PipLayout(count)) {
        const QPointF centre(area.left() + at.x() * area.width(),
                             area.top() + at.y() * area.height());
        const QRectF box(centre.x() - pipHeight * aspect / 2, centre.y() - pipHeight / 2,
                         pipHeight * aspect, pipHeight);
        DrawSuitEmblem(p, suit, box, ink);
    }
}

void DrawCourtFigure(QPainter& p, Suit suit, int courtRank, const QRectF& area,
                     const CardPalette& pal) {
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

    // Robe over the shoulders, with a collar.
    QPainterPath robe;
    robe.moveTo(at(-0.5, 1.0));
    robe.cubicTo(at(-0.46, 0.7), at(-0.3, 0.6), at(-0.1, 0.57));
    robe.lineTo(at(0.1, 0.57));
    robe.cubicTo(at(0.3, 0.6), at(0.46, 0.7), at(0.5, 1.0));
    robe.closeSubpath();
    p.setPen(OutlinePen(ink.line, h * 0.5));
    p.setBrush(ink.fill);
    p.drawPath(robe);
    p.setBrush(ink.deep);
    p.drawPolygon(QPolygonF{at(-0.1, 0.57), at(0.1, 0.57), at(0, 0.72)});
    // Neck and head in silhouette.
    p.drawRect(QRectF(at(-0.045, 0.46), at(0.045, 0.6)));
    const double headRadius = 0.135 * w;
    const QPointF head = at(0, 0.4);
    p.drawEllipse(head, headRadius, headRadius * 1.15);
    DrawHeadgear(
        p, courtRank,
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

// The Roman numeral of 1..39; "0" for 0.
QString RomanNumeral(int number) {
    if (number <= 0) return "0";
    static const struct {
        int value;
        const char* text;
    } digits[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString out;
    for (const auto& d : digits)
        for (; number >= d.value; number -= d.value) out += d.text;
    return out;
}

QString PlateText(const CardKind& kind, int card) {
    if (kind.extra) return QString(QChar(0x221E));  // the sign of infinity
    if (kind.major) return RomanNumeral(card);
    return kind.rank < 10 ? QString::number(kind.rank + 1) : QString();
}

// The title without a leading numeral ("XVII. The Star" -> "The Star").
QString BareTitle(const QString& title) {
    static const QRegularExpression numeral(R"(^\s*(?:[IVXLC]+|\d+)\.\s+)");
    return QString(title).remove(numeral).trimmed();
}

}  // namespace

QImage PaintCardFace(const DeckStyle& style, int card, const QString& title, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const CardPalette& pal = style.paletteOf(card);
    image.fill(pal.border);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const double scale = size.width() / kWidth;
    const double height = size.height() / scale;  // the logical height
    p.scale(scale, scale);

    DrawFrame(p, style, pal, height);
    const CardKind kind = KindOf(card);

    // The numeral plate, with the suit emblem beside it on the Minor Arcana.
    const QRectF plate(kWidth / 2 - 52, 26, 104, 46);
    DrawPlate(p, plate, pal);
    const QString plateText = PlateText(kind, card);
    if (plateText.isEmpty()) {
        // Court cards: the emblem lying across the plate when it is a long one.
        const QRectF inner = plate.adjusted(8, 5, -8, -5);
        p.save();
        p.translate(inner.center());
        const bool across = EmblemAspect(kind.suit) < 0.5;
        const double w = across ? inner.height() : inner.width();
        const double h = across ? inner.width() : inner.height();
        const QRectF box(-w / 2, -h / 2, w, h);
        if (across) p.rotate(-90);
        DrawSuitEmblem(p, kind.suit, box, pal.emblem);
        p.restore();
    } else {
        DrawFittedText(p, plate.adjusted(6, 2, -6, -2), plateText, pal.text, 32);
    }
    for (const double x : {36.0, kWidth - 36.0 - 34}) {
        const QRectF corner(x, 30, 34, 38);
        if (kind.major || kind.extra) {
            p.setPen(Qt::NoPen);
            p.setBrush(pal.accent);
            p.drawPolygon(StarPolygon(corner.center(), 13, 0.4, 4));
        } else {
            DrawSuitEmblem(p, kind.suit, corner, pal.emblem);
        }
    }

    // The picture.
    const QRectF area(30, 86, kWidth - 60, height - 86 - 122);
    if (kind.extra) {
        DrawHalo(p, area.center(), area.width() * 0.55, pal.accent);
        DrawSeekerEmblem(p, area.adjusted(0, 20, 0, -20), pal.emblem);
    } else if (kind.major) {
        DrawMajorMotif(p, card, area, pal.emblem);
    } else if (kind.rank == 0) {
        DrawHalo(p, area.center(), area.width() * 0.5, pal.accent);
        DrawSuitEmblem(p, kind.suit, area.adjusted(10, 8, -10, -8), pal.emblem);
    } else if (kind.rank < 10) {
        DrawLattice(p, area, pal.accent);
        DrawPips(p, kind.suit, kind.rank + 1, area, pal.emblem);
    } else {
        DrawCourtFigure(p, kind.suit, kind.rank - 10, area, pal);
    }

    // The title on its banner.
    const QRectF banner(22, height - 110, kWidth - 44, 80);
    DrawBanner(p, banner, pal);
    DrawFittedText(p, banner.adjusted(18, 6, -18, -6), BareTitle(title), pal.text, 26);
    return image;
}
