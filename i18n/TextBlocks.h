#pragma once

#include <QByteArray>
#include <QString>

// The largest text file of the program that is read (language files, explanation texts,
// spread files): far above any real one, small enough never to strain memory.
constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;

// The whole content of a text file of the program, read in blocks of 2048 bytes, each block
// taken up to its first zero byte. Only a regular file of at most kMaxTextFileBytes is read:
// a missing or unreadable file, a folder, a FIFO, a device or a larger file gives empty bytes.
QByteArray ReadTextBlocks(const QString& path);
