#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One check for each reader and writer of outside data. A check feeds one input through the
// program's own entry points and returns what went wrong, or empty text when all is well; a
// crash or a hang is the other way to fail. The fuzz targets run these under libFuzzer, and the
// test suite replays every stored regression input through the same functions.
using FuzzCheck = QString (*)(const QByteArray& input);

// The names of the fuzz targets, one per check.
QStringList FuzzTargetNames();
// The check of the named target; null for a name that is none.
FuzzCheck FuzzCheckNamed(const QString& target);
