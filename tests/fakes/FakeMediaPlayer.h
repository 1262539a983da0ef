#pragma once

#include <QMap>
#include <QStringList>

#include <functional>
#include <utility>

#include "platform/MediaPlayer.h"

// A player that records the files it is asked to play and ends a piece or fails on demand.
class FakeMediaPlayer : public MediaPlayer {
public:
    // Every file asked to open, and every file a play command started, in order.
    QStringList opened;
    QStringList played;
    // Files that fail to open, with the kind of failure.
    QMap<QString, Failure> failing;
    QString openFile;
    Mode state = Mode::NotReady;
    bool audioOutput = true;
    // Runs while a file loads, as the window's events do while the real player waits.
    std::function<void()> whileOpening;

    Mode mode() const override { return state; }
    bool hasAudioOutput() const override { return audioOutput; }
    Failure open(const QString& path, QString* errorText = nullptr) override {
        close();
        opened.append(path);
        if (whileOpening) std::exchange(whileOpening, nullptr)();
        if (const Failure failure = failing.value(path, Failure::None); failure != Failure::None) {
            if (errorText) *errorText = "cannot open " + path;
            return failure;
        }
        openFile = path;
        state = Mode::Open;
        return Failure::None;
    }
    Failure play(QString* = nullptr) override {
        if (state == Mode::NotReady) return Failure::File;
        played.append(openFile);
        state = Mode::Playing;
        return Failure::None;
    }
    void stop() override {
        if (state == Mode::Playing) state = Mode::Stopped;
    }
    void close() override {
        openFile.clear();
        state = Mode::NotReady;
    }
    // The playing piece reaches its end.
    void endPiece() {
        state = Mode::Stopped;
        emit notified(Result::Successful);
    }
};
