#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The part of a path before its last "/", without that "/"; the whole path when it has none.
QString PathDirectory(const QString& path);

// A copy of the text with every "/" and "\" replaced by ".".
QString SlashesAsDots(const QString& text);

// True when a name taken from the user or from a file can be used as one file or directory
// name inside a folder of the program: not empty, no "/" or "\", not "." or "..".
bool IsSafeFileName(const QString& name);

// The names of the entries of a folder (files and folders alike) in the order the directory
// search returns them, without those beginning with "." and those IsSafeFileName refuses.
// A missing folder gives none.
QStringList FolderEntries(const QString& folder);

// The text of file bytes as the program reads its text files: in blocks of 2048 bytes, each
// block taken up to its first zero byte.
QByteArray TakeTextBlocks(const QByteArray& bytes);

// The whole content of a text file of the program, read in blocks of 2048 bytes, each block
// taken up to its first zero byte. A missing or unreadable file gives empty bytes; a read
// error part-way keeps what was read before it.
QByteArray ReadTextBlocks(const QString& path);
