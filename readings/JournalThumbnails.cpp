#include "readings/JournalThumbnails.h"

#include <QPainter>

#include "decks/CardFace.h"
#include "readings/ReadingFile.h"
#include "spreads/SpreadFile.h"

namespace {

// A position's card on the table, in the spread's own pixels.
constexpr int kCardWidth = 87;
constexpr int kCardHeight = 148;

}  // namespace

JournalThumbnails::JournalThumbnails(const QString& deckDirectory, const QString& userDir,
                                     const QString& appDir, const QStringList& catalogue)
    : deckDirectory_(deckDirectory), userDir_(userDir), appDir_(appDir), catalogue_(catalogue) {}

const QList<QPoint>& JournalThumbnails::Places(const QString& spread) {
    auto found = places_.find(spread);
    if (found != places_.end()) return *found;
    QList<QPoint> places;
    const QString name = CatalogueSpreadName(catalogue_, spread);
    if (!name.isEmpty())
        for (const SpreadLine& line : ReadSpreadFile(FindSpreadFile(userDir_, appDir_, name)).lines)
            places.append({line.x, line.y});
    return *places_.insert(spread, places);
}

const QImage& JournalThumbnails::Face(JournalCard card) {
    // Decoded once at a third of the table's size; each thumbnail scales it to its own.
    const QSize size(kCardWidth / 3, kCardHeight / 3);
    const int key = card.card * 2 + (card.reversed ? 1 : 0);
    auto found = faces_.find(key);
    if (found == faces_.end())
        found = faces_.insert(
            key, LoadCardFace(CardFacePath(deckDirectory_, card.card), size, card.reversed));
    return *found;
}

QPixmap JournalThumbnails::For(const JournalEntry& entry) {
    if (entry.fault != JournalFault::None) return {};
    auto found = pictures_.find(entry.id);
    if (found != pictures_.end()) return *found;

    const QList<QPoint>& places = Places(entry.spreadName);
    QRect bounds;
    for (int k = 0; k < places.size() && k < entry.cards.size(); ++k)
        bounds |= QRect(places[k], QSize(kCardWidth, kCardHeight));
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::transparent);
    if (!bounds.isEmpty()) {
        const double scale =
            std::min(double(kWidth) / bounds.width(), double(kHeight) / bounds.height());
        const QSize card(std::max(1, int(kCardWidth * scale)),
                         std::max(1, int(kCardHeight * scale)));
        const QPointF origin((kWidth - bounds.width() * scale) / 2,
                             (kHeight - bounds.height() * scale) / 2);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int k = 0; k < places.size() && k < entry.cards.size(); ++k) {
            const QRectF place(origin + QPointF(places[k] - bounds.topLeft()) * scale, card);
            const QImage& face = Face(entry.cards[k]);
            if (face.isNull())
                painter.fillRect(place, Qt::darkGray);
            else
                painter.drawImage(place, face);
            painter.setPen(Qt::black);
            painter.drawRect(place);
        }
    }
    return *pictures_.insert(entry.id, picture);
}
