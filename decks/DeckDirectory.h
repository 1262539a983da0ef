#pragma once

#include <QString>

// AppDir/Pics/DECK: the folder of a deck's card pictures.
QString DeckDirectory(const QString& appDir, const QString& deckName);

// True when the deck's folder holds "78.jpg", the picture of the 79th card. A deck name that
// would lead out of the Pics folder names no deck.
bool DeckHas79thCard(const QString& appDir, const QString& deckName);

// The number of cards in play: the 22 Major Arcana, the 56 Minor Arcana unless Major Arcana
// only is on, and the 79th card when the deck has one.
int DeckSizeFor(bool majorOnly, bool has79thCard);
// True for a deck of the Major Arcana: 22 cards, or 23 with the 79th card.
bool IsMajorArcanaDeck(int deckSize);
