#include "decks/DeckDirectory.h"

#include <QFileInfo>

#include "platform/FileNames.h"
#include "platform/ProgramPlaces.h"

bool DeckHas79thCard(const QStringList& deckFolders, const QString& deckName) {
    const QString folder = FindDeckDirectory(deckFolders, deckName);
    return !folder.isEmpty() && QFileInfo::exists(folder + "/78.jpg");
}

// Lies between the Major Arcana (22 or 23 cards) and the whole deck (78 or 79).
bool IsMajorArcanaDeck(int deckSize) { return deckSize <= 25; }

int DeckSizeFor(bool majorOnly, bool has79thCard) {
    return 22 + (majorOnly ? 0 : 56) + (has79thCard ? 1 : 0);
}

QStringList DeckFolders(const ProgramPlaces& places) {
    QStringList folders{places.UserData() + "/Pics"};
    if (places.BundledData() != places.UserData()) folders.append(places.BundledData() + "/Pics");
    return folders;
}

QString FindDeckDirectory(const QStringList& folders, const QString& deckName) {
    if (!IsSafeFileName(deckName) || folders.isEmpty()) return {};
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + "/" + deckName)) return folder + "/" + deckName;
    return folders.last() + "/" + deckName;
}
