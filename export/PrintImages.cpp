#include "export/PrintImages.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "decks/JpegDecoder.h"
#include "platform/WholeFile.h"
#include "table/ReadingModel.h"

namespace {

constexpr int kFarthestPlace = 1 << 23;

QByteArray BmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) return {};
    return bytes;
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

PrintLayout PrintLayoutOf(const ReadingModel& model) {
    PrintLayout layout;
    const TSpreadParser& parser = model.Parser;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < std::min(parser.PosCount, kMaxPositions); ++i) {
        // Places from a damaged file stay far inside the integer range.
        const int x = std::clamp(parser.PosX[i], -kFarthestPlace, kFarthestPlace);
        const int y = std::clamp(parser.PosY[i], -kFarthestPlace, kFarthestPlace);
        layout.positions.append(
            {x, y, parser.PosCard[i], parser.PosReversed[i], parser.PositionNumber(i)});
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    layout.cardSize = QSize(model.TableCardWidth, model.TableCardHeight);
    layout.extent = QSize(right + model.TableCardWidth, bottom + model.TableCardHeight);
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

bool MakePrintImages(const PrintLayout& layout, const QString& exportDir, const QString& deckDir,
                     bool schematic, QString* errorString) {
    const QString temp = exportDir + "/";
    const QSize size = SpreadPictureSize(layout.extent, schematic);
    const int extentX = std::max(layout.extent.width(), 1);
    const int W = size.width();
    QImage spread(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    spread.fill(Qt::white);
    QPainter painter(&spread);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const int cw = Scaled(W, layout.cardSize.width(), extentX);
    const int ch = Scaled(W, layout.cardSize.height(), extentX);

    for (int i = 0; i < layout.positions.size(); ++i) {
        const PrintPosition& position = layout.positions[i];
        QImage card = deckDir.isEmpty() || position.card < 0
                          ? QImage()
                          : DecodeJpeg(deckDir + "/" + QString::number(position.card) + ".jpg");
        if (card.isNull()) continue;
        if (position.reversed) card = card.mirrored(true, true);
        const QByteArray bytes = BmpBytes(card);
        if (bytes.isEmpty() || !WriteWholeFile(temp + QString::number(i) + ".bmp", bytes)) continue;
        const QRect place(Scaled(W, position.x, extentX), Scaled(W, position.y, extentX), cw, ch);
        if (schematic) {
            painter.drawRect(place.adjusted(0, 0, -1, -1));
            DrawLabel(painter, place.topLeft() + QPoint(1, 1), position.label);
        } else {
            painter.drawImage(place, card);
            DrawLabel(painter, place.topLeft() - QPoint(3, 3), position.label);
        }
    }
    painter.end();
    const QByteArray bytes = BmpBytes(spread);
    if (bytes.isEmpty()) {
        if (errorString) *errorString = "the spread picture could not be encoded";
        return false;
    }
    return WriteWholeFile(temp + "1000.bmp", bytes, errorString);
}

QString UnicName(qint32 tickCount) { return "report" + QString::number(tickCount); }
