#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/Interface.h"

namespace {

// Widgets run on the offscreen platform with one 1024 x 768 screen, unless the caller chose
// another platform.
void UseOffscreenScreen(const QTemporaryDir& dir) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    const QString config = dir.filePath("screens.json");
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({"screens":[{"name":"table","x":0,"y":0,"width":1024,"height":768,)"
                   R"("logicalDpiX":96,"logicalDpiY":96,"dpr":1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QDir(dir.path()).mkdir("runtime");
        QFile::setPermissions(dir.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.filePath("runtime").toLocal8Bit());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir scratch;
    UseOffscreenScreen(scratch);
    QApplication app(argc, argv);
    SetUpInterface();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
