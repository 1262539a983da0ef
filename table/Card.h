#pragma once

#include <QRect>
#include <QString>

class CardImage;
class QImage;
class QPainter;
class TableWidget;

// The small card back of a slot in the arc.
constexpr int kSmallBackWidth = 58;
constexpr int kSmallBackHeight = 98;
// X and Y of a slot that has been taken off the table.
constexpr int kOffTable = -100;

// One deck slot on the table: the card it carries and where its back lies in the arc.
struct TCard {
    int Number = 0;    // card number 0..78
    int X = 0;         // left of the small back; kOffTable once taken off the table
    int Y = 0;         // top of the small back; kOffTable once taken off the table
    int Position = 0;  // the spread position the slot was dealt to
    bool Reversed = false;
};

// The rectangle the slot's small back covers.
QRect CardRect(const TCard& card);
// True while the slot's back lies on the table (it is painted and can be hit).
bool OnTable(const TCard& card);
// True when the point lies on the slot's back.
bool CardHit(const TCard& card, int x, int y);
// Draws the slot's small back at its place, when it lies on the table.
void PaintCardBack(const TCard& card, QPainter& painter, const QImage& cardBackSmall);
// Takes the slot off the table and has the table repaint the rectangle it left.
void RemoveCardFromTable(TCard& card, TableWidget& table);
// Gives the extra card image the slot's card, shows its face turned by 180 degrees and makes
// the image visible; a picture that cannot be loaded leaves the image's picture as it was.
void PaintExtraCardReversed(const TCard& card, CardImage& extraCardImage,
                            const QString& deckDirectory);
