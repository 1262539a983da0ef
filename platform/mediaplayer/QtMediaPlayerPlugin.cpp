#include "platform/mediaplayer/QtMediaPlayerPlugin.h"

#include "platform/mediaplayer/QtMediaPlayer.h"

std::unique_ptr<MediaEngine> QtMediaPlayerPlugin::CreateEngine(
    std::function<void(MediaPlayer::Result)> ended) {
    return std::make_unique<QtMediaPlayer>(std::move(ended));
}
