#include "platform/QtShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// How long xdg-open may take to say that nothing can open the file. Still running after that,
// it has handed the file to a program that runs in its place.
constexpr int kOpenerAnswerTime = 10000;

// Qt reports success as soon as xdg-open starts, also when xdg-open then finds no program for
// the file: so xdg-open runs here and its exit code counts. The window stays responsive while
// waiting, and an opener still running is left to run on its own.
bool OpenWithXdgOpen(const QString& path) {
    auto* opener = new QProcess(QCoreApplication::instance());
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    opener->start("xdg-open", {path});
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    QEventLoop loop;
    std::optional<bool> answer;
    QObject::connect(opener, &QProcess::finished, &loop,
                     [&](int exitCode, QProcess::ExitStatus status) {
                         answer = status == QProcess::NormalExit && exitCode == 0;
                         loop.quit();
                     });
    QTimer::singleShot(kOpenerAnswerTime, &loop, &QEventLoop::quit);
    loop.exec();
    return answer.value_or(true);
}
#endif

}  // namespace

bool QtShell::openFile(const QString& path) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return OpenWithXdgOpen(path);
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}
