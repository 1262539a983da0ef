#pragma once

#include <QString>
#include <QStringList>

class ProgramPlaces;

// True when the deck's folder holds "78.jpg", the picture of the 79th card. A deck name that
// would lead out of its folder names no deck.
bool DeckHas79thCard(const QStringList& deckFolders, const QString& deckName);

// The number of cards in play: the 22 Major Arcana, the 56 Minor Arcana unless Major Arcana
// only is on, and the 79th card when the deck has one.
int DeckSizeFor(bool majorOnly, bool has79thCard);
// True for a deck of the Major Arcana: 22 cards, or 23 with the 79th card.
bool IsMajorArcanaDeck(int deckSize);

// The folders that hold decks: the user's own Pics first, then the bundled Pics where they lie
// elsewhere (installed). New decks are made in the first.
QStringList DeckFolders(const ProgramPlaces& places);
// The folder of the named deck: in the first of the folders that holds it, else in the last.
// Empty for a name that would lead out of its folder.
QString FindDeckDirectory(const QStringList& folders, const QString& deckName);
