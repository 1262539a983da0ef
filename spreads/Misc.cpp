#include "spreads/Misc.h"

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

QByteArray TakeTextBlocks(const QByteArray& bytes) {
    constexpr qsizetype kBlockSize = 2048;
    QByteArray text;
    text.reserve(bytes.size());
    for (qsizetype start = 0; start < bytes.size(); start += kBlockSize) {
        const QByteArray block = bytes.mid(start, kBlockSize);
        const qsizetype zero = block.indexOf('\0');
        text.append(zero < 0 ? block : block.left(zero));
    }
    return text;
}

QByteArray ReadTextBlocks(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    // A read error part-way keeps what was read before it.
    QByteArray bytes;
    for (QByteArray chunk = file.read(1 << 16); !chunk.isEmpty(); chunk = file.read(1 << 16))
        bytes.append(chunk);
    return TakeTextBlocks(bytes);
}
