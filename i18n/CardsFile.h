#pragma once

#include <QStringList>

#include "i18n/CardTitles.h"

// How a deck numbers the cards whose titles "Cards.lng" gives twice.
struct TitleNumbering {
    bool strengthIsXI = true;      // cards 8 and 11 take their first line, else their second
    bool newAgeCourtOrder = true;  // each suit's court cards take its first block of four
};

// Walks the lines of "Cards.lng" into the titles in card order: cards 8 and 11 have two lines,
// each suit ends with two blocks of four court titles. Titles past the end of the lines keep
// what they held; lines after the one of card 78 are ignored.
void WalkCardTitles(const QStringList& lines, TitleNumbering numbering, CardTitleList& titles);

// Rebuilds the titles for the deck and language: the built-in ones for a deck with a 79th
// card, else those of the language's "Cards.lng" (the English one when it has none).
void BuildCardTitles(CardTitleList& titles, const QString& appDir, const QString& language,
                     bool has79thCard, TitleNumbering numbering);
