#pragma once

#include <QList>
#include <QSize>
#include <QString>

class ReadingModel;

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

PrintLayout PrintLayoutOf(const ReadingModel& model);

// The size of the spread picture: W0 (300 schematic, 480 with small card images) wide and as
// high as the layout's proportions give, or W0 + 50 high and narrower for a tall layout.
QSize SpreadPictureSize(QSize extent, bool schematic);

// Writes exportDir/i.bmp for each position whose card picture loads (turned for a reversed
// card) and the spread picture exportDir/1000.bmp. A position whose picture cannot be made is
// left out silently. False with the reason when the spread picture could not be written.
bool MakePrintImages(const PrintLayout& layout, const QString& exportDir, const QString& deckDir,
                     bool schematic, QString* errorString = nullptr);

// The name of an exported file: "report" and the tick count in decimal.
QString UnicName(qint32 tickCount);
