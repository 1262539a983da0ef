#include "platform/PluginChartMaker.h"

#include <QPluginLoader>

#include "platform/ProgramPlaces.h"

PluginChartMaker::PluginChartMaker(QString pluginPath) : pluginPath_(std::move(pluginPath)) {}

QString PluginChartMaker::DefaultPluginPath() {
    return ProgramPlaces::ProgramPlugin("lumenfold-chart");
}

// The plugin stays loaded once it is: the loader's instance lives until the program ends.
BarChart* PluginChartMaker::CreateChart(QWidget* parent, QString* errorString) {
    QPluginLoader loader(pluginPath_);
    auto* maker = qobject_cast<ChartMaker*>(loader.instance());
    if (!maker) {
        if (errorString) *errorString = "No chart: " + loader.errorString();
        return nullptr;
    }
    return maker->CreateChart(parent, errorString);
}
