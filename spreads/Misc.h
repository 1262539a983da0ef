#pragma once

#include <QString>

// The part of a path before its last "/", without that "/"; the whole path when it has none.
QString PathDirectory(const QString& path);

// A copy of the text with every "/" and "\" replaced by ".".
QString SlashesAsDots(const QString& text);

// The name proposed for a file of the reading: the date with its slashes as dots, the deck's
// mark and the spread's name.
QString ReadingFileTitle(const QString& date, bool has79thCard, const QString& spreadName);
