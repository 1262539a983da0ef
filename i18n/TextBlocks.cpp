#include "i18n/TextBlocks.h"

#include <cstring>

#include "platform/WholeFile.h"

QByteArray ReadTextBlocks(const QString& path) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxTextFileBytes);
    if (!bytes) return {};
    constexpr qsizetype kBlockSize = 2048;
    QByteArray text;
    text.reserve(bytes->size());
    for (qsizetype start = 0; start < bytes->size(); start += kBlockSize) {
        const char* block = bytes->constData() + start;
        const auto length = static_cast<size_t>(qMin(kBlockSize, bytes->size() - start));
        const void* zero = memchr(block, 0, length);
        text.append(block, zero ? static_cast<const char*>(zero) - block : qsizetype(length));
    }
    return text;
}
