#pragma once

#include <QObject>
#include <QString>

#include "i18n/MessageList.h"

// The interface language: loads a language's message list and Qt's own texts into the program,
// then tells every part, and each part retitles itself.
class Language : public QObject {
    Q_OBJECT

public:
    explicit Language(MessageList& messages, QObject* parent = nullptr);

    // Loads the language named like its folder under appDir's Langs. Without a message list
    // everything stays as it was and false is returned.
    bool Load(const QString& appDir, const QString& languageName);

signals:
    // The messages are now the new language's; `before` holds the ones they replaced.
    void languageChanged(const MessageList& before);

private:
    MessageList& messages_;
};
