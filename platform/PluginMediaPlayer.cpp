#include "platform/PluginMediaPlayer.h"

#include <QPluginLoader>

#include "platform/MediaPlayerPlugin.h"
#include "platform/ProgramPlaces.h"

PluginMediaPlayer::PluginMediaPlayer(QString pluginPath, QObject* parent)
    : MediaPlayer(parent), pluginPath_(std::move(pluginPath)) {}

// The plugin stays loaded: its player is gone before the program's end.
PluginMediaPlayer::~PluginMediaPlayer() = default;

QString PluginMediaPlayer::DefaultPluginPath() {
    return ProgramPlaces::ProgramPlugin("lumenfold-media");
}

MediaEngine* PluginMediaPlayer::Engine() const {
    if (loaded_) return engine_.get();
    loaded_ = true;
    QPluginLoader loader(pluginPath_);
    auto* plugin = qobject_cast<MediaPlayerPlugin*>(loader.instance());
    if (!plugin) {
        loadError_ = "No music player: " + loader.errorString();
        return nullptr;
    }
    auto* self = const_cast<PluginMediaPlayer*>(this);
    engine_ = plugin->CreateEngine([self](Result result) { emit self->notified(result); });
    return engine_.get();
}

MediaPlayer::Mode PluginMediaPlayer::mode() const {
    return engine_ ? engine_->mode() : Mode::NotReady;
}

bool PluginMediaPlayer::hasAudioOutput() const {
    const MediaEngine* engine = Engine();
    return engine && engine->hasAudioOutput();
}

MediaPlayer::Failure PluginMediaPlayer::open(const QString& path, QString* errorText) {
    if (MediaEngine* engine = Engine()) return engine->open(path, errorText);
    if (errorText) *errorText = loadError_;
    return Failure::Device;
}

MediaPlayer::Failure PluginMediaPlayer::play(QString* errorText) {
    if (engine_) return engine_->play(errorText);
    if (errorText) *errorText = "No file is open";
    return Failure::File;
}

void PluginMediaPlayer::stop() {
    if (engine_) engine_->stop();
}

void PluginMediaPlayer::close() {
    if (engine_) engine_->close();
}
