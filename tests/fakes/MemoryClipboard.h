#pragma once

#include "platform/Clipboard.h"

class MemoryClipboard : public Clipboard {
public:
    QImage held;

    void setImage(const QImage& image) override { held = image; }
    QImage image() const override { return held; }
};
