#pragma once

#include <QObject>

#include "platform/MediaPlayerPlugin.h"

// The plugin that plays music with Qt Multimedia.
class QtMediaPlayerPlugin : public QObject, public MediaPlayerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MediaPlayerPlugin_iid)
    Q_INTERFACES(MediaPlayerPlugin)

public:
    std::unique_ptr<MediaEngine> CreateEngine(
        std::function<void(MediaPlayer::Result)> ended) override;
};
