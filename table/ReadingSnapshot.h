#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

// A reading as it lies, in plain values, for saving, printing and exporting.
struct ReadingSnapshot {
    struct Slot {
        int card = -1;
        bool reversed = false;
    };
    struct Position {
        int card = -1;  // -1: no card
        bool reversed = false;
        bool faceUp = false;
        bool significator = false;
        QString text;
        QString label;  // "S", "S1", "1", ...
        QPoint place;   // on the table
    };

    QString spreadName;
    int deckSize = 0;
    QList<Slot> deck;  // the slots in play, in slot order
    QList<Position> positions;
    QSize cardSize;  // of the cards on the table
    QString comment;
    // The deck is laid out and every position has been dealt.
    bool complete = false;
};
