#pragma once

#include <QString>

class QDate;

// Facts of the running system that the program shows or computes with.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // Milliseconds since the system started, wrapping like a signed 32-bit counter.
    virtual qint32 tickCount() const = 0;
    // A date in the user's short date format.
    virtual QString shortDate(const QDate& date) const = 0;
    virtual QDate today() const = 0;
    // The screen's logical pixels per inch (vertical).
    virtual int pixelsPerInch() const = 0;
};
