#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The lines of a language file. A line ends at a CR, and one LF right after that CR belongs
// to the line end; a lone LF stays inside the line. The last line needs no line end and adds
// nothing when it is empty; empty lines in the middle count.
QList<QByteArray> SplitLangLines(const QByteArray& text);

// The lines of a language file, each decoded to text.
QStringList DecodeLangLines(const QByteArray& text);

// AppDir/Langs/LANGUAGE/fileName when that file exists, else the English one. A language name
// that would lead out of the Langs folder counts as a language without files.
QString LanguageFilePath(const QString& appDir, const QString& language, const QString& fileName);
