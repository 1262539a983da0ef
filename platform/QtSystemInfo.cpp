#include "platform/QtSystemInfo.h"

#include <QDate>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

qint32 QtSystemInfo::tickCount() const {
    // The monotonic clock counts from boot; keep its low 32 bits like the classic tick counter.
    const qint64 ms = QDeadlineTimer::current(Qt::PreciseTimer).deadline();
    return static_cast<qint32>(static_cast<quint32>(ms));
}

QString QtSystemInfo::shortDate(const QDate& date) const {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QDate QtSystemInfo::today() const { return QDate::currentDate(); }

int QtSystemInfo::pixelsPerInch() const {
    constexpr int kUsual = 96;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : kUsual;
}
