#pragma once

#include <QDialogButtonBox>
#include <QString>

class QObject;

// Puts Qt's own texts (standard buttons, file, colour and message dialogs) into the language
// named like a language directory ("Russian", "English", ...). The translator belongs to owner
// and replaces the one it held; a language Qt has no texts for leaves Qt in English.
void UseQtTranslations(QObject* owner, const QString& languageName);

// The text Qt gives a standard button in the language in use.
QString QtButtonText(QDialogButtonBox::StandardButton button);
