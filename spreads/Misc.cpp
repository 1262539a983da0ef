#include "spreads/Misc.h"

#include <cstring>

#include <QDir>
#include <QFile>

QString PathDirectory(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.left(slash);
}

QString SlashesAsDots(const QString& text) {
    QString result = text;
    result.replace('/', '.').replace('\\', '.');
    return result;
}

bool IsSafeFileName(const QString& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\\');
}

QStringList FolderEntries(const QString& folder) {
    QStringList names;
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(folder).entryList(filter, QDir::Unsorted))
        if (!name.startsWith('.') && IsSafeFileName(name)) names.append(name);
    return names;
}

QByteArray ReadTextBlocks(const QString& path) {
    QFile file(path);
    QByteArray text;
    if (!file.open(QIODevice::ReadOnly)) return text;
    constexpr qint64 kBlockSize = 2048;
    char block[kBlockSize];
    for (;;) {
        const qint64 got = file.read(block, kBlockSize);
        if (got <= 0) break;
        const void* zero = memchr(block, 0, static_cast<size_t>(got));
        text.append(block, zero ? static_cast<const char*>(zero) - block : got);
    }
    return text;
}
