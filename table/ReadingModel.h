#pragma once

#include <QString>

#include "spreads/SpParser.h"
#include "table/ReadingSnapshot.h"
#include "table/ReadingState.h"

// The reading on the table, without widgets: the deck slots and the flags of the flow (from
// ReadingState), the spread engine, the deck in play and the reading's comment.
class ReadingModel : public ReadingState {
public:
    TSpreadParser Parser;
    bool Has79thCard = false;
    // The number of cards in play: 22, 23, 78 or 79.
    int DeckSize = 78;
    QString ReadingComments;

    // Sets DeckSize from the "Major Arcana only" setting and the deck's 79th card.
    void SetDeckSize(bool majorOnly);
    // Lays the slots in play out in the arc across the table and gives them a fresh random
    // order.
    void SetCards(int tableWidth, bool useReverse);
    // True when the card lies on a position of the spread.
    bool LiesOnPosition(int card) const;
    // The deck is laid out and every position holds a card.
    bool Complete() const;
    ReadingSnapshot Snapshot() const;
};
