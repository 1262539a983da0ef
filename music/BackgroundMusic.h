#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "platform/MediaPlayer.h"
#include "settings/Settings.h"

struct ProgramState;
class ReadingState;
class QWidget;

// Background music: plays the chosen file in a loop, the files of the music folder in order or
// at random, or the music a spread is associated with. It follows the reading through the
// window's signals and restarts a piece when it ends.
class BackgroundMusic : public QObject {
    Q_OBJECT

public:
    // Messages go to the window.
    BackgroundMusic(ProgramState& program, const ReadingState& reading, MediaPlayer& player,
                    QWidget* window = nullptr);

    // "Play music" was switched on or off.
    void Playmusic1Click(bool on);
    void MediaStop();
    // The music settings dialog; OK applies its choices and may start music at once.
    void Musicsettings1Click(QWidget* parent);
    void ApplyMusicSettings(const QString& directory, const QString& selectedFile,
                            MusicOrder playType, bool resetMusic, bool ignoreAssociations);

    // Music has started since it was switched on.
    bool MusicStarted() const { return musicStarted_; }
    // The last piece could not reach an audio device.
    bool DeviceFailed() const { return deviceFailed_; }
    // The music playing is the current spread's association.
    bool AssociationActive() const { return associationActive_; }

public slots:
    // A new spread lies on the table.
    void NewSpreadMusic();
    // A saved reading was opened and its spread built.
    void OpenedReadingMusic();

private:
    // Runs one request of the window or the player. The player's open waits with the window
    // responsive, so a request may arrive during another: it then runs after that one ends,
    // and requests never interleave.
    void Run(const std::function<void()>& request);
    // Plays CurrentMusicFile, if music is still on when the file has loaded.
    void MediaDoFile();
    // Plays a file of the music folder, in order or at random.
    void MediaDoSomething();
    // Applies the association of the current spread; with startAnyway a piece starts even when
    // the one chosen is already current.
    void MediaDoSpread(bool startAnyway = false);
    void MediaPlayer1Notify(MediaPlayer::Result result);
    // MediaDoFile for play type 0, MediaDoSomething for the others.
    void PlayByType();
    // Tells once per run that no audio device can be reached.
    void ReportNoAudioOutput();

    ProgramState& program_;
    const ReadingState& reading_;
    MediaPlayer& player_;
    QWidget* window_;
    // Tests set up a state of playback directly.
    friend struct MusicTestAccess;

    bool musicStarted_ = false;
    // The piece that ended is to start again.
    bool replayRequested_ = false;
    // The chosen file plays before the others of its folder.
    bool playChosenFirst_ = false;
    bool deviceFailed_ = false;
    bool associationActive_ = true;
    bool running_ = false;
    QList<std::function<void()>> pending_;
    bool noAudioOutput_ = false;
    bool noAudioOutputReported_ = false;
};
