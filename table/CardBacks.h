#pragma once

#include <QImage>

class FaceCache;

// The program's card back: a large one for the pile and the shuffle (115 x 196) and the same
// back made small for the arc (58 x 98). Each is made when first asked for, so a window that
// shows no card back yet does not wait for it. The large one is drawn once and then read back
// from the face cache's disk folder: drawing it costs the first paint more than reading it.
class CardBacks {
public:
    // The cache is borrowed for the backs' life; without one the back is drawn at every run.
    explicit CardBacks(FaceCache* cache = nullptr) : cache_(cache) {}

    const QImage& Large() const;
    const QImage& Small() const;

private:
    FaceCache* cache_;
    mutable QImage large_;
    mutable QImage small_;
};
