#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

struct ReadingSnapshot;

// What the print pictures need of one position of the reading.
struct PrintPosition {
    int x = 0;
    int y = 0;
    int card = -1;
    bool reversed = false;
    QString label;  // "S", "S1", "1", ...
};

// What the print pictures need of the reading: its positions, the size of the layout (the
// rightmost and lowest places plus one card) and the card size on the table.
struct PrintLayout {
    QList<PrintPosition> positions;
    QSize extent;
    QSize cardSize;
};

PrintLayout PrintLayoutOf(const ReadingSnapshot& reading);

// The size of the spread picture: W0 (300 schematic, 480 with small card images) wide and as
// high as the layout's proportions give, or W0 + 50 high and narrower for a tall layout.
QSize SpreadPictureSize(QSize extent, bool schematic);

// The spread picture drawn position by position, in position order: a rectangle or the small
// card picture with the position's label. At a scale above 1 the same picture is drawn with
// that many pixels for one, for print.
class SpreadPicture {
public:
    SpreadPicture(const PrintLayout& layout, bool schematic, int scale = 1);

    // Draws the position with its card picture, already turned for a reversed card.
    void Draw(const PrintPosition& position, const QImage& card);
    const QImage& Image() const { return image_; }
    // The size of a card on the picture, in its own pixels.
    QSize CardSize() const { return cardSize_ * scale_; }

private:
    QImage image_;
    int extentX_;
    int width_;  // W, before the scale
    int scale_;
    bool schematic_;
    QSize cardSize_;
};

// Removes the pictures of earlier exports from the export folder, then writes i.bmp for each
// position whose card picture loads (turned for a reversed card) and the spread picture
// 1000.bmp. A position whose card picture cannot be loaded is left out silently. False with the
// file and the reason when a picture could not be written or an old one removed.
bool MakePrintImages(const PrintLayout& layout, const QString& exportDir, const QString& deckDir,
                     bool schematic, QString* errorString = nullptr);

// A picture MakePrintImages wrote, read back for a document; AutomationError naming the file
// and the reason when it cannot be read.
QImage ReadPrintPicture(const QString& path);

// The name of an exported file: "report" and the tick count in decimal.
QString UnicName(qint32 tickCount);
