#include "platform/charts/QtChartMaker.h"

#include "platform/charts/QtBarChart.h"

BarChart* QtChartMaker::CreateChart(QWidget* parent, QString*) { return new QtBarChart(parent); }
