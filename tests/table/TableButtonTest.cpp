// The table's buttons: how each state looks on the table, and where a button places itself.
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "table/TableButton.h"

namespace {

TEST(TableButtonTest, EachStateLooksItsOwnAndTheButtonFollowsItsTable) {
    const QColor table(17, 85, 17), aqua(0, 255, 255), gray(128, 128, 128);
    struct Row {
        const char* state;
        bool enabled, focused;
        QColor edge, caption;
    };
    for (const Row& row : {Row{"plain", true, false, table, aqua},
                           Row{"disabled", false, false, table, gray},
                           Row{"focused", true, true, Qt::white, aqua}}) {
        QWidget window;
        window.setPalette(QPalette(table));
        window.setAutoFillBackground(true);
        auto* button = new TableButton(&window, "Button", "Shuffle",
                                       TableButton::Anchor::EndsLeftOfMiddle);
        button->setEnabled(row.enabled);
        button->setFocusPolicy(row.focused ? Qt::StrongFocus : Qt::NoFocus);
        button->show();  // before its table has its size
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        if (row.focused) button->setFocus();
        // 120 pixels above the bottom, ending 10 pixels left of the middle.
        EXPECT_EQ(button->geometry(), QRect(200 - 10 - 81, 300 - 120, 81, 25)) << row.state;
        const QImage look = window.grab(button->geometry()).toImage();
        EXPECT_EQ(look.pixelColor(0, 12), row.edge) << row.state;
        bool captionShown = false;
        for (int x = 0; x < look.width(); ++x) captionShown |= look.pixelColor(x, 12) == row.caption;
        EXPECT_TRUE(captionShown) << row.state;
    }
}

}  // namespace
