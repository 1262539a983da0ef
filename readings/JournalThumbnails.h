#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "readings/JournalIndex.h"

// Small pictures of laid-out spreads, drawn from the current deck. Each card face is decoded
// once and each spread's picture drawn once: a repaint takes the kept pixmap.
class JournalThumbnails {
public:
    static constexpr int kWidth = 96;
    static constexpr int kHeight = 64;

    // deckDirectory: the deck's picture folder; userDir and appDir: where the spread files
    // lie, found through the catalogue's spelling of a name.
    JournalThumbnails(const QString& deckDirectory, const QString& userDir, const QString& appDir,
                      const QStringList& catalogue);

    // The picture of the entry's spread with its cards; a null pixmap for an unreadable entry.
    QPixmap For(const JournalEntry& entry);
    // Forgets the picture of an entry whose file changed.
    void Forget(qint64 id) { pictures_.remove(id); }

private:
    const QList<QPoint>& Places(const QString& spread);
    const QImage& Face(JournalCard card);

    QString deckDirectory_;
    QString userDir_;
    QString appDir_;
    QStringList catalogue_;
    QHash<qint64, QPixmap> pictures_;
    QHash<QString, QList<QPoint>> places_;
    QHash<int, QImage> faces_;
};
