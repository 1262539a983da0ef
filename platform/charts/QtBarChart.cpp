#include "platform/charts/QtBarChart.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QHorizontalStackedBarSeries>
#include <QtCharts/QValueAxis>

QtBarChart::QtBarChart(QWidget* parent) : QChartView(new QChart(), parent) {
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
}

void QtBarChart::ShowBars(const StackedBars& bars) {
    QChart* shown = chart();
    shown->removeAllSeries();
    for (QAbstractAxis* axis : shown->axes()) {
        shown->removeAxis(axis);
        delete axis;  // removing hands the axis back
    }
    auto* series = new QHorizontalStackedBarSeries;
    for (size_t set = 0; set < bars.names.size(); ++set) {
        auto* counts = new QBarSet(bars.names[set]);
        for (int count : bars.counts[set]) *counts << count;
        series->append(counts);
    }
    shown->addSeries(series);
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(bars.categories);
    // A title taller than its bar's share of the axis would be cut to "...".
    QFont small = categoryAxis->labelsFont();
    small.setPixelSize(10);
    categoryAxis->setLabelsFont(small);
    shown->addAxis(categoryAxis, Qt::AlignLeft);
    series->attachAxis(categoryAxis);
    auto* countAxis = new QValueAxis;
    countAxis->setLabelFormat("%d");
    countAxis->setRange(0, bars.most);
    // Whole numbers only, at most about ten of them.
    countAxis->setTickType(QValueAxis::TicksDynamic);
    countAxis->setTickAnchor(0);
    countAxis->setTickInterval(std::max(1, (bars.most + 9) / 10));
    shown->addAxis(countAxis, Qt::AlignBottom);
    series->attachAxis(countAxis);
}
