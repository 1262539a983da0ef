#pragma once

#include <QtPlugin>

#include <functional>
#include <memory>

#include "platform/MediaPlayer.h"

// The player inside the media plugin: the calls of MediaPlayer without its signal, so that the
// plugin needs nothing of the program's own code.
class MediaEngine {
public:
    virtual ~MediaEngine() = default;

    virtual MediaPlayer::Mode mode() const = 0;
    virtual bool hasAudioOutput() const = 0;
    virtual MediaPlayer::Failure open(const QString& path, QString* errorText) = 0;
    virtual MediaPlayer::Failure play(QString* errorText) = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
};

// What the media plugin offers: a player on the system's media libraries. The plugin is loaded
// only when music is first wanted, so the program starts without those libraries.
class MediaPlayerPlugin {
public:
    virtual ~MediaPlayerPlugin() = default;

    // A player that calls `ended` on the GUI thread, outside its own calls, when a play ends.
    virtual std::unique_ptr<MediaEngine> CreateEngine(
        std::function<void(MediaPlayer::Result)> ended) = 0;
};

#define MediaPlayerPlugin_iid "org.lumenfold.MediaPlayerPlugin/1"
Q_DECLARE_INTERFACE(MediaPlayerPlugin, MediaPlayerPlugin_iid)
