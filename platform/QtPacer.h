#pragma once

#include "platform/Pacer.h"

// Waits in a local event loop. The time scale stretches every wait; 0 runs every animation at
// once (events are still handled).
class QtPacer : public Pacer {
public:
    explicit QtPacer(double timeScale = 1.0) : timeScale_(timeScale) {}

    void pause(int milliseconds) override;
    void nextFrame() override;

private:
    double timeScale_;
};
