// "Play music" switched off and on again over a reading on the real main window.
#include <QAction>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "readings/ReadingFile.h"
#include "support/MainWindowTest.h"
#include "support/RowName.h"

namespace {

struct SwitchCase {
    const char* name;
    bool opened;  // an opened reading, else a dealt one
    bool associated;
    QString piece;  // what starts when music is switched on again
};

class PlayMusicAgain : public MainWindowTest, public ::testing::WithParamInterface<SwitchCase> {
protected:
    void SetUp() override {
        writeSpread("Question", 2, {{false, 10, 10, "Now"}, {false, 120, 10, "Then"}});
        app.write("Music/Loop.mid", "x");
        app.write("Music/Storm.mid", "x");
        auto& values = fake.settingsKey->values;
        values["cutdeck"] = "no";
        values["drawauto"] = "yes";
        values["PlayMusic"] = "YES";
        values["playtype"] = "0";
        values["curmusdir"] = app.path() + "/Music";
        values["curmusfile"] = app.path() + "/Music/Loop.mid";
    }
    void openReading() {
        ReadingRecord reading{true, 78, "Question", {}, {3, 7}, "note"};
        for (int i = 0; i < 78; ++i) reading.deck.append({i, false});
        app.write("Saved/a.reading", EncodeReading(reading));
        fake.fileDialogs->answers = {app.path() + "/Saved/a.reading"};
        form->menu().Openreading1->trigger();
    }
};

// Switching music on always starts a piece, even the one that played before it was switched off.
TEST_P(PlayMusicAgain, StartsAPiece) {
    const SwitchCase& c = GetParam();
    if (c.associated) app.write("Associat.txt", "Question \"Storm.mid\"\r\n");
    open();
    if (c.opened) {
        openReading();
    } else {
        ChooseSpread("Question");
        form->menu().SelectlayoutF12->trigger();
        shuffle(2);
    }
    ASSERT_TRUE(form->reading().DeckLaidOut());
    FakeMediaPlayer& player = *fake.mediaPlayer;
    ASSERT_EQ(player.mode(), MediaPlayer::Mode::Playing);
    const qsizetype before = player.played.size();
    form->menu().Playmusic1->trigger();
    EXPECT_NE(player.mode(), MediaPlayer::Mode::Playing);
    form->menu().Playmusic1->trigger();
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(player.played.mid(before), QStringList{app.path() + "/Music/" + c.piece});
}

INSTANTIATE_TEST_SUITE_P(Rows, PlayMusicAgain,
                         ::testing::Values(SwitchCase{"Dealt", false, false, "Loop.mid"},
                                           SwitchCase{"Opened", true, false, "Loop.mid"},
                                           SwitchCase{"DealtAssociated", false, true, "Storm.mid"},
                                           SwitchCase{"OpenedAssociated", true, true, "Storm.mid"}),
                         RowName());

}  // namespace
