#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// How the encoded picture stores its colours.
enum class JpegColourSpace {
    YCbCr,  // the usual colour JPEG
    Grey,   // one channel, the luminance of the picture
    Cmyk,   // four channels, inverted as Adobe applications write them
    Ycck,   // the same inks transformed to YCCK, as Adobe applications also write them
};

// Encodes a picture as a baseline JPEG with libjpeg; quality 1..100. Empty on failure.
QByteArray EncodeJpeg(const QImage& image, int quality = 90,
                      JpegColourSpace space = JpegColourSpace::YCbCr);

// Encodes the picture and writes it to the path, replacing the file only once all is written;
// false with the reason on failure.
bool WriteJpeg(const QImage& image, const QString& path, int quality = 90,
               QString* errorString = nullptr);
