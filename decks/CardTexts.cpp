#include "decks/CardTexts.h"

#include <QDir>
#include <QFileInfo>

#include "i18n/TextBlocks.h"
#include "i18n/TextCodec.h"
#include "platform/FileNames.h"
#include "platform/WholeFile.h"

namespace {

const QString kFallbackLanguage = "English";

// An existing regular file.
bool IsFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

// The explanation window shows "\n" line breaks; the files keep CR LF.
QString ForFile(QString text) { return text.replace('\n', "\r\n"); }

// Explanation texts are plain text a person may open in an editor: always written as UTF-8.
// False with the reason when the file could not be written.
bool WriteWhole(const QString& path, const QString& text, QString* errorString) {
    return WriteWholeFile(path, ForFile(text).toUtf8(), errorString);
}

}  // namespace

// No deck folder, or a language name that would leave its folder, gives no path at all.
CardTextFiles CardTextPaths(const QString& appDir, const QString& userDir, const QString& deckDir,
                            const QString& languageName, int card, bool reversed) {
    const QString name = QString::number(card) + (reversed ? "r.txt" : ".txt");
    const auto languageFile = [&](const QString& language) {
        return IsSafeFileName(language) ? appDir + "/Langs/" + language + "/Texts/" + name
                                        : QString();
    };
    // A file of the program's data has its own copy under the user's Explanations folder, at
    // the same place; any other file (a deck the user imported) is the user's already.
    const bool apart = !userDir.isEmpty() && QDir(userDir) != QDir(appDir);
    const auto own = [&](const QString& path) {
        if (!apart || !path.startsWith(appDir + "/")) return path;
        return userDir + "/Explanations/" + path.mid(appDir.size() + 1);
    };
    const QString deck = deckDir.isEmpty() ? QString() : deckDir + "/" + name;
    const QString language = languageFile(languageName);
    const QString fallback = languageFile(kFallbackLanguage);
    return {deck, language, fallback, own(deck), own(language), own(fallback)};
}

QString LoadCardText(const QString& appDir, const QString& userDir, const QString& deckDir,
                     const QString& languageName, int card, bool reversed) {
    const CardTextFiles files =
        CardTextPaths(appDir, userDir, deckDir, languageName, card, reversed);
    // In a portable folder each own copy is the file itself: it is looked at once.
    QStringList decks{files.ownDeck, files.deck};
    QStringList languages{files.ownLanguage, files.language, files.ownFallback, files.fallback};
    decks.removeDuplicates();
    languages.removeDuplicates();
    for (const QString& deck : decks)
        if (IsFile(deck))
            if (const QByteArray bytes = ReadTextBlocks(deck); !bytes.isEmpty())
                return DecodeText(bytes);
    for (const QString& path : languages)
        if (IsFile(path)) return DecodeText(ReadTextBlocks(path));
    return QString();
}

QStringList WriteCardText(const CardTextFiles& files, const CardSaveOptions& options,
                          const QString& text) {
    QStringList failed;
    const auto write = [&](const QString& path, const QString& original) {
        QString error;
        // An own copy apart from the program's file gets its folder with its first text.
        if (path != original) QDir().mkpath(QFileInfo(path).absolutePath());
        if (!WriteWhole(path, text, &error)) failed.append(path + ": " + error);
    };
    if (options.SaveAsDefault) {
        if (IsFile(files.ownLanguage) || IsFile(files.language))
            write(files.ownLanguage, files.language);
        else
            write(files.ownFallback, files.fallback);
    }
    if (options.SaveWithDeck) write(files.ownDeck, files.deck);
    return failed;
}
