#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "decks/CapPanel.h"

namespace {

struct HitRow {
    const char* name;
    PanelAlign align;
    QPoint point;
    PanelZone zone;
};

// A 100 x 80 panel; near an edge means within 5 pixels of it.
const HitRow kHitRows[] = {
    {"threeFromBottomRight", PanelAlign::None, {97, 77}, PanelZone::BottomRight},
    {"sixFromEveryEdge", PanelAlign::None, {6, 6}, PanelZone::None},
    {"fiveFromLeftTop", PanelAlign::None, {5, 5}, PanelZone::TopLeft},
    {"topRight", PanelAlign::None, {96, 2}, PanelZone::TopRight},
    {"bottomLeft", PanelAlign::None, {0, 79}, PanelZone::BottomLeft},
    {"dockedLeftHasOnlyItsRightEdge", PanelAlign::Left, {97, 77}, PanelZone::Right},
    {"dockedRightHasItsLeftEdge", PanelAlign::Right, {2, 2}, PanelZone::Left},
    {"dockedTopBottomOverridesRight", PanelAlign::Top, {97, 77}, PanelZone::Bottom},
    {"dockedBottomTopOverridesLeft", PanelAlign::Bottom, {2, 2}, PanelZone::Top},
    {"fillingHasNone", PanelAlign::Client, {0, 0}, PanelZone::None},
};

TEST(CapPanelTest, HitTestFindsCornersFirstThenFreeEdges) {
    for (const HitRow& row : kHitRows)
        EXPECT_EQ(PanelHitTest(row.align, row.point, QSize(100, 80)), row.zone) << row.name;
}

struct DragRow {
    const char* name;
    PanelAlign align;
    QPoint grab;  // in panel coordinates
    QPoint move;
    QRect result;
};

// A 100 x 80 panel at (200, 50) in a 400 x 300 parent, never smaller than 60 x 40.
const DragRow kDragRows[] = {
    {"leftEdgeLeft", PanelAlign::None, {1, 40}, {-30, 0}, {170, 50, 130, 80}},
    {"bottomRightOut", PanelAlign::None, {98, 78}, {20, 10}, {200, 50, 120, 90}},
    {"topLeftIn", PanelAlign::None, {2, 2}, {10, 5}, {210, 55, 90, 75}},
    {"belowTheMinimum", PanelAlign::None, {99, 79}, {-90, -70}, {200, 50, 60, 40}},
    {"middleDoesNothing", PanelAlign::None, {50, 40}, {30, 30}, {200, 50, 100, 80}},
    {"dockedTopDownward", PanelAlign::Top, {50, 78}, {0, 15}, {0, 0, 400, 95}},
};

TEST(CapPanelTest, DraggingMovesTheGrabbedEdgesDownToTheSmallestSize) {
    for (const DragRow& row : kDragRows) {
        QWidget parent;
        parent.resize(400, 300);
        TFreePanel panel("Text field", &parent);
        panel.setGeometry(200, 50, 100, 80);
        panel.MinWidth = 60;
        panel.setProperty("MinHeight", 40);
        panel.setAlign(row.align);
        parent.show();
        QTest::mousePress(&panel, Qt::LeftButton, {}, row.grab);
        QTest::mouseMove(&panel, row.grab + row.move);
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, row.grab + row.move);
        EXPECT_EQ(panel.geometry(), row.result) << row.name;
    }
}

}  // namespace
