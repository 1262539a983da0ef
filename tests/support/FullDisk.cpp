#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

}  // namespace

FullDisk::FullDisk() {
    mounted_ = dir_.isValid() && Run("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path()});
}

FullDisk::~FullDisk() {
    if (mounted_) Run("umount", {path()});
}

void FullDisk::fill() const {
    QFile filler(path() + "/filler");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
}

QStringList FullDisk::entries() const {
    return QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}
