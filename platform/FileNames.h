#pragma once

#include <QString>
#include <QStringList>

// True when a name taken from the user or from a file can be used as one file or directory
// name inside a folder of the program: not empty, no "/" or "\", not "." or "..".
bool IsSafeFileName(const QString& name);

// The names of the entries of a folder (files and folders alike) in the order the directory
// search returns them, without those beginning with "." and those IsSafeFileName refuses.
// A missing folder gives none.
QStringList FolderEntries(const QString& folder);
