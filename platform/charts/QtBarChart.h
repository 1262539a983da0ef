#pragma once

#include <QtCharts/QChartView>

#include "platform/BarChart.h"

// Stacked bars drawn across by Qt Charts, the legend below.
class QtBarChart : public QChartView, public BarChart {
    Q_OBJECT

public:
    explicit QtBarChart(QWidget* parent);

    QWidget* Widget() override { return this; }
    void ShowBars(const StackedBars& bars) override;
};
