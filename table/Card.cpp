#include "table/Card.h"

#include <QPainter>

#include "decks/CardFace.h"
#include "table/CardImage.h"
#include "table/TableWidget.h"

QRect CardRect(const TCard& card) {
    return QRect(card.X, card.Y, kSmallBackWidth, kSmallBackHeight);
}

bool OnTable(const TCard& card) { return card.X > 0 && card.Y > 0; }

bool CardHit(const TCard& card, int x, int y) {
    return OnTable(card) && CardRect(card).contains(x, y);
}

void PaintCardBack(const TCard& card, QPainter& painter, const QImage& cardBackSmall) {
    if (OnTable(card)) painter.drawImage(card.X, card.Y, cardBackSmall);
}

void RemoveCardFromTable(TCard& card, TableWidget& table) {
    const QRect left = CardRect(card);
    card.X = kOffTable;
    card.Y = kOffTable;
    table.repaintArea(left);
}

void PaintExtraCardReversed(const TCard& card, CardImage& extraCardImage,
                            const QString& deckDirectory) {
    const QImage face =
        LoadCardFace(CardFacePath(deckDirectory, card.Number), extraCardImage.size(), true);
    if (!face.isNull()) extraCardImage.setPicture(face);
    extraCardImage.setTag(card.Number);
    extraCardImage.show();
}
