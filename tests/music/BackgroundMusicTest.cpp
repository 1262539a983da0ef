#include <QDir>

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "i18n/Msg.h"
#include "music/BackgroundMusic.h"
#include "music/MusicChoice.h"
#include "support/MusicTestAccess.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"
#include "table/ProgramState.h"
#include "table/ReadingState.h"

namespace {

using Failure = MediaPlayer::Failure;

// Music over the fake player in a program folder holding the given pieces under Music.
struct MusicBench {
    TestAppDir dir;
    FakePlatform fake;
    ProgramState program{fake.platform};
    ReadingState reading;
    FakeMediaPlayer& player = *fake.mediaPlayer;
    BackgroundMusic music{program, reading, player};

    MusicBench(const QStringList& pieces, int playType, const QString& chosen) {
        for (const QString& piece : pieces) dir.write("Music/" + piece, "x");
        program.AppDir = dir.path();
        program.Places = ProgramPlaces::Portable(dir.path());
        Settings& s = program.settings;
        s.PlayMusicOn = true;
        s.PlayType = static_cast<MusicOrder>(playType);
        s.MusicDir = music_("");
        s.MusicFile = s.CurrentMusicFile = music_(chosen);
    }
    QString music_(const QString& name) const { return dir.path() + "/Music/" + name; }
    void newSpread(const QString& name) {
        reading.SetSpreadName(name);
        music.NewSpreadMusic();
    }
    // The names of the pieces played, without their folder.
    QStringList played() const {
        QStringList names;
        for (const QString& path : player.played) names.append(QFileInfo(path).fileName());
        return names;
    }
};

const QStringList Pieces = {"b.mid", "A.mid", "c.mid"};

TEST(BackgroundMusic, SelectedFileLoopsAfterEachNaturalEnd) {
    MusicBench bench(Pieces, 0, "c.mid");
    bench.newSpread("Question");
    bench.player.endPiece();
    bench.player.endPiece();
    EXPECT_EQ(bench.played(), (QStringList{"c.mid", "c.mid", "c.mid"}));
}

struct SearchCase {
    const char* name;
    int playType;
    QString chosen;
    bool chosenFirst;
    QMap<QString, Failure> failing;
    int spreads;
    QStringList opened;
    QStringList played;
};

class MusicSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(MusicSearch, TriesCandidatesInTheirOrder) {
    const SearchCase& c = GetParam();
    MusicBench bench(Pieces + QStringList{"list.M3u"}, c.playType, c.chosen);
    for (auto it = c.failing.begin(); it != c.failing.end(); ++it)
        bench.player.failing.insert(bench.music_(it.key()), it.value());
    MusicTestAccess::SetPlayChosenFirst(bench.music, c.chosenFirst);
    for (int i = 0; i < c.spreads; ++i) {
        bench.newSpread("Question");
        if (bench.player.mode() == MediaPlayer::Mode::Playing) bench.player.endPiece();
    }
    // "*" stands for any one piece (a random pick).
    ASSERT_EQ(bench.player.opened.size(), c.opened.size());
    for (int i = 0; i < c.opened.size(); ++i) {
        if (c.opened[i] == "*") continue;
        EXPECT_EQ(QFileInfo(bench.player.opened[i]).fileName(), c.opened[i]);
    }
    EXPECT_EQ(bench.played(), c.played);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MusicSearch,
    ::testing::Values(
        // Each new spread moves on by name without regard to case, wrapping after the last;
        // a piece repeats at its natural end.
        SearchCase{"InOrderWraps",
                   1,
                   "b.mid",
                   false,
                   {},
                   3,
                   {"c.mid", "c.mid", "A.mid", "A.mid", "b.mid", "b.mid"},
                   {"c.mid", "c.mid", "A.mid", "A.mid", "b.mid", "b.mid"}},
        SearchCase{"ChosenFirstPlaysItself",
                   1,
                   "A.mid",
                   true,
                   {},
                   1,
                   {"A.mid", "A.mid"},
                   {"A.mid", "A.mid"}},
        SearchCase{"UnplayableSkipped",
                   1,
                   "A.mid",
                   false,
                   {{"b.mid", Failure::File}},
                   1,
                   {"b.mid", "c.mid", "c.mid"},
                   {"c.mid", "c.mid"}},
        SearchCase{"NothingPlayableTriesEachOnce",
                   1,
                   "A.mid",
                   true,
                   {{"A.mid", Failure::File}, {"b.mid", Failure::File}, {"c.mid", Failure::File}},
                   1,
                   {"A.mid", "b.mid", "c.mid"},
                   {}},
        SearchCase{"DeviceFailureEndsInOrder",
                   1,
                   "A.mid",
                   false,
                   {{"b.mid", Failure::Device}},
                   1,
                   {"b.mid"},
                   {}},
        SearchCase{"DeviceFailureEndsRandom",
                   2,
                   "A.mid",
                   false,
                   {{"b.mid", Failure::Device}, {"c.mid", Failure::Device}},
                   1,
                   {"*"},
                   {}}),
    RowName());

TEST(BackgroundMusic, RandomNeverRepeatsTheCurrentPiece) {
    MusicBench bench(Pieces, 2, "A.mid");
    for (int i = 0; i < 40; ++i) bench.newSpread("Question");
    const QStringList played = bench.played();
    ASSERT_EQ(played.size(), 40);
    EXPECT_NE(played[0], "A.mid");
    for (int i = 1; i < played.size(); ++i) EXPECT_NE(played[i], played[i - 1]) << i;

    MusicBench single({"only.mid"}, 2, "only.mid");
    single.newSpread("Question");
    EXPECT_EQ(single.played(), QStringList{"only.mid"});
}

TEST(MusicChoice, PlayListsAreNeverCandidates) {
    TestAppDir dir;
    for (const char* name : {"x.M3U", "y.m3u", "z.M3u", "w.mp3", "v.mid"})
        dir.write(QString("Music/") + name, "x");
    QDir(dir.path()).mkpath("Music/sub.mid");
    EXPECT_EQ(MusicCandidates(dir.path() + "/Music"),
              (QStringList{dir.path() + "/Music/v.mid", dir.path() + "/Music/w.mp3"}));
}

struct AssociationCase {
    const char* name;
    QString text;
    QString spread;
    std::optional<QString> stored;
};

class Association : public ::testing::TestWithParam<AssociationCase> {};

TEST_P(Association, FindsTheFileOfTheFirstMatch) {
    EXPECT_EQ(FindAssociation(GetParam().text, GetParam().spread), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Association,
    ::testing::Values(
        AssociationCase{"Plain", "Question \"Storm.mid\"\r\n", "Question", "Storm.mid"},
        AssociationCase{"IgnoringCase", "Question \"Storm.mid\"\r\n", "question", "Storm.mid"},
        AssociationCase{"EarlierLongerNameFirst",
                        "Question of love \"Love.mid\"\r\nQuestion \"Storm.mid\"\r\n", "Question",
                        "Love.mid"},
        AssociationCase{"FullPath", "Cross \"/home/me/a b.ogg\"\r\n", "Cross", "/home/me/a b.ogg"},
        AssociationCase{"Absent", "Cross \"a.mid\"\r\n", "Question", std::nullopt},
        AssociationCase{"NoQuote", "Question", "Question", std::nullopt}),
    RowName());

TEST(BackgroundMusic, AssociationPlaysAndGivesWayToTheNormalMusic) {
    MusicBench bench(Pieces + QStringList{"Storm.mid"}, 1, "A.mid");
    bench.program.settings.ResetMusic = false;
    bench.dir.write("ASSOCIAT.TXT", "Question \"Storm.mid\"\r\nMissing \"none.mid\"\r\n");
    bench.newSpread("Question");
    EXPECT_TRUE(bench.music.AssociationActive());
    // Already playing: not restarted.
    bench.newSpread("question");
    // No association: back to the chosen music, even with ResetMusic off.
    bench.newSpread("Cross");
    EXPECT_FALSE(bench.music.AssociationActive());
    // A missing associated file counts as none; the normal music keeps playing.
    bench.newSpread("Missing");
    EXPECT_EQ(bench.played(), (QStringList{"Storm.mid", "b.mid"}));
    // Ignoring associations starts nothing new once music has started.
    bench.program.settings.IgnoreAssociations = true;
    bench.newSpread("Question");
    EXPECT_EQ(bench.played().size(), 2);
}

TEST(BackgroundMusic, PlayMusicSwitchesThePlayer) {
    MusicBench bench(Pieces, 0, "c.mid");
    bench.program.settings.PlayMusicOn = false;
    bench.newSpread("Question");
    EXPECT_TRUE(bench.played().isEmpty());
    bench.music.Playmusic1Click(true);
    EXPECT_EQ(bench.player.mode(), MediaPlayer::Mode::Playing);
    EXPECT_TRUE(bench.music.MusicStarted());
    bench.music.Playmusic1Click(false);
    EXPECT_EQ(bench.player.mode(), MediaPlayer::Mode::Stopped);
    EXPECT_FALSE(bench.program.settings.PlayMusicOn);
}

struct WhileLoading {
    const char* name;
    std::function<void(MusicBench&)> meanwhile;
    QStringList played;
    QString musicFile;  // MusicFile afterwards
};

class MusicWhileLoading : public ::testing::TestWithParam<WhileLoading> {};

// Requests that arrive while a file loads run after it; playback follows "Play music" as it
// stands when the file has loaded.
TEST_P(MusicWhileLoading, FollowsPlayMusicAsItStandsAfterTheLoad) {
    const WhileLoading& c = GetParam();
    MusicBench bench(Pieces, 1, "A.mid");
    bench.player.whileOpening = [&] { c.meanwhile(bench); };
    bench.newSpread("Question");
    EXPECT_EQ(bench.played(), c.played);
    EXPECT_EQ(bench.player.mode() == MediaPlayer::Mode::Playing, !c.played.isEmpty());
    EXPECT_EQ(bench.program.settings.MusicFile, bench.music_(c.musicFile));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MusicWhileLoading,
    ::testing::Values(
        WhileLoading{
            "SwitchedOff", [](MusicBench& b) { b.music.Playmusic1Click(false); }, {}, "b.mid"},
        WhileLoading{"SwitchedOffAndOn",
                     [](MusicBench& b) {
                         b.music.Playmusic1Click(false);
                         b.music.Playmusic1Click(true);
                     },
                     {"b.mid", "c.mid"},
                     "c.mid"},
        WhileLoading{
            "NewSpread", [](MusicBench& b) { b.newSpread("Cross"); }, {"b.mid", "c.mid"}, "c.mid"}),
    RowName());

// Without an audio device, or with one that cannot be opened, the user is told once.
TEST(BackgroundMusic, NoAudioOutputIsToldOncePerRun) {
    for (const bool listed : {false, true}) {
        MusicBench bench(Pieces, 0, "c.mid");
        QStringList messages(Msg::Count);
        messages[Msg::NoAudioOutput] = "no sound";
        bench.program.Messages.replace(messages);
        bench.player.audioOutput = listed;
        if (listed) bench.player.failing.insert(bench.music_("c.mid"), Failure::Device);
        bench.music.Playmusic1Click(true);
        bench.newSpread("Question");
        bench.music.Playmusic1Click(false);
        bench.music.Playmusic1Click(true);
        EXPECT_EQ(bench.fake.messageBoxes->shown, QStringList{"no sound"}) << listed;
    }
}

}  // namespace
