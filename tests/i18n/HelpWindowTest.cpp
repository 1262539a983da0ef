#include <QTextBrowser>
#include <QWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "platform/QtHelpViewer.h"
#include "support/TestAppDir.h"

namespace {

TEST(HelpWindowTest, ShowsTheHelpPageInOneWindowOfTheOwner) {
    TestAppDir app;
    app.write("Reruv.html",
              "<html><head><meta charset=\"utf-8\"><title>Справка</title></head>"
              "<body><h1>Lumenfold Help</h1><a href=\"#shuffle\">Shuffle</a></body></html>");
    QWidget owner;
    QtHelpViewer viewer;
    EXPECT_FALSE(viewer.showContents(&owner, app.path() + "/Missing.html"));
    EXPECT_TRUE(owner.findChildren<QTextBrowser*>().isEmpty());

    ASSERT_TRUE(viewer.showContents(&owner, app.path() + "/Reruv.html"));
    ASSERT_TRUE(viewer.showContents(&owner, app.path() + "/Reruv.html"));
    const QList<QTextBrowser*> windows = owner.findChildren<QTextBrowser*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.first()->isWindow());
    EXPECT_TRUE(windows.first()->isVisible());
    EXPECT_TRUE(windows.first()->toPlainText().contains("Lumenfold Help"));
    // The caption is the page's title, nothing before or after it.
    EXPECT_EQ(windows.first()->windowTitle().toStdString(), "Справка");
    QTest::keyClick(windows.first(), Qt::Key_Escape);
    EXPECT_FALSE(windows.first()->isVisible());
}

}  // namespace
