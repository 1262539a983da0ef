#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* errorString) {
    if (path.isEmpty()) {
        if (errorString) *errorString = QStringLiteral("No file name");
        return false;
    }
    QSaveFile file(path);
    const auto fail = [&] {
        if (errorString) *errorString = file.errorString();
        // Without a commit the save file removes its temporary file when it is destroyed.
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail();
    // QSaveFile buffers: a write that did not reach the disk shows only in flush(), and
    // commit() alone may still report success after it. Check every step. A full disk cuts a
    // write short without a reason; the next attempt meets the error and names it.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return fail();
        done += written;
    }
    if (!file.flush()) {
        file.flush();
        return fail();
    }
    if (file.error() != QFileDevice::NoError) return fail();
    if (!file.commit()) {
        if (errorString) *errorString = file.errorString();
        return false;
    }
    return true;
}

namespace {

void Fail(ReadFailure* failure, bool missing, const QString& reason) {
    if (failure) *failure = {missing, reason};
}

QString TooLarge(qint64 maxBytes) {
    return QStringLiteral("The file is larger than %1 bytes.").arg(maxBytes);
}

// Opens path for reading when it is a regular file of at most maxBytes bytes; its size in size.
bool OpenRegularFile(const QString& path, qint64 maxBytes, QFile& file, qint64& size,
                     ReadFailure* failure) {
    const QString notAFile = QStringLiteral("Not a regular file.");
#ifdef Q_OS_UNIX
    // Devices are refused before they are opened (opening one may have effects); the opened
    // file is checked again, so a FIFO put in place meanwhile cannot block the open or the read.
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::stat(name.constData(), &before) != 0) {
        Fail(failure, errno == ENOENT || errno == ENOTDIR, qt_error_string(errno));
        return false;
    }
    if (!S_ISREG(before.st_mode)) {
        Fail(failure, false, notAFile);
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Fail(failure, errno == ENOENT, qt_error_string(errno));
        return false;
    }
    struct stat opened {};
    const bool regular = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    if (!regular || opened.st_size > maxBytes ||
        !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        Fail(failure, false,
             !regular                    ? notAFile
             : opened.st_size > maxBytes ? TooLarge(maxBytes)
                                         : file.errorString());
        ::close(fd);
        return false;
    }
    size = opened.st_size;
    return true;
#else
    const QFileInfo info(path);
    if (!info.exists()) {
        Fail(failure, true, QStringLiteral("No such file or directory"));
        return false;
    }
    if (!info.isFile() || info.size() > maxBytes) {
        Fail(failure, false, info.isFile() ? TooLarge(maxBytes) : notAFile);
        return false;
    }
    file.setFileName(info.absoluteFilePath());
    size = info.size();
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return true;
    Fail(failure, false, file.errorString());
    return false;
#endif
}

}  // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes,
                                          ReadFailure* failure) {
    QFile file;
    qint64 size = 0;
    if (path.isEmpty() || maxBytes < 0) {
        Fail(failure, true, QStringLiteral("No file name"));
        return {};
    }
    if (!OpenRegularFile(path, maxBytes, file, size, failure)) return {};
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 have = 0;
    while (have < size) {
        const qint64 got = file.read(bytes.data() + have, size - have);
        if (got < 0) {
            Fail(failure, false, file.errorString());
            return {};
        }
        if (got == 0) break;  // the file shrank meanwhile
        have += got;
    }
    bytes.truncate(have);
    // The file may have grown since it was measured: read on, still within the bound.
    char chunk[4096];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0 || bytes.size() + got > maxBytes) {
            Fail(failure, false, got < 0 ? file.errorString() : TooLarge(maxBytes));
            return {};
        }
        if (got == 0) return bytes;
        bytes.append(chunk, got);
    }
}
