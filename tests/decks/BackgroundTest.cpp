#include <gtest/gtest.h>

#include "decks/Background.h"
#include "fakes/RecordingMessageBoxes.h"
#include "fakes/ScriptedColorDialog.h"
#include "settings/Settings.h"

namespace {

const QColor kNavy(0, 0, 128);
const QColor kGrey(119, 119, 119);
const QColor kGreen(17, 85, 17);

TEST(BackgroundTest, NoticeTurnsGreyOnlyWhereBlueIsStrongest) {
    const struct {
        QColor back, notice;
    } rows[] = {{{0, 0, 255}, kGrey},
                {{0, 255, 255}, kNavy},
                {{200, 0, 200}, kNavy},
                {{10, 20, 30}, kGrey},
                {kGreen, kNavy}};
    for (const auto& row : rows)
        EXPECT_EQ(NoticeColour(row.back, kNavy), row.notice) << row.back.name().toStdString();
}

// Records what the commands change on the table.
struct RecordingSurface : BackgroundSurface {
    QColor frame, notice, places;
    void ColourFrame(const QColor& back) override { frame = back; }
    void SetNoticeColour(const QColor& color) override { notice = color; }
    void RepaintEmptyPlaces(const QColor& back) override { places = back; }
};

TEST(BackgroundTest, ADialogThatFailsIsReportedAndChangesNothing) {
    Settings settings;
    RecordingSurface surface;
    ScriptedColorDialog dialog;
    RecordingMessageBoxes boxes;
    TableBackground background(settings, surface, dialog, boxes, kNavy);
    dialog.answers = {{ColorDialog::Outcome::Failed, {}}};
    background.ChooseColour(nullptr);
    EXPECT_EQ(boxes.shown, QStringList{"Could not load standard Color dialog."});
    EXPECT_EQ(settings.BackColor, 1135889);
    EXPECT_FALSE(surface.frame.isValid() || surface.places.isValid() || surface.notice.isValid());
    EXPECT_EQ(background.DialogColour(), kGreen);
}

}  // namespace
