#pragma once

#include <QImage>

// The program's card back: a large one for the pile and the shuffle (115 x 196) and the same
// back made small for the arc (58 x 98). Each is drawn when first asked for, so a window that
// shows no card back yet does not wait for it.
class CardBacks {
public:
    const QImage& Large() const;
    const QImage& Small() const;

private:
    mutable QImage large_;
    mutable QImage small_;
};
