#pragma once

#include <QString>

// The part of a path before its last "/", without that "/"; the whole path when it has none.
QString PathDirectory(const QString& path);

// A copy of the text with every "/" and "\" replaced by ".".
QString SlashesAsDots(const QString& text);
