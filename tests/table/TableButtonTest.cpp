// The table's buttons: how each state looks on the table, and where a button places itself.
#include <QColor>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "table/TableButton.h"

namespace {

bool HasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

TEST(TableButtonTest, EachStateLooksItsOwnOnTheTable) {
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
        window.resize(400, 300);
        QPalette palette;
        palette.setColor(QPalette::Window, table);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        auto* button = new TableButton(&window, "Button", "Shuffle",
                                       TableButton::Anchor::EndsLeftOfMiddle);
        button->setEnabled(row.enabled);
        button->setFocusPolicy(row.focused ? Qt::StrongFocus : Qt::NoFocus);
        window.show();
        button->show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        if (row.focused) button->setFocus();
        ASSERT_EQ(button->hasFocus(), row.focused) << row.state;
        // Shown, it sits 120 pixels above the bottom and ends 10 pixels left of the middle.
        EXPECT_EQ(button->geometry(), QRect(200 - 10 - 81, 300 - 120, 81, 25)) << row.state;
        const QImage look = window.grab(button->geometry()).toImage();
        EXPECT_EQ(look.pixelColor(0, 12), row.edge) << row.state;
        EXPECT_TRUE(HasColour(look, row.caption)) << row.state;
    }
}

TEST(TableButtonTest, ALongerCaptionWidensAShownButtonAroundItsAnchor) {
    QWidget table;
    table.resize(600, 400);
    auto* cut = new TableButton(&table, "Cut", "Cut", TableButton::Anchor::Centred);
    table.show();
    cut->show();
    EXPECT_EQ(cut->geometry(), QRect((600 - 81) / 2, 280, 81, 25));
    cut->Retitle("Cut the deck into two piles of cards");
    const int wide = cut->fontMetrics().horizontalAdvance(cut->text()) + 6;
    EXPECT_EQ(cut->geometry(), QRect((600 - wide) / 2, 280, wide, 25));
    table.resize(800, 500);
    EXPECT_EQ(cut->geometry(), QRect((800 - wide) / 2, 380, wide, 25));
}

}  // namespace
