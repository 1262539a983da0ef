#pragma once

#include <QObject>

#include "platform/BarChart.h"

// The plugin that draws charts with Qt Charts.
class QtChartMaker : public QObject, public ChartMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ChartMaker_iid)
    Q_INTERFACES(ChartMaker)

public:
    BarChart* CreateChart(QWidget* parent, QString* errorString) override;
};
