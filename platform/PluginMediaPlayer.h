#pragma once

#include <QString>

#include <memory>

#include "platform/MediaPlayer.h"

class MediaEngine;

// The music player of the media plugin at pluginPath, loaded when music is first wanted (the
// first question about the audio output or the first open). Without the plugin there is no
// audio output, and an open fails as a device failure with the loader's reason.
class PluginMediaPlayer : public MediaPlayer {
    Q_OBJECT

public:
    explicit PluginMediaPlayer(QString pluginPath, QObject* parent = nullptr);
    ~PluginMediaPlayer() override;

    Mode mode() const override;
    bool hasAudioOutput() const override;
    Failure open(const QString& path, QString* errorText = nullptr) override;
    Failure play(QString* errorText = nullptr) override;
    void stop() override;
    void close() override;

    // Where the plugin lies: beside the running program, or in its installed plugin folder.
    static QString DefaultPluginPath();

private:
    // The plugin's player, loaded on the first call; null when the plugin cannot be loaded.
    MediaEngine* Engine() const;

    QString pluginPath_;
    mutable bool loaded_ = false;
    mutable QString loadError_;
    mutable std::unique_ptr<MediaEngine> engine_;
};
