#include "platform/mediaplayer/QtMediaPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

namespace {

// The longest wait for a file to load; a media file loads in a fraction of a second.
constexpr int LoadLimitMs = 10000;

// The audio device cannot be opened: no sink, or one that refuses to start.
bool IsDeviceError(QMediaPlayer::Error error, const QString& text) {
    return error == QMediaPlayer::ResourceError &&
           (text.contains("audio device", Qt::CaseInsensitive) ||
            text.contains("audio sink", Qt::CaseInsensitive));
}

}  // namespace

QtMediaPlayer::QtMediaPlayer(std::function<void(Result)> ended) : ended_(std::move(ended)) {}

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::MakePlayer() {
    if (player_) return;
    player_ = std::make_unique<QMediaPlayer>();
    output_ = new QAudioOutput(player_.get());
    player_->setAudioOutput(output_);
    connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this,
            &QtMediaPlayer::MediaStatusChanged);
    connect(player_.get(), &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::ErrorOccurred);
}

QtMediaPlayer::Mode QtMediaPlayer::mode() const {
    if (!open_) return Mode::NotReady;
    if (!played_) return Mode::Open;
    switch (player_->playbackState()) {
        case QMediaPlayer::PlayingState:
            return playing_ ? Mode::Playing : Mode::Stopped;
        case QMediaPlayer::PausedState:
            return Mode::Paused;
        case QMediaPlayer::StoppedState:
            break;
    }
    return Mode::Stopped;
}

bool QtMediaPlayer::hasAudioOutput() const { return !QMediaDevices::audioOutputs().isEmpty(); }

QtMediaPlayer::Failure QtMediaPlayer::Fail(Failure failure, const QString& text,
                                           QString* errorText) {
    if (errorText) *errorText = text;
    return failure;
}

QtMediaPlayer::Failure QtMediaPlayer::open(const QString& path, QString* errorText) {
    // A command that arrives while a file loads (the window stays responsive) is refused.
    if (loading_) return Fail(Failure::File, "Another file is loading", errorText);
    close();
    if (!QFileInfo(path).isFile()) return Fail(Failure::File, "No such file: " + path, errorText);
    MakePlayer();
    lastError_ = QMediaPlayer::NoError;
    lastErrorText_.clear();
    player_->setSource(QUrl::fromLocalFile(path));
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    const auto settled = [this] {
        const auto status = player_->mediaStatus();
        return lastError_ != QMediaPlayer::NoError || status == QMediaPlayer::LoadedMedia ||
               status == QMediaPlayer::InvalidMedia || status == QMediaPlayer::BufferedMedia;
    };
    const auto check = [&] {
        if (settled()) wait.quit();
    };
    connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &wait, check);
    connect(player_.get(), &QMediaPlayer::errorOccurred, &wait, check);
    if (!settled()) {
        limit.start(LoadLimitMs);
        loading_ = true;
        wait.exec();
        loading_ = false;
    }
    if (lastError_ != QMediaPlayer::NoError ||
        player_->mediaStatus() == QMediaPlayer::InvalidMedia || !settled()) {
        const Failure failure =
            IsDeviceError(lastError_, lastErrorText_) ? Failure::Device : Failure::File;
        const QString text = lastErrorText_.isEmpty() ? "Cannot play " + path : lastErrorText_;
        DropPlayer();
        return Fail(failure, text, errorText);
    }
    open_ = true;
    played_ = false;
    return Failure::None;
}

QtMediaPlayer::Failure QtMediaPlayer::play(QString* errorText) {
    if (!open_) return Fail(Failure::File, "No file is open", errorText);
    if (playing_) EndPlay(Result::Superseded);
    lastError_ = QMediaPlayer::NoError;
    player_->setPosition(0);
    player_->play();
    played_ = true;
    if (lastError_ != QMediaPlayer::NoError) {
        player_->stop();
        return Fail(IsDeviceError(lastError_, lastErrorText_) ? Failure::Device : Failure::File,
                    lastErrorText_, errorText);
    }
    playing_ = true;
    ++playNumber_;
    return Failure::None;
}

void QtMediaPlayer::stop() {
    if (!player_) return;
    if (playing_) EndPlay(Result::Aborted);
    player_->stop();
}

void QtMediaPlayer::close() {
    stop();
    if (!open_) return;
    open_ = false;
    played_ = false;
    DropPlayer();
}

// GStreamer may report a file's errors after the open has settled; a fresh player for the
// next file keeps such late errors from failing it.
void QtMediaPlayer::DropPlayer() {
    output_ = nullptr;
    player_.reset();
}

void QtMediaPlayer::EndPlay(Result result) {
    playing_ = false;
    const quint64 number = playNumber_;
    // Queued, so the handler may start the next piece outside the Qt player's own signal.
    QMetaObject::invokeMethod(
        this,
        [this, number, result] {
            if (number == playNumber_) ended_(result);
        },
        Qt::QueuedConnection);
}

void QtMediaPlayer::MediaStatusChanged(QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia && playing_) {
        EndPlay(Result::Successful);
        player_->stop();
    }
}

void QtMediaPlayer::ErrorOccurred(QMediaPlayer::Error error, const QString& text) {
    lastError_ = error;
    lastErrorText_ = text;
    // After an error the Qt player still says "playing" until it is stopped.
    if (playing_) {
        EndPlay(Result::Failure);
        player_->stop();
    }
}
