#include <QAction>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "fakes/FakePlatform.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"
#include "table/ReadingFlow.h"

namespace {

struct MusicStart {
    const char* name;
    bool musicOnAtStart;
    bool clickPlayMusic;
    bool newSpread;
    bool plays;
};

class MusicCommand : public ::testing::TestWithParam<MusicStart> {};

// Nothing plays at start; the default piece starts with the first new spread or with
// switching "Play music" on.
TEST_P(MusicCommand, DefaultPieceStartsWithAReadingOrPlayMusic) {
    const MusicStart& c = GetParam();
    TestAppDir app;
    app.write("Music/Zeviruvuvedovi.var", "MThd");
    FakePlatform fake;
    if (c.musicOnAtStart) fake.settingsKey->values.insert("PlayMusic", "YES");
    TForm1 form(fake.platform, app.programPath());
    EXPECT_TRUE(fake.mediaPlayer->played.isEmpty());
    if (c.clickPlayMusic) form.menu().Playmusic1->trigger();
    if (c.newSpread) emit form.flow().spreadStarted("Question");
    EXPECT_EQ(fake.mediaPlayer->played,
              c.plays ? QStringList{app.path() + "/Music/Zeviruvuvedovi.var"} : QStringList{});
    EXPECT_EQ(form.menu().Playmusic1->isChecked(), c.musicOnAtStart != c.clickPlayMusic);
}

INSTANTIATE_TEST_SUITE_P(Rows, MusicCommand,
                         ::testing::Values(MusicStart{"OnAtStartNewSpread", true, false, true,
                                                      true},
                                           MusicStart{"SwitchedOn", false, true, false, true},
                                           MusicStart{"OffNewSpread", false, false, true, false},
                                           MusicStart{"SwitchedOff", true, true, true, false}),
                         RowName());

}  // namespace
