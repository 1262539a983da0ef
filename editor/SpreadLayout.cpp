#include "editor/SpreadLayout.h"

#include <QRegularExpression>
#include <QStringList>

#include "spreads/SpParser.h"
#include "spreads/SpreadFile.h"

namespace {

constexpr int kNewPositionX = 100;
constexpr int kNewPositionY = 20;

}  // namespace

QString EditorPositionLabel(const TSpreadParser& spread, int i) {
    if (spread.PosSignificator[i]) return "S" + QString::number(i + 1);
    return QString::number(i + 1 - spread.SignificatorCount);
}

QString PositionsWithoutText(const TSpreadParser& spread) {
    QStringList labels;
    for (int i = 0; i < spread.PosCount; ++i)
        if (spread.PosText[i].isEmpty()) labels.append(EditorPositionLabel(spread, i));
    return labels.join(", ");
}

int AddPosition(TSpreadParser& spread) {
    if (spread.PosCount >= kMaxPositions) return -1;
    const int i = spread.PosCount++;
    spread.PosX[i] = kNewPositionX;
    spread.PosY[i] = kNewPositionY;
    spread.PosText[i].clear();
    spread.PosSignificator[i] = false;
    return i;
}

void DeletePosition(TSpreadParser& spread, int i) {
    if (i < 0 || i >= spread.PosCount) return;
    if (spread.PosSignificator[i]) --spread.SignificatorCount;
    MovePosition(spread, i, spread.PosCount - 1);
    --spread.PosCount;
    const int last = spread.PosCount;
    spread.PosX[last] = kNewPositionX;
    spread.PosY[last] = kNewPositionY;
    spread.PosText[last].clear();
    spread.PosSignificator[last] = false;
}

int SetSignificator(TSpreadParser& spread, int i, bool significator) {
    if (spread.PosSignificator[i] == significator) return i;
    spread.PosSignificator[i] = significator;
    // Significator positions are 0 .. SignificatorCount - 1 before and after the move.
    const int to = significator ? spread.SignificatorCount : spread.SignificatorCount - 1;
    spread.SignificatorCount += significator ? 1 : -1;
    MovePosition(spread, i, to);
    return to;
}

void MovePosition(TSpreadParser& spread, int from, int to) {
    if (from == to) return;
    MoveEntry(spread.PosX, from, to);
    MoveEntry(spread.PosY, from, to);
    MoveEntry(spread.PosText, from, to);
    MoveEntry(spread.PosSignificator, from, to);
}

QString SingleLineText(QString text) {
    static const QRegularExpression lineBreak("\r\n|[\r\n\v\f\u0085\u2028\u2029]");
    text.replace(lineBreak, " ");
    text.remove(QChar(0));
    return text;
}

SpreadNameProblem CheckSpreadName(const QString& name) {
    if (name.trimmed().isEmpty()) return SpreadNameProblem::Empty;
    // The spread file's path is refused for a name that could leave the Spreads folder.
    if (SpreadFilePath(QString(), name).isEmpty()) return SpreadNameProblem::NotAFileName;
    return SpreadNameProblem::None;
}
