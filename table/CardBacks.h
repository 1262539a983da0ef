#pragma once

#include <QImage>

// The program's card back: a large one for the pile and the shuffle (115 x 196) and the same
// back made small for the arc (58 x 98). Drawn once when the main window starts.
struct CardBacks {
    QImage large;
    QImage small;
};

CardBacks DrawCardBacks();
