#pragma once

#include "platform/Clipboard.h"

class QtClipboard : public Clipboard {
public:
    void setImage(const QImage& image) override;
    QImage image() const override;
};
