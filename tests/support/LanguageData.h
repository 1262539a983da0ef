#pragma once

#include <QByteArray>
#include <QStringList>

class TestAppDir;

// Lines joined with CR LF after each, as the program writes them.
QByteArray CrLfLines(const QStringList& lines);

// count texts "<prefix>0", "<prefix>1", ...: the line number is readable in every text.
QStringList NumberedLines(const QString& prefix, int count);

// Writes Langs/<language>/List.lng with 139 messages "<prefix>N" and Cards.lng with 97 lines
// "<prefix>cardsN".
void WriteLanguage(const TestAppDir& app, const QString& language, const QString& prefix);
