#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include "app/CommandLine.h"
#include "app/FirstPaint.h"
#include "app/TableFrm.h"
#include "platform/Interface.h"
#include "platform/Platform.h"
#include "readings/SavedReadings.h"

int main(int argc, char* argv[]) {
    if (AsksForTextOnly(argc, argv)) {
        const QCoreApplication text(argc, argv);
        ReadCommandLine(text);
    }
    QApplication app(argc, argv);
    SetUpInterface();
    // The desktop's menu entry and icon stand for the program's windows too.
    QGuiApplication::setDesktopFileName(LUMENFOLD_APP_ID);
    QApplication::setWindowIcon(QIcon::fromTheme(LUMENFOLD_APP_ID));
    const CommandLine command = ReadCommandLine(app);
    Platform platform = RealPlatform();
    TForm1 window(platform, QApplication::applicationFilePath());
    ReportFirstPaint(window);
    window.show();
    window.raise();
    window.activateWindow();
    // The same path as Readings > Open: a file that cannot be opened gets its message and the
    // program stays up.
    if (!command.readingFile.isEmpty()) window.savedReadings().OpenReading(command.readingFile);
    if (command.printTable) {
        QTextStream(stdout) << TableReport(window);
        window.close();
        return 0;
    }
    return app.exec();
}
