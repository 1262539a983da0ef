#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writes bytes as the whole new content of the file at path: all or nothing. A full disk, a
// read-only folder or any other failure returns false with the reason in errorString; the old
// file then stays as it was and no temporary file is left. Every whole-file write of the
// program goes through here.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* errorString = nullptr);

// The content of a regular file of at most maxBytes bytes. Nothing for a missing or unreadable
// file, a folder, a FIFO, a device or a file larger than maxBytes: reading outside data never
// blocks and never takes unbounded memory.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);
