#include "platform/FileNames.h"

#include <QDir>

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
