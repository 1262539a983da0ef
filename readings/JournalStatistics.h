#pragma once

#include <QList>

#include <array>

#include "readings/JournalIndex.h"

// How often the cards came up in a set of readings.
struct CardTally {
    int card = 0;
    int upright = 0;
    int reversed = 0;

    int total() const { return upright + reversed; }
    bool operator==(const CardTally&) const = default;
};

struct JournalStatistics {
    // Every card that came up, most often first, then by card number.
    QList<CardTally> cards;
    int positions = 0;  // every card counted
    int major = 0;      // cards 0..21
    // The four suits in card number order: 22..35, 36..49, 50..63, 64..77.
    std::array<int, 4> suits{};

    bool operator==(const JournalStatistics&) const = default;
};

// Counts the cards on the positions of the readable entries.
JournalStatistics CountCards(const QList<JournalEntry>& entries);
