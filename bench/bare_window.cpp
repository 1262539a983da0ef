// The yardstick of the start-up benchmark: a bare Qt main window with a menu bar and a coloured
// centre, of the size given on the command line, that reports its first paint as the program
// does.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

#include "app/FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int width = args.size() > 2 ? args[1].toInt() : 1024;
    const int height = args.size() > 2 ? args[2].toInt() : 768;
    QMainWindow window;
    for (const char* title : {"Readings", "Spreads", "Options", "View", "Help"})
        window.menuBar()->addMenu(title)->addAction("Item");
    auto* centre = new QWidget;
    centre->setAutoFillBackground(true);
    centre->setPalette(QPalette(QColor(0, 96, 48)));
    window.setCentralWidget(centre);
    window.resize(width, height);
    ReportFirstPaint(window);
    window.show();
    return app.exec();
}
