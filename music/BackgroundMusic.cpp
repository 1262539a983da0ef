#include "music/BackgroundMusic.h"

#include <QFileInfo>

#include "i18n/Msg.h"
#include "music/MusicChoice.h"
#include "music/SetMusic.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "table/ProgramState.h"
#include "table/ReadingState.h"

BackgroundMusic::BackgroundMusic(ProgramState& program, const ReadingState& reading,
                                 MediaPlayer& player, QWidget* window)
    : program_(program), reading_(reading), player_(player), window_(window) {
    connect(&player_, &MediaPlayer::notified, this, &BackgroundMusic::MediaPlayer1Notify);
}

void BackgroundMusic::Run(const std::function<void()>& request) {
    if (running_) {
        pending_.append(request);
        return;
    }
    running_ = true;
    request();
    while (!pending_.isEmpty()) pending_.takeFirst()();
    running_ = false;
    ReportNoAudioOutput();
}

void BackgroundMusic::ReportNoAudioOutput() {
    if (!noAudioOutput_ || noAudioOutputReported_) return;
    noAudioOutputReported_ = true;
    program_.platform.messageBoxes->showMessage(window_, program_.Messages[Msg::NoAudioOutput]);
}

void BackgroundMusic::MediaStop() {
    using Mode = MediaPlayer::Mode;
    const Mode mode = player_.mode();
    if (mode == Mode::Playing || mode == Mode::Paused || mode == Mode::Seeking) player_.stop();
    if (player_.mode() == Mode::Open) player_.close();
}

void BackgroundMusic::MediaDoFile() {
    if (!program_.settings.PlayMusicOn) return;
    MediaStop();
    if (!player_.hasAudioOutput()) noAudioOutput_ = true;
    // A failure is silent: the player is then not playing. Only a device that cannot be
    // opened ends the searches of the folder.
    MediaPlayer::Failure failure = player_.open(program_.settings.CurrentMusicFile);
    // "Play music" may have been switched off while the file loaded.
    if (failure == MediaPlayer::Failure::None && !program_.settings.PlayMusicOn) {
        player_.close();
        return;
    }
    if (failure == MediaPlayer::Failure::None) failure = player_.play();
    if (failure == MediaPlayer::Failure::Device) deviceFailed_ = noAudioOutput_ = true;
}

void BackgroundMusic::MediaDoSomething() {
    Settings& settings = program_.settings;
    if (!settings.PlayMusicOn || settings.PlayType == MusicOrder::ChosenFileLooped) return;
    const QStringList candidates = MusicCandidates(settings.MusicDir);
    const int current = CandidateIndex(candidates, settings.CurrentMusicFile);
    deviceFailed_ = false;
    const auto tryCandidate = [&](int index) {
        settings.CurrentMusicFile = settings.MusicFile = candidates[index];
        MediaDoFile();
        if (deviceFailed_) return TryResult::DeviceFailed;
        if (!settings.PlayMusicOn) return TryResult::Stopped;
        return player_.mode() == MediaPlayer::Mode::Playing ? TryResult::Playing
                                                            : TryResult::NotPlaying;
    };
    if (settings.PlayType == MusicOrder::InOrder)
        PlayInOrder(candidates.size(), current, playChosenFirst_, tryCandidate);
    else
        PlayAtRandom(candidates.size(), current, playChosenFirst_, tryCandidate);
}

void BackgroundMusic::MediaDoSpread(bool startAnyway) {
    Settings& settings = program_.settings;
    bool associated = false;
    if (const auto stored =
            FindAssociation(ReadAssociations(program_.Places.UserData()), reading_.SpreadName())) {
        const QString file = AssociatedPath(program_.AppDir, *stored);
        if (QFileInfo(file).isFile()) {
            associated = true;
            if (file.compare(settings.CurrentMusicFile, Qt::CaseInsensitive) != 0 ||
                replayRequested_ || startAnyway) {
                settings.CurrentMusicFile = file;
                MediaDoFile();
            }
        }
    }
    if (!associated) {
        settings.CurrentMusicFile = settings.MusicFile;
        if (replayRequested_)
            MediaDoFile();
        else if (settings.ResetMusic && settings.PlayType != MusicOrder::ChosenFileLooped)
            MediaDoSomething();
        else if (!musicStarted_ || associationActive_ || startAnyway)
            // Music from an association gives way to the normal music.
            PlayByType();
    }
    associationActive_ = associated;
}

