#pragma once

#include <QObject>
#include <QString>

#include "platform/MediaPlayer.h"

struct ProgramState;
struct ReadingState;
class QWidget;

// Background music: plays the chosen file in a loop, the files of the music folder in order or
// at random, or the music a spread is associated with. It follows the reading through the
// window's signals and restarts a piece when it ends.
class BackgroundMusic : public QObject {
    Q_OBJECT

public:
    BackgroundMusic(ProgramState& program, const ReadingState& reading, MediaPlayer& player);

    // "Play music" was switched to on.
    void Playmusic1Click(bool on);
    void MediaStop();
    // Plays CurrentMusicFile.
    void MediaDoFile();
    // Plays a file of the music folder, in order or at random.
    void MediaDoSomething();
    // Applies the association of the current spread.
    void MediaDoSpread();
    // The music settings dialog; OK applies its choices and may start music at once.
    void Musicsettings1Click(QWidget* parent);
    void ApplyMusicSettings(const QString& directory, const QString& selectedFile, int playType,
                            bool resetMusic, bool ignoreAssociations);

    bool MusicStarted = false;
    bool ReplayRequested = false;
    bool PlayChosenFirst = false;
    bool DeviceFailed = false;
    bool AssociationActive = true;

public slots:
    // A new spread lies on the table.
    void NewSpreadMusic();
    // A saved reading was opened and its spread built.
    void OpenedReadingMusic();

private:
    void MediaPlayer1Notify(MediaPlayer::Result result);
    // MediaDoFile for play type 0, MediaDoSomething for the others.
    void PlayByType();

    ProgramState& program_;
    const ReadingState& reading_;
    MediaPlayer& player_;
};
