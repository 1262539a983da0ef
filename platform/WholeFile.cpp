#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* errorString) {
    QSaveFile file(path);
    const auto fail = [&] {
        if (errorString) *errorString = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly)) return fail();
    // QSaveFile buffers: a write that did not reach the disk shows only in flush(), and
    // commit() alone may still report success after it. Check every step.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return fail();
    if (!file.commit()) {
        if (errorString) *errorString = file.errorString();
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    // Opening a FIFO blocks and a device may never end: only regular files are read.
    if (path.isEmpty() || !info.exists() || !info.isFile() || info.size() > maxBytes) return {};
    QFile file(info.canonicalFilePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes) return {};
    return bytes;
}
