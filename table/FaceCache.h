#pragma once

#include <QDateTime>
#include <QFuture>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <map>
#include <optional>
#include <tuple>

// Card faces decoded at the size they are shown, kept while their deck is in use, so that a
// picture is decoded once however often its card is shown. A picture file that changed on disk
// is decoded again; one that cannot be loaded is never kept, so it is tried again each time.
class FaceCache {
public:
    FaceCache() = default;
    FaceCache(const FaceCache&) = delete;
    FaceCache& operator=(const FaceCache&) = delete;
    ~FaceCache();

    // The face of `card` in the deck directory at `size`, turned over when reversed; a null image
    // when the picture cannot be loaded. Another directory drops every face kept.
    QImage Face(const QString& deckDirectory, int card, QSize size, bool reversed);
    // Starts decoding the faces of `cards` at `size` that are not kept yet, several at a time
    // on other threads; the next Face call waits for them.
    void Prefetch(const QString& deckDirectory, const QList<int>& cards, QSize size);

private:
    // What tells a picture file's content apart: its length and modification time.
    struct Stamp {
        qint64 bytes = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    struct Kept {
        Stamp stamp;
        QImage face;
    };
    using Key = std::tuple<int, int, int>;  // card, width, height
    struct Job {
        int card;
        QSize size;
        Stamp stamp;
        QString path;
        QImage face;
    };

    // Waits for the faces being prefetched and keeps them.
    void FinishPrefetch();
    void UseDirectory(const QString& deckDirectory);
    // The stamp of a regular picture file; nullopt for anything else.
    static std::optional<Stamp> StampOf(const QString& path);
    const QImage* Find(int card, QSize size, const Stamp& stamp) const;
    void Keep(int card, QSize size, const Stamp& stamp, const QImage& face);

    QString directory_;
    std::map<Key, Kept> faces_;
    QList<Job> jobs_;  // decoded in place while `decoding_` runs
    QFuture<void> decoding_;
};
