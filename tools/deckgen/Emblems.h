#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// The four suits of the Minor Arcana, in card-number order.
enum class Suit { Wands, Cups, Swords, Pentacles };

// The colours one emblem is drawn with.
struct Ink {
    QColor fill;   // main body
    QColor deep;   // shadows, inner parts, details
    QColor light;  // highlights, blades
    QColor line;   // outlines
};

// Width divided by height of a suit emblem standing upright.
double EmblemAspect(Suit suit);

// Draws the suit's emblem upright, as large as fits in the box and centred in it.
void DrawSuitEmblem(QPainter& painter, Suit suit, const QRectF& box, const Ink& ink);

// The emblem of the extra card: an open eye in a triangle with rays around it.
void DrawSeekerEmblem(QPainter& painter, const QRectF& box, const Ink& ink);

// The headgear of a court figure of rank 0..3 (feathered cap, helm, queen's crown, king's
// crown), drawn over a head that fills the box.
void DrawHeadgear(QPainter& painter, int rank, const QRectF& head, const Ink& ink);

// Where the headgear of a rank reaches, in widths of the head's box from its top left corner.
QRectF HeadgearExtent(int rank);

// A five-pointed star of the given outer radius; pointing down when inverted.
QPolygonF Pentagram(QPointF centre, double radius, bool inverted = false);

// A star polygon with the given number of points and inner radius ratio.
QPolygonF StarPolygon(QPointF centre, double outer, double innerRatio, int points,
                      double rotation = 0);

// The outline pen width for a shape of the given height.
QPen OutlinePen(const QColor& colour, double height);
