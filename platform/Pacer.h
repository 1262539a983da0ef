#pragma once

// Paces animations and pauses. Every wait keeps the window handling its events, so a click or
// closing the window can end an animation while it runs.
class Pacer {
public:
    virtual ~Pacer() = default;

    // Waits about the given time.
    virtual void pause(int milliseconds) = 0;
    // Waits for the next animation frame, about 60 a second.
    virtual void nextFrame() = 0;
};
