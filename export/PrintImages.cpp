#include "export/PrintImages.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "decks/JpegDecoder.h"
#include "platform/WholeFile.h"
#include "platform/WordAutomation.h"
#include "spreads/SpreadFile.h"
#include "table/ReadingSnapshot.h"

namespace {

constexpr int kFarthestPlace = 1 << 23;

// Writes the picture as a BMP file; false with the file and the reason when it cannot.
bool WritePicture(const QImage& picture, const QString& path, QString* errorString) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString reason = "The picture could not be encoded.";
    if (picture.save(&buffer, "BMP") && WriteWholeFile(path, bytes, &reason)) return true;
    if (errorString) *errorString = QDir::toNativeSeparators(path) + ": " + reason;
    return false;
}

// Removes the pictures an earlier export left, so that none of them can stand in for one this
// export does not make. False with the file and the reason when one stays.
bool RemoveOldPictures(const QString& temp, QString* errorString) {
    QStringList names{"1000.bmp"};
    for (int i = 0; i < kMaxPositions; ++i) names.append(QString::number(i) + ".bmp");
    for (const QString& name : names) {
        QFile old(temp + name);
        const QFileInfo info(old);
        if ((info.exists() || info.isSymLink()) && !old.remove()) {
            if (errorString)
                *errorString = QDir::toNativeSeparators(old.fileName()) + ": " + old.errorString();
            return false;
        }
    }
    return true;
}

// Scales a layout coordinate by the picture's horizontal ratio, without overflow.
int Scaled(int width, int value, int extentX) {
    return static_cast<int>(static_cast<qint64>(width) * value / extentX);
}

// Writes the label with its top-left corner at the point, on a white background.
void DrawLabel(QPainter& painter, QPoint topLeft, const QString& label) {
    const QRect box = painter.fontMetrics().boundingRect(label);
    painter.fillRect(QRect(topLeft, box.size()), Qt::white);
    painter.drawText(QRect(topLeft, box.size()), Qt::AlignLeft | Qt::AlignTop, label);
}

}  // namespace

PrintLayout PrintLayoutOf(const ReadingSnapshot& reading) {
    PrintLayout layout;
    int right = 0;
    int bottom = 0;
    for (const ReadingSnapshot::Position& position : reading.positions) {
        // Places from a damaged file stay far inside the integer range.
        const int x = std::clamp(position.place.x(), -kFarthestPlace, kFarthestPlace);
        const int y = std::clamp(position.place.y(), -kFarthestPlace, kFarthestPlace);
        layout.positions.append({x, y, position.card, position.reversed, position.label});
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    layout.cardSize = reading.cardSize;
    layout.extent = QSize(right, bottom) + reading.cardSize;
    return layout;
}

QSize SpreadPictureSize(QSize extent, bool schematic) {
    const qint64 w0 = schematic ? 300 : 480;
    const qint64 ex = std::max(extent.width(), 1);
    const qint64 ey = std::max(extent.height(), 1);
    qint64 w = w0;
    qint64 h = ey * w0 / ex;
    if (h > w0 + 50) {
        h = w0 + 50;
        w = (w0 + 50) * ex / ey;
    }
    return QSize(static_cast<int>(std::max<qint64>(w, 1)), static_cast<int>(h));
}

SpreadPicture::SpreadPicture(const PrintLayout& layout, bool schematic, int scale)
    : extentX_(std::max(layout.extent.width(), 1)),
      scale_(std::max(scale, 1)),
      schematic_(schematic) {
    const QSize size = SpreadPictureSize(layout.extent, schematic);
    width_ = size.width();
    image_ = QImage(size.expandedTo(QSize(1, 1)) * scale_, QImage::Format_RGB32);
    image_.fill(Qt::white);
    cardSize_ = QSize(Scaled(width_, layout.cardSize.width(), extentX_),
                      Scaled(width_, layout.cardSize.height(), extentX_));
}

void SpreadPicture::Draw(const PrintPosition& position, const QImage& card) {
    QPainter painter(&image_);
    painter.scale(scale_, scale_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale_ > 1);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const QRect place(Scaled(width_, position.x, extentX_), Scaled(width_, position.y, extentX_),
                      cardSize_.width(), cardSize_.height());
    if (schematic_) {
        painter.drawRect(place.adjusted(0, 0, -1, -1));
        DrawLabel(painter, place.topLeft() + QPoint(1, 1), position.label);
    } else {
        painter.drawImage(place, card);
        DrawLabel(painter, place.topLeft() - QPoint(3, 3), position.label);
    }
}

bool MakePrintImages(const PrintLayout& layout, const QString& exportDir, const QString& deckDir,
                     bool schematic, QString* errorString) {
    const QString temp = exportDir + "/";
    if (!RemoveOldPictures(temp, errorString)) return false;
    SpreadPicture spread(layout, schematic);
    for (int i = 0; i < layout.positions.size(); ++i) {
        const PrintPosition& position = layout.positions[i];
        QImage card = deckDir.isEmpty() || position.card < 0
                          ? QImage()
                          : DecodeJpeg(deckDir + "/" + QString::number(position.card) + ".jpg");
        if (card.isNull()) continue;
        if (position.reversed) card = card.mirrored(true, true);
        if (!WritePicture(card, temp + QString::number(i) + ".bmp", errorString)) return false;
        spread.Draw(position, card);
    }
    return WritePicture(spread.Image(), temp + "1000.bmp", errorString);
}

QImage ReadPrintPicture(const QString& path) {
    constexpr qint64 kMaxBitmapBytes = 256 * 1024 * 1024;
    ReadFailure failure{false, "Not a picture."};
    QImage picture;
    if (const auto bytes = ReadRegularFile(path, kMaxBitmapBytes, &failure))
        picture.loadFromData(*bytes, "BMP");
    if (picture.isNull())
        throw AutomationError(
            QString(QDir::toNativeSeparators(path) + ": " + failure.reason).toStdString());
    return picture;
}

QString UnicName(qint32 tickCount) { return "report" + QString::number(tickCount); }
