#pragma once

#include <QImage>
#include <QSize>

// A detailed face (a court card) drawn at `size` with the grain of a scanned print, so that it
// carries as much detail as a scanned deck and decodes as slowly.
QImage GrainyCardFace(QSize size);
