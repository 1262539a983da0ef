#include <gtest/gtest.h>

#include "decks/Background.h"
#include "fakes/RecordingMessageBoxes.h"
#include "fakes/ScriptedColorDialog.h"
#include "settings/Settings.h"

namespace {

const QColor kNavy(0, 0, 128);
const QColor kGrey(119, 119, 119);
const QColor kDefaultGreen(17, 85, 17);

struct NoticeRow {
    const char* name;
    QColor back;
    QColor notice;
};

const NoticeRow kNoticeRows[] = {
    {"pureBlue", {0, 0, 255}, kGrey},        {"blueEqualsGreen", {0, 255, 255}, kNavy},
    {"blueEqualsRed", {200, 0, 200}, kNavy}, {"darkBluish", {10, 20, 30}, kGrey},
    {"defaultGreen", kDefaultGreen, kNavy},
};

TEST(BackgroundTest, NoticeTurnsGreyOnlyWhereBlueIsStrongest) {
    for (const NoticeRow& row : kNoticeRows)
        EXPECT_EQ(NoticeColour(row.back, kNavy), row.notice) << row.name;
}

// Records what the commands change on the table.
struct RecordingSurface : BackgroundSurface {
    QColor frame, notice, places;
    int repaints = 0;
    void ColourFrame(const QColor& back) override { frame = back; }
    void SetNoticeColour(const QColor& color) override { notice = color; }
    void RepaintEmptyPlaces(const QColor& back) override {
        places = back;
        ++repaints;
    }
};

class TableBackgroundTest : public ::testing::Test {
protected:
    Settings settings;
    RecordingSurface surface;
    ScriptedColorDialog dialog;
    RecordingMessageBoxes boxes;

    void answer(ColorDialog::Outcome outcome, QColor color = {}) {
        dialog.answers.append({outcome, color});
    }
};

TEST_F(TableBackgroundTest, DefaultKeepsTheDialogOnTheColourLastConfirmed) {
    settings.BackColor = ToTColor(QColor(1, 2, 3));
    TableBackground background(settings, surface, dialog, boxes, kNavy);
    answer(ColorDialog::Outcome::Chosen, QColor(0, 0, 255));
    background.ChooseColour(nullptr);
    EXPECT_EQ(settings.BackColor, 0xFF0000);
    EXPECT_EQ(surface.frame, QColor(0, 0, 255));
    EXPECT_EQ(surface.places, QColor(0, 0, 255));
    EXPECT_EQ(surface.notice, kGrey);

    background.UseDefault();
    EXPECT_EQ(settings.BackColor, 1135889);
    EXPECT_EQ(surface.frame, kDefaultGreen);
    EXPECT_EQ(surface.places, kDefaultGreen);
    EXPECT_EQ(surface.notice, kNavy);

    // Cancelled: the table stays dark green.
    background.ChooseColour(nullptr);
    EXPECT_EQ(dialog.openedOn, QList<QColor>({QColor(1, 2, 3), QColor(0, 0, 255)}));
    EXPECT_EQ(settings.BackColor, 1135889);
    EXPECT_EQ(surface.repaints, 2);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(TableBackgroundTest, ADialogThatFailsIsReportedAndChangesNothing) {
    TableBackground background(settings, surface, dialog, boxes, kNavy);
    answer(ColorDialog::Outcome::Failed);
    background.ChooseColour(nullptr);
    EXPECT_EQ(boxes.shown, QStringList{"Could not load standard Color dialog."});
    EXPECT_EQ(settings.BackColor, 1135889);
    EXPECT_EQ(surface.repaints, 0);
    EXPECT_EQ(background.DialogColour(), kDefaultGreen);
}

}  // namespace
