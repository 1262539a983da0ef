#pragma once

#include <QDate>

#include "platform/SystemInfo.h"

class FixedSystemInfo : public SystemInfo {
public:
    qint32 ticks = 1000;
    QDate date{2026, 12, 9};
    int ppi = 96;

    qint32 tickCount() const override { return ticks; }
    QString shortDate(const QDate& d) const override { return d.toString("dd/MM/yyyy"); }
    QDate today() const override { return date; }
    int pixelsPerInch() const override { return ppi; }
};
