#include "app/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

namespace {

// Sees the first paint of any widget of the window; the report is queued behind it, so it
// follows the whole first frame.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &window_) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [this] { Report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report() {
        std::printf("painted %d %d\n", window_.width(), window_.height());
        std::fflush(stdout);
        deleteLater();
    }

    QWidget& window_;
};

}  // namespace

void ReportFirstPaint(QWidget& window) {
    if (qEnvironmentVariableIsSet("LUMENFOLD_REPORT_FIRST_PAINT")) new FirstPaintWatch(window);
}
