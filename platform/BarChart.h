#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <array>

class QWidget;

// Two counts for each category stacked in one bar drawn across, the first category lowest, on
// a count axis from 0 to `most`.
struct StackedBars {
    QStringList categories;
    std::array<QString, 2> names;
    std::array<QList<int>, 2> counts;
    int most = 1;
};

// A chart widget of stacked bars.
class BarChart {
public:
    virtual ~BarChart() = default;

    virtual QWidget* Widget() = 0;
    virtual void ShowBars(const StackedBars& bars) = 0;
};

// Makes charts.
class ChartMaker {
public:
    virtual ~ChartMaker() = default;

    // A chart owned by parent; null with the reason when no chart can be made.
    virtual BarChart* CreateChart(QWidget* parent, QString* errorString) = 0;
};

#define ChartMaker_iid "org.lumenfold.ChartMaker/1"
Q_DECLARE_INTERFACE(ChartMaker, ChartMaker_iid)
