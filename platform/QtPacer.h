#pragma once

#include <QElapsedTimer>

#include "platform/Pacer.h"

// Waits in a local event loop. Frames keep a steady rate: each waits only for what is left of
// its 1/60 second after the frame's own work. The time scale stretches every wait; 0 runs every
// animation at once (events are still handled).
class QtPacer : public Pacer {
public:
    explicit QtPacer(double timeScale = 1.0) : timeScale_(timeScale) {}

    void pause(int milliseconds) override;
    void nextFrame() override;

private:
    double timeScale_;
    QElapsedTimer lastFrame_;
};
