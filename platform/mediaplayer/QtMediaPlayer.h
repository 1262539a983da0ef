#pragma once

#include <QMediaPlayer>

#include <functional>
#include <memory>

#include "platform/MediaPlayerPlugin.h"

class QAudioOutput;

// The music player on Qt Multimedia, inside the media plugin. The Qt player is made at the
// first open, so the media backend starts only when a file is played. Opening waits, with the
// window still responsive, until the file is loaded or refused, so the caller knows at once
// whether it plays.
class QtMediaPlayer : public QObject, public MediaEngine {
    Q_OBJECT

public:
    using Mode = MediaPlayer::Mode;
    using Result = MediaPlayer::Result;
    using Failure = MediaPlayer::Failure;

    explicit QtMediaPlayer(std::function<void(Result)> ended);
    ~QtMediaPlayer() override;

    Mode mode() const override;
    bool hasAudioOutput() const override;
    Failure open(const QString& path, QString* errorText) override;
    Failure play(QString* errorText) override;
    void stop() override;
    void close() override;

private:
    void MakePlayer();
    void DropPlayer();
    void MediaStatusChanged(QMediaPlayer::MediaStatus status);
    void ErrorOccurred(QMediaPlayer::Error error, const QString& text);
    // Ends the running play command with its result, delivered later on the GUI thread.
    void EndPlay(Result result);
    Failure Fail(Failure failure, const QString& text, QString* errorText);

    std::function<void(Result)> ended_;
    std::unique_ptr<QMediaPlayer> player_;
    QAudioOutput* output_ = nullptr;
    bool open_ = false;
    bool played_ = false;
    bool playing_ = false;
    bool loading_ = false;
    // Counts play commands, so a late notification of an earlier play is dropped.
    quint64 playNumber_ = 0;
    QMediaPlayer::Error lastError_ = QMediaPlayer::NoError;
    QString lastErrorText_;
};
