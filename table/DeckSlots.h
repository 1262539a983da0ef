#pragma once

#include <array>

#include "i18n/CardTitles.h"
#include "table/Card.h"

// The 79 deck slots of the table; the first DeckSize are in play. Slot 0 is the leftmost card
// of the arc and is painted first.
using DeckSlots = std::array<TCard, kCardCount>;

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// Lays the first deckSize slots out in a shallow arc across a window `width` pixels wide:
// lowest at both ends, 9 pixels from the top in the middle.
void LayOutArc(DeckSlots& deck, int deckSize, bool has79thCard, int width);

// Gives the first deckSize slots a fresh random order of the cards in play (with 23 cards the
// numbers 0..21 and 78) and, with reversed cards in use, an even chance of lying reversed.
// Reseeds the random generator.
void FreshOrder(DeckSlots& deck, int deckSize, bool useReverse);