void BackgroundMusic::MediaPlayer1Notify(MediaPlayer::Result result) {
    if (result != MediaPlayer::Result::Successful) return;
    Run([this] {
        if (musicStarted_) {
            // The piece that ended starts again; new pieces come only with a new spread or
            // reading.
            replayRequested_ = true;
            MediaDoSpread();
        } else {
            PlayByType();
        }
    });
}

void BackgroundMusic::PlayByType() {
    if (program_.settings.PlayType == MusicOrder::ChosenFileLooped)
        MediaDoFile();
    else
        MediaDoSomething();
}

void BackgroundMusic::Playmusic1Click(bool on) {
    // Set at once, so that a file loading now is not played once it has loaded.
    program_.settings.PlayMusicOn = on;
    Run([this, on] {
        if (!on) {
            MediaStop();
            return;
        }
        // Switching on always starts a piece, even the one that was playing before.
        if (reading_.DeckLaidOut() && !program_.settings.IgnoreAssociations)
            MediaDoSpread(true);
        else
            PlayByType();
        musicStarted_ = true;
    });
}

void BackgroundMusic::NewSpreadMusic() {
    Run([this] {
        Settings& settings = program_.settings;
        if (!settings.IgnoreAssociations) {
            replayRequested_ = false;
            MediaDoSpread();
            if (settings.PlayMusicOn) musicStarted_ = true;
            return;
        }
        if (settings.ResetMusic && settings.PlayType != MusicOrder::ChosenFileLooped) {
            settings.CurrentMusicFile = settings.MusicFile;
            MediaDoSomething();
            if (settings.PlayMusicOn) musicStarted_ = true;
        } else if (!musicStarted_) {
            settings.CurrentMusicFile = settings.MusicFile;
            PlayByType();
            if (settings.PlayMusicOn) musicStarted_ = true;
        }
    });
}

void BackgroundMusic::OpenedReadingMusic() {
    Run([this] {
        if (!program_.settings.IgnoreAssociations) {
            replayRequested_ = false;
            MediaDoSpread();
            musicStarted_ = true;
        } else if (!musicStarted_) {
            PlayByType();
            musicStarted_ = true;
        }
    });
}

void BackgroundMusic::Musicsettings1Click(QWidget* parent) {
    Platform& platform = program_.platform;
    TForm16 dialog(program_.Messages, program_.AppDir, program_.Places.UserData(),
                   program_.SpreadList, program_.settings, *platform.openFileDialog,
                   *platform.messageBoxes, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyMusicSettings(dialog.Directory(), dialog.SelectedFile(), dialog.PlayType(),
                       dialog.ResetMusic(), dialog.IgnoreAssociations());
}

void BackgroundMusic::ApplyMusicSettings(const QString& directory, const QString& selectedFile,
                                         MusicOrder playType, bool resetMusic,
                                         bool ignoreAssociations) {
    Run([=, this] {
        Settings& settings = program_.settings;
        settings.PlayType = playType;
        settings.ResetMusic = resetMusic;
        settings.IgnoreAssociations = ignoreAssociations;
        if (directory != settings.MusicDir) {
            settings.MusicDir = directory;
            if (playType != MusicOrder::ChosenFileLooped && selectedFile.isEmpty() && musicStarted_)
                MediaDoSomething();
        }
        if (!selectedFile.isEmpty() && selectedFile != settings.CurrentMusicFile) {
            settings.CurrentMusicFile = settings.MusicFile = selectedFile;
            // Music from an association keeps playing unless associations are ignored.
            if (ignoreAssociations || !associationActive_) {
                playChosenFirst_ = true;
                if (musicStarted_) PlayByType();
            }
        }
    });
}
