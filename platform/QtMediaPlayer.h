#pragma once

#include <QMediaPlayer>

#include <memory>

#include "platform/MediaPlayer.h"

class QAudioOutput;

// The music player on Qt Multimedia. The Qt player is made at the first open, so a program
// that never plays music never loads the media backend. Opening waits, with the window still
// responsive, until the file is loaded or refused, so the caller knows at once whether it plays.
class QtMediaPlayer : public MediaPlayer {
    Q_OBJECT

public:
    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    Mode mode() const override;
    bool hasAudioOutput() const override;
    Failure open(const QString& path, QString* errorText = nullptr) override;
    Failure play(QString* errorText = nullptr) override;
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
