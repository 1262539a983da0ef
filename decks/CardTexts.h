#pragma once

#include <QString>
#include <QStringList>

// The explanation texts of the cards: where they lie, how they are read and written.

// Where the explanation is saved; kept by the main window for the whole run.
struct CardSaveOptions {
    bool SaveWithDeck = true;
    bool SaveAsDefault = false;
};

// The explanation files of a card and orientation ("N.txt", or "Nr.txt" reversed). The
// program's own texts are read where they came with it; the user's edits go to own copies in
// the user's folder, which are read first. In a portable folder, where the user's folder is the
// program's, each own copy is the file itself.
struct CardTextFiles {
    QString deck;      // the deck's folder
    QString language;  // AppDir/Langs/LANGUAGE/Texts/
    QString fallback;  // AppDir/Langs/English/Texts/
    QString ownDeck;
    QString ownLanguage;
    QString ownFallback;
};
CardTextFiles CardTextPaths(const QString& appDir, const QString& userDir, const QString& deckDir,
                            const QString& languageName, int card, bool reversed);

// The explanation text of a card: the deck's file when it has text, else the language's file
// (even empty), else the English one, else empty; at each step the user's own copy first.
QString LoadCardText(const QString& appDir, const QString& userDir, const QString& deckDir,
                     const QString& languageName, int card, bool reversed);

// Writes the text as UTF-8 into the own copies the options say: the language's (the English
// one where the language lacks it) as default meaning, and the deck's. Every file is replaced
// whole or left as it was. Returns "path: reason" for each file that could not be written.
QStringList WriteCardText(const CardTextFiles& files, const CardSaveOptions& options,
                          const QString& text);
