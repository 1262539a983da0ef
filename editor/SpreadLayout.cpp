#include "editor/SpreadLayout.h"

#include <algorithm>
#include <limits>
#include <optional>

#include <QList>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>

#include "platform/FileNames.h"
#include "spreads/SpParser.h"

namespace {

constexpr int kPlaceGap = 10;   // between a new card and the card it is put beside
constexpr int kSearchStep = 8;  // between the places tried across the field

// The area of the spread's positions that a card lying on `card` covers.
qint64 CoveredArea(const TSpreadParser& spread, const QRect& card) {
    qint64 area = 0;
    for (int i = 0; i < spread.PosCount(); ++i) {
        const QRect overlap =
            card.intersected(QRect(QPoint(spread.PosX(i), spread.PosY(i)), card.size()));
        area += qint64(overlap.width()) * overlap.height();
    }
    return area;
}

}  // namespace

QString EditorPositionLabel(const TSpreadParser& spread, int i) {
    if (spread.PosSignificator(i)) return "S" + QString::number(i + 1);
    return QString::number(i + 1 - spread.SignificatorCount());
}

QString PositionsWithoutText(const TSpreadParser& spread) {
    QStringList labels;
    for (int i = 0; i < spread.PosCount(); ++i)
        if (spread.PosText(i).isEmpty()) labels.append(EditorPositionLabel(spread, i));
    return labels.join(", ");
}

QPoint NewPositionPlace(const TSpreadParser& spread, QSize card, QSize field) {
    const QPoint usual(kNewPositionX, kNewPositionY);
    QList<QPoint> beside;
    for (int i = 0; i < spread.PosCount(); ++i) {
        beside.append({spread.PosX(i) + card.width() + kPlaceGap, spread.PosY(i)});
        beside.append({spread.PosX(i), spread.PosY(i) + card.height() + kPlaceGap});
    }
    std::stable_sort(beside.begin(), beside.end(), [](QPoint a, QPoint b) {
        return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
    });
    QList<QPoint> places = QList<QPoint>{usual} + beside;
    for (int y = 0; y + card.height() <= field.height(); y += kSearchStep)
        for (int x = 0; x + card.width() <= field.width(); x += kSearchStep) places.append({x, y});

    const QRect inside(QPoint(0, 0), field);
    std::optional<QPoint> leastCovered;
    qint64 least = std::numeric_limits<qint64>::max();
    for (const QPoint place : places) {
        const QRect rect(place, card);
        if (!inside.contains(rect)) continue;
        const qint64 covered = CoveredArea(spread, rect);
        if (covered == 0) return place;
        if (covered < least) {
            least = covered;
            leastCovered = place;
        }
    }
    return leastCovered.value_or(usual);
}

QString SingleLineText(QString text) {
    static const QRegularExpression lineBreak("\r\n|[\r\n\v\f\u0085\u2028\u2029]");
    text.replace(lineBreak, " ");
    text.remove(QChar(0));
    return text;
}

SpreadNameProblem CheckSpreadName(const QString& name) {
    if (name.trimmed().isEmpty()) return SpreadNameProblem::Empty;
    if (!IsSafeFileName(name)) return SpreadNameProblem::NotAFileName;
    return SpreadNameProblem::None;
}
