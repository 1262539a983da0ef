#include "spreads/Misc.h"

#include "i18n/FixedTexts.h"

QString PathDirectory(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.left(slash);
}

QString SlashesAsDots(const QString& text) {
    QString result = text;
    result.replace('/', '.').replace('\\', '.');
    return result;
}

QString ReadingFileTitle(const QString& date, bool has79thCard, const QString& spreadName) {
    return SlashesAsDots(date) +
           (has79thCard ? FixedText::Deck79FileMark : FixedText::DeckFileMark) + spreadName;
}
