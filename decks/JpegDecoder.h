#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Decodes a JPEG card picture with libjpeg. A missing, empty, truncated or damaged file (libjpeg
// warnings included) gives a null image; nothing is printed and the program never stops.
// With a valid target size the picture is decoded straight to about that size with libjpeg's
// DCT scaling and then scaled smoothly to exactly that size (the aspect ratio is not kept).
QImage DecodeJpeg(const QString& path, QSize target = QSize());
