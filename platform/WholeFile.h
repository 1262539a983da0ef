#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writes bytes as the whole new content of the file at path: all or nothing. A full disk, a
// read-only folder or any other failure returns false with the reason in errorString; the old
// file then stays as it was and no temporary file is left. Every whole-file write of the
// program goes through here.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* errorString = nullptr);

// Why a file could not be read: whether it is simply not there, and the reason in words for the
// second line of the message that reports it.
struct ReadFailure {
    bool missing = false;
    QString reason;
};

// The content of a regular file of at most maxBytes bytes. Nothing for a missing or unreadable
// file, a folder, a FIFO, a device or a file larger than maxBytes, with the reason in failure:
// reading outside data never blocks and never takes unbounded memory.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes,
                                          ReadFailure* failure = nullptr);
