#include "i18n/Language.h"

#include "i18n/LangFile.h"
#include "i18n/QtTranslations.h"
#include "i18n/TextBlocks.h"

Language::Language(MessageList& messages, QObject* parent) : QObject(parent), messages_(messages) {}

bool Language::Load(const QString& appDir, const QString& languageName) {
    const QByteArray text = ReadTextBlocks(LanguageFilePath(appDir, languageName, "List.lng"));
    if (text.isEmpty()) return false;
    const MessageList before = messages_;
    messages_.replace(DecodeLangLines(text));
    UseQtTranslations(this, languageName);
    emit languageChanged(before);
    return true;
}
