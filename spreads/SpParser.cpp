#include "spreads/SpParser.h"

SpreadReadStatus TSpreadParser::LoadSpread(const QString& path) {
    const SpreadContent content = ReadSpreadFile(path);
    if (content.countRead) PosCount = content.count;
    for (int i = 0; i < content.lines.size(); ++i) {
        const SpreadLine& line = content.lines[i];
        if (line.significator) {
            PosSignificator[i] = true;
            ++SignificatorCount;
        }
        PosX[i] = line.x;
        PosY[i] = line.y;
        PosText[i] = line.text;
    }
    return content.status;
}

bool TSpreadParser::SaveSpread(const QString& path) const {
    QList<SpreadLine> lines;
    for (int i = 0; i < PosCount; ++i)
        lines.append({PosSignificator[i], PosX[i], PosY[i], PosText[i]});
    return WriteSpreadFile(path, PosCount, lines);
}
