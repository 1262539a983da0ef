#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The largest picture file that is read: far above any scanned card.
constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// Decodes a JPEG card picture with libjpeg. A missing, empty, truncated or damaged file gives a
// null image, and so does one whose picture data is partly missing (libjpeg only warns and
// fills it in with grey); a picture that still decodes whole after a warning is delivered.
// Only a regular file of at most kMaxPictureFileBytes is read. Nothing is printed and the
// program never stops.
// With a valid target size the picture is decoded straight to about that size with libjpeg's
// DCT scaling and then scaled smoothly to exactly that size (the aspect ratio is not kept).
QImage DecodeJpeg(const QString& path, QSize target = QSize());

// The picture's size from its header; an invalid size where it cannot be read.
QSize JpegPictureSize(const QString& path);
