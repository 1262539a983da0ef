#include "i18n/LangFile.h"

#include <QFileInfo>

#include "i18n/TextCodec.h"
#include "platform/FileNames.h"

QList<QByteArray> SplitLangLines(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

QStringList DecodeLangLines(const QByteArray& text) {
    QStringList lines;
    for (const QByteArray& line : SplitLangLines(text)) lines.append(DecodeText(line));
    return lines;
}

QString LanguageFilePath(const QString& appDir, const QString& language, const QString& fileName) {
    if (IsSafeFileName(language)) {
        const QString own = appDir + "/Langs/" + language + "/" + fileName;
        if (QFileInfo(own).isFile()) return own;
    }
    return appDir + "/Langs/English/" + fileName;
}
