#pragma once

#include <QImage>

// The system clipboard, for pictures.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual void setImage(const QImage& image) = 0;
    // The clipboard's picture; a null image when it holds none.
    virtual QImage image() const = 0;
};
