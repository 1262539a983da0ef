#pragma once

#include <QString>

#include "platform/BarChart.h"

// The charts of the chart plugin at pluginPath, loaded at the first chart, so that the program
// starts without the chart libraries. Without the plugin there is no chart, for the loader's
// reason.
class PluginChartMaker : public ChartMaker {
public:
    explicit PluginChartMaker(QString pluginPath);

    BarChart* CreateChart(QWidget* parent, QString* errorString) override;

    // Where the plugin lies: beside the running program, or in its installed plugin folder.
    static QString DefaultPluginPath();

private:
    QString pluginPath_;
};
