#include <QDataStream>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "music/BackgroundMusic.h"
#include "platform/PluginMediaPlayer.h"
#include "support/TestAppDir.h"
#include "table/ProgramState.h"
#include "table/ReadingState.h"

namespace {

// The Qt player needs GStreamer's playback and WAV elements.
bool HasGStreamer() {
    for (const char* dir :
         {"/usr/lib/x86_64-linux-gnu/gstreamer-1.0", "/usr/lib/aarch64-linux-gnu/gstreamer-1.0",
          "/usr/lib64/gstreamer-1.0", "/usr/lib/gstreamer-1.0"})
        if (QFileInfo::exists(QString(dir) + "/libgstplayback.so") &&
            QFileInfo::exists(QString(dir) + "/libgstwavparse.so"))
            return true;
    return false;
}

// A fifth of a second of a quiet 440 Hz tone, 8 kHz mono 16-bit PCM.
QByteArray ShortWav() {
    const int samples = 1600;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    for (int i = 0; i < samples; ++i) out << qint16(i % 18 < 9 ? 2000 : -2000);
    return bytes;
}

class RealPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasGStreamer()) GTEST_SKIP() << "GStreamer base and good plugins are not installed";
        dir.write("Music/a.txt", "not music at all\n");
        dir.write("Music/b.wav", ShortWav());
    }
    // Waits for the end of the play; a guard against a hang, not a measure of speed.
    std::optional<MediaPlayer::Result> WaitForEnd(MediaPlayer& player, QThread** thread) {
        std::optional<MediaPlayer::Result> result;
        QEventLoop loop;
        QObject::connect(&player, &MediaPlayer::notified, &loop, [&](MediaPlayer::Result r) {
            result = r;
            *thread = QThread::currentThread();
            loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        return result;
    }
    TestAppDir dir;
};

TEST_F(RealPlayer, ShortPiecePlaysToItsEndOnTheGuiThread) {
    PluginMediaPlayer player(LUMENFOLD_MEDIA_PLUGIN);
    ASSERT_EQ(player.open(dir.path() + "/Music/b.wav"), MediaPlayer::Failure::None);
    ASSERT_EQ(player.play(), MediaPlayer::Failure::None);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Playing);
    QThread* thread = nullptr;
    EXPECT_EQ(WaitForEnd(player, &thread), MediaPlayer::Result::Successful);
    EXPECT_EQ(thread, QThread::currentThread());
    EXPECT_NE(player.mode(), MediaPlayer::Mode::Playing);
}

TEST_F(RealPlayer, UnplayableFilesFailQuietlyAndTheSearchGoesOn) {
    PluginMediaPlayer player(LUMENFOLD_MEDIA_PLUGIN);
    EXPECT_EQ(player.open(dir.path() + "/Music/none.mid"), MediaPlayer::Failure::File);
    EXPECT_EQ(player.open(dir.path() + "/Music/a.txt"), MediaPlayer::Failure::File);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotReady);

    FakePlatform fake;
    ProgramState program(fake.platform);
    program.AppDir = dir.path();
    program.Places = ProgramPlaces::Portable(dir.path());
    program.settings.PlayMusicOn = true;
    program.settings.PlayType = MusicOrder::InOrder;
    program.settings.MusicDir = dir.path() + "/Music";
    program.settings.MusicFile = program.settings.CurrentMusicFile = dir.path() + "/none.mid";
    ReadingState reading;
    BackgroundMusic music(program, reading, player);
    music.NewSpreadMusic();
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(program.settings.MusicFile, dir.path() + "/Music/b.wav");
    EXPECT_FALSE(music.DeviceFailed());
    music.MediaStop();
}

}  // namespace
