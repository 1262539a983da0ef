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

TEST(BackgroundTest, DialogKeepsTheColourLastConfirmedAndAFailureChangesNothing) {
    Settings settings;
    settings.BackColor = ToTColor(QColor(1, 2, 3));
    RecordingSurface surface;
    ScriptedColorDialog dialog;
    RecordingMessageBoxes boxes;
    TableBackground background(settings, surface, dialog, boxes, kNavy);
    dialog.answers = {{ColorDialog::Outcome::Chosen, QColor(0, 0, 255)},
                      {ColorDialog::Outcome::Cancelled, {}},
                      {ColorDialog::Outcome::Failed, {}}};
    background.ChooseColour(nullptr);
    EXPECT_EQ(settings.BackColor, 0xFF0000);
    EXPECT_EQ(QList<QColor>({surface.frame, surface.places, surface.notice}),
              QList<QColor>({Qt::blue, Qt::blue, kGrey}));

    background.UseDefault();
    background.ChooseColour(nullptr);  // cancelled
    background.ChooseColour(nullptr);  // fails
    EXPECT_EQ(settings.BackColor, 1135889);
    EXPECT_EQ(QList<QColor>({surface.frame, surface.places, surface.notice}),
              QList<QColor>({kGreen, kGreen, kNavy}));
    EXPECT_EQ(dialog.openedOn, QList<QColor>({QColor(1, 2, 3), Qt::blue, Qt::blue}));
    EXPECT_EQ(boxes.shown, QStringList{"Could not load standard Color dialog."});
}

}  // namespace
