#include "decks/CardFace.h"

#include "decks/JpegDecoder.h"

QString CardFacePath(const QString& deckDirectory, int card) {
    if (deckDirectory.isEmpty()) return QString();
    return deckDirectory + "/" + QString::number(card) + ".jpg";
}

QImage TurnedOver(const QImage& picture) { return picture.mirrored(true, true); }

QImage LoadCardFace(const QString& path, QSize size, bool reversed) {
    if (path.isEmpty()) return QImage();
    const QImage face = DecodeJpeg(path, size);
    return reversed && !face.isNull() ? TurnedOver(face) : face;
}
