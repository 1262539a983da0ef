#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

bool QtShell::openFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
