#include "support/LanguageData.h"

#include "support/TestAppDir.h"
#include "i18n/Msg.h"

QByteArray CrLfLines(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) text += line.toUtf8() + "\r\n";
    return text;
}

QStringList NumberedLines(const QString& prefix, int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << prefix + QString::number(i);
    return lines;
}

void WriteLanguage(const TestAppDir& app, const QString& language, const QString& prefix) {
    app.write("Langs/" + language + "/List.lng", CrLfLines(NumberedLines(prefix, Msg::Count)));
    app.write("Langs/" + language + "/Cards.lng", CrLfLines(NumberedLines(prefix + "cards", 97)));
}
