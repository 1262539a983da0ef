// Without their plugins, printing and charts fail with the loader's reason and paint nothing.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/PluginChartMaker.h"
#include "platform/PluginPaperPrinter.h"
#include "support/TestAppDir.h"

namespace {

TEST(PluginLoaders, WithoutThePluginsPrintingAndChartsSayWhy) {
    TestAppDir dir;
    QString why;
    int painted = 0;
    const PrintJob job{"Reading", [](QPagedPaintDevice&) {},
                       [&](QPagedPaintDevice&, QString*) { return ++painted > 0; }};
    EXPECT_EQ(PluginPaperPrinter(dir.path() + "/lumenfold-print").Print(job, nullptr, &why),
              PrintOutcome::Failed);
    EXPECT_TRUE(why.startsWith("No printing: ")) << why.toStdString();
    EXPECT_EQ(painted, 0);

    QWidget parent;
    EXPECT_EQ(PluginChartMaker(dir.path() + "/lumenfold-chart").CreateChart(&parent, &why),
              nullptr);
    EXPECT_TRUE(why.startsWith("No chart: ")) << why.toStdString();
    EXPECT_TRUE(parent.children().isEmpty());
}

}  // namespace
