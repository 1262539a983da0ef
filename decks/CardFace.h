#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The picture file of a card: DIR/N.jpg in the deck's directory; empty without a directory.
QString CardFacePath(const QString& deckDirectory, int card);

// The picture turned by 180 degrees: pixel (x, y) goes to (width-1-x, height-1-y).
QImage TurnedOver(const QImage& picture);

// A card face decoded at the size it is shown, turned over when reversed; a null image when
// the picture cannot be loaded.
QImage LoadCardFace(const QString& path, QSize size, bool reversed);
