#pragma once

#include <functional>

#include <QCoreApplication>

#include "platform/Pacer.h"

// Runs every animation at once: each wait only handles pending events, counts itself and
// calls an optional hook (for example to press "Stop" after some frames).
class InstantPacer : public Pacer {
public:
    int pauses = 0;
    int frames = 0;
    std::function<void()> onWait;

    void pause(int) override {
        ++pauses;
        wait();
    }
    void nextFrame() override {
        ++frames;
        wait();
    }

private:
    void wait() {
        QCoreApplication::processEvents();
        if (onWait) onWait();
    }
};
