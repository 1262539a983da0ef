#pragma once

#include <QString>
#include <QStringList>

// The explanation texts of the cards: where they lie, how they are read and written.

// Where the explanation is saved; kept by the main window for the whole run.
struct CardSaveOptions {
    bool SaveWithDeck = true;
    bool SaveAsDefault = false;
};

// The three explanation files of a card and orientation ("N.txt", or "Nr.txt" reversed).
struct CardTextFiles {
    QString deck;      // the deck's folder
    QString language;  // AppDir/Langs/LANGUAGE/Texts/
    QString fallback;  // AppDir/Langs/English/Texts/
};
CardTextFiles CardTextPaths(const QString& appDir, const QString& deckDir,
                            const QString& languageName, int card, bool reversed);

// The explanation text of a card: the deck's file when it has text, else the language's file
// (even empty), else the English one, else empty.
QString LoadCardText(const QString& appDir, const QString& deckDir, const QString& languageName,
                     int card, bool reversed);

// Writes the text as UTF-8 where the options say: the language file (the English one where
// the language lacks it) as default meaning, and the deck file. Every file is replaced whole
// or left as it was. Returns "path: reason" for each file that could not be written.
QStringList WriteCardText(const CardTextFiles& files, const CardSaveOptions& options,
                          const QString& text);
