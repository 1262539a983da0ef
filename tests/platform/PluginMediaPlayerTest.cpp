// Without its plugin the music player has no audio output, and an open says why it failed.
#include <gtest/gtest.h>

#include "platform/PluginMediaPlayer.h"
#include "support/TestAppDir.h"

namespace {

TEST(PluginMediaPlayer, WithoutThePluginNothingPlaysAndTheOpenSaysWhy) {
    TestAppDir dir;
    dir.write("Music/a.mid", "x");
    PluginMediaPlayer player(dir.path() + "/lumenfold-media");
    EXPECT_FALSE(player.hasAudioOutput());
    QString why;
    EXPECT_EQ(player.open(dir.path() + "/Music/a.mid", &why), MediaPlayer::Failure::Device);
    EXPECT_TRUE(why.startsWith("No music player: ")) << why.toStdString();
    EXPECT_EQ(player.play(), MediaPlayer::Failure::File);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotReady);
}

}  // namespace
