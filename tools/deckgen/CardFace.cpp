#include "tools/deckgen/CardFace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/deckgen/CourtFigures.h"
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

// Draws the suit's emblem as large as fits the box, lying across it when it is a long one;
// returns the width it takes.
double DrawEmblemAcross(QPainter& p, Suit suit, const QRectF& box, const Ink& ink) {
    const double aspect = EmblemAspect(suit);
    const bool across = aspect < 0.5;
    p.save();
    p.translate(box.center());
    if (across) p.rotate(-90);
    const double w = across ? box.height() : box.width();
    const double h = across ? box.width() : box.height();
    DrawSuitEmblem(p, suit, QRectF(-w / 2, -h / 2, w, h), ink);
    p.restore();
    return across ? std::min(box.width(), box.height() / aspect)
                  : std::min(box.width(), box.height() * aspect);
}

// The ornament on the banner: a star on the Major Arcana and the extra card, the suit's
// emblem on the Minor Arcana, with a flourish to each side.
void DrawBannerOrnament(QPainter& p, const QRectF& banner, const CardKind& kind,
                        const CardPalette& pal) {
    const QPointF c = banner.center();
    double half = 0;
    if (kind.major || kind.extra) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal.accent);
        p.drawPolygon(StarPolygon(c, 24, 0.38, 4));
        p.drawPolygon(StarPolygon(c, 14, 0.45, 4, std::numbers::pi / 4));
        half = 24;
    } else {
        const QRectF box(c.x() - 65, c.y() - 26, 130, 52);
        half = DrawEmblemAcross(p, kind.suit, box, pal.emblem) / 2;
    }
    p.setPen(QPen(pal.accent, 2, Qt::SolidLine, Qt::RoundCap));
    for (const double side : {-1.0, 1.0}) {
        const double inner = c.x() + side * (half + 10);
        const double outer = c.x() + side * (banner.width() / 2 - 30);
        if (side * (outer - inner) < 12) continue;
        p.drawLine(QPointF(inner, c.y()), QPointF(outer, c.y()));
        p.setBrush(pal.accent);
        p.drawPolygon(StarPolygon(QPointF(outer, c.y()), 6, 0.35, 4));
        p.drawEllipse(QPointF((inner + outer) / 2, c.y()), 3, 3);
    }
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
    // Pips shrink as they grow in number; a middle column leaves less room across. Slender
    // emblems stand taller, so that each pip still shows at the size of a table card.
    const double aspect = EmblemAspect(suit);
    const double fraction = (count <= 3   ? 0.32
                             : count <= 5 ? 0.3
                             : count <= 8 ? 0.25
                                          : 0.2) *
                            (aspect < 0.5 ? 1.2 : 1.0);
    const bool middleColumn = count == 7 || count == 8 || count == 10;
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

// The numeral of a card that is not a court card.
QString PlateText(const CardKind& kind, int card) {
    if (kind.extra) return QString(QChar(0x221E));  // the sign of infinity
    if (kind.major) return RomanNumeral(card);
    return QString::number(kind.rank + 1);
}

}  // namespace

QImage PaintCardFace(const DeckStyle& style, int card, QSize size) {
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

    // The plate: the numeral, or on court cards the headgear of the rank; beside it a star on
    // the Major Arcana and the suit emblem on the Minor Arcana.
    const QRectF plate(kWidth / 2 - 52, 26, 104, 46);
    DrawPlate(p, plate, pal);
    if (kind.rank >= 10)
        DrawRankGlyph(p, kind.rank - 10, plate.adjusted(8, 4, -8, -4), pal.emblem);
    else
        DrawFittedText(p, plate.adjusted(6, 2, -6, -2), PlateText(kind, card), pal.text, 32);
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

    // The banner below, with its ornament.
    const QRectF banner(22, height - 110, kWidth - 44, 80);
    DrawBanner(p, banner, pal);
    DrawBannerOrnament(p, banner, kind, pal);
    return image;
}
