#pragma once

#include "platform/SystemInfo.h"

class QtSystemInfo : public SystemInfo {
public:
    qint32 tickCount() const override;
    QString shortDate(const QDate& date) const override;
    QDate today() const override;
    int pixelsPerInch() const override;
};
