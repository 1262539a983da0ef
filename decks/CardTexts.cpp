#include "decks/CardTexts.h"

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
CardTextFiles CardTextPaths(const QString& appDir, const QString& deckDir,
                            const QString& languageName, int card, bool reversed) {
    const QString name = QString::number(card) + (reversed ? "r.txt" : ".txt");
    const auto languageFile = [&](const QString& language) {
        return IsSafeFileName(language) ? appDir + "/Langs/" + language + "/Texts/" + name
                                        : QString();
    };
    return {deckDir.isEmpty() ? QString() : deckDir + "/" + name, languageFile(languageName),
            languageFile(kFallbackLanguage)};
}

QString LoadCardText(const QString& appDir, const QString& deckDir, const QString& languageName,
                     int card, bool reversed) {
    const CardTextFiles files = CardTextPaths(appDir, deckDir, languageName, card, reversed);
    if (IsFile(files.deck)) {
        const QByteArray bytes = ReadTextBlocks(files.deck);
        if (!bytes.isEmpty()) return DecodeText(bytes);
    }
    if (IsFile(files.language)) return DecodeText(ReadTextBlocks(files.language));
    if (IsFile(files.fallback)) return DecodeText(ReadTextBlocks(files.fallback));
    return QString();
}

QStringList WriteCardText(const CardTextFiles& files, const CardSaveOptions& options,
                          const QString& text) {
    QStringList failed;
    const auto write = [&](const QString& path) {
        QString error;
        if (!WriteWhole(path, text, &error)) failed.append(path + ": " + error);
    };
    if (options.SaveAsDefault) write(IsFile(files.language) ? files.language : files.fallback);
    if (options.SaveWithDeck) write(files.deck);
    return failed;
}
