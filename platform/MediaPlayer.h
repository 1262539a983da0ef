#pragma once

#include <QObject>
#include <QString>

// One music player: open a file, play it with a notification when it ends, stop, close and
// ask for the current mode. Every call and every notification happens on the GUI thread.
class MediaPlayer : public QObject {
    Q_OBJECT

public:
    enum class Mode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };
    enum class Result { Successful, Superseded, Aborted, Failure };
    // Why an open or a play failed: the file itself, or the audio device.
    enum class Failure { None, File, Device };

    using QObject::QObject;

    virtual Mode mode() const = 0;
    // Whether the system offers an audio device to play on; without one nothing is heard.
    virtual bool hasAudioOutput() const = 0;
    // Opens the file for playing; the kind of failure and its text otherwise.
    virtual Failure open(const QString& path, QString* errorText = nullptr) = 0;
    // Plays the open file from its start; notified() follows when the play ends.
    virtual Failure play(QString* errorText = nullptr) = 0;
    virtual void stop() = 0;
    virtual void close() = 0;

signals:
    // A play command ended: Successful when the piece played to its end.
    void notified(MediaPlayer::Result result);
};
