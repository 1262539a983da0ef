#include "support/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestAppDir::TestAppDir() = default;

void TestAppDir::write(const QString& relativePath, const QByteArray& bytes) const {
    const QString full = path() + "/" + relativePath;
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

void TestAppDir::linkBundled(const QString& folder) const {
    QFile::link(QString(LUMENFOLD_APPDIR) + "/" + folder, path() + "/" + folder);
}
