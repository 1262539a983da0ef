#include "platform/QtPacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int kFrameMilliseconds = 16;

}  // namespace

void QtPacer::pause(int milliseconds) {
    const int scaled = static_cast<int>(milliseconds * timeScale_);
    if (scaled <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(scaled, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtPacer::nextFrame() {
    const qint64 spent = lastFrame_.isValid() ? lastFrame_.elapsed() : 0;
    // A frame that came after a long break (a new animation) waits a whole frame.
    const bool steady = spent < kFrameMilliseconds;
    pause(steady ? static_cast<int>(kFrameMilliseconds - spent) : kFrameMilliseconds);
    lastFrame_.start();
}
