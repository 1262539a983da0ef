#include "spreads/Misc.h"

QString PathDirectory(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.left(slash);
}

QString SlashesAsDots(const QString& text) {
    QString result = text;
    result.replace('/', '.').replace('\\', '.');
    return result;
}
