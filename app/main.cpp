#include <QApplication>

#include "app/TableFrm.h"
#include "platform/Interface.h"
#include "platform/Platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpInterface();
    Platform platform = RealPlatform();
    TForm1 window(platform, QApplication::applicationFilePath());
    window.show();
    window.raise();
    window.activateWindow();
    return app.exec();
}
