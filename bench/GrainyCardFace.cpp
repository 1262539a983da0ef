#include "GrainyCardFace.h"

#include <algorithm>
#include <random>

#include "tools/deckgen/CardFace.h"

QImage GrainyCardFace(QSize size) {
    QImage face = PaintCardFace(ArdentineStyle(), 46, size);
    std::minstd_rand grain(1);
    std::uniform_int_distribution<int> shift(-14, 14);
    for (int y = 0; y < face.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            const int d = shift(grain);
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + d, 0, 255), std::clamp(qGreen(line[x]) + d, 0, 255),
                     std::clamp(qBlue(line[x]) + d, 0, 255));
        }
    }
    return face;
}
