#pragma once

#include <QRect>
#include <QString>

#include "table/DeckSlots.h"

// The state of the reading on the table, held by the main window and driven by the spread
// engine, the shuffle and the reading flow. DeckSize and Has79thCard are the main window's.
struct ReadingState {
    DeckSlots Deck{};
    QString SpreadName;
    int NextPosition = 0;          // next position to receive a dealt card
    int PendingSignificators = 0;  // significator positions still to be chosen
    bool ExtraCardReversed = false;
    QString CurrentPrompt;  // copy of the prompt label's text
    bool Shuffling = false;
    bool DeckLaidOut = false;  // the deck is spread out in the arc
    bool SpreadShown = false;  // the spread area is on show after the cut
    bool DeckRemoved = false;  // the spread area fills the window
    QRect TableBounds;         // home bounds of the spread area
    bool ManualInput = false;
    bool RestoringReading = false;
    bool CardTurned = false;  // an ordinary position's card was turned face up
    bool AutoDrawPending = false;
    int TableCardWidth = 87;
    int TableCardHeight = 148;
};
