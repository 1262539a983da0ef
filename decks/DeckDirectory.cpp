#include "decks/DeckDirectory.h"

#include <QFileInfo>

#include "platform/FileNames.h"

QString DeckDirectory(const QString& appDir, const QString& deckName) {
    return appDir + "/Pics/" + deckName;
}

bool DeckHas79thCard(const QString& appDir, const QString& deckName) {
    return IsSafeFileName(deckName) &&
           QFileInfo::exists(DeckDirectory(appDir, deckName) + "/78.jpg");
}

// Lies between the Major Arcana (22 or 23 cards) and the whole deck (78 or 79).
bool IsMajorArcanaDeck(int deckSize) { return deckSize <= 25; }

int DeckSizeFor(bool majorOnly, bool has79thCard) {
    return 22 + (majorOnly ? 0 : 56) + (has79thCard ? 1 : 0);
}
