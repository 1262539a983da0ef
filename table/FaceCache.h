#pragma once

#include <QDateTime>
#include <QFuture>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "table/FaceDiskCache.h"

class ProgramPlaces;

// Card faces decoded at the size they are shown, kept while their deck is in use, so that a
// picture is decoded once however often its card is shown. A picture file that changed on disk
// is decoded again; one that cannot be loaded is never kept, so it is tried again each time.
// With a disk folder, faces are also kept there across runs and read back instead of decoded.
class FaceCache {
public:
    FaceCache() = default;
    FaceCache(const FaceCache&) = delete;
    FaceCache& operator=(const FaceCache&) = delete;
    ~FaceCache();

    // Keeps faces in the Faces folder of the places' cache folder too, as it is at each use (the
    // places are borrowed for the cache's life); without a cache folder, in memory only.
    void UseCacheOf(const ProgramPlaces& places);

    // The face of `card` in the deck directory at `size`, turned over when reversed; a null image
    // when the picture cannot be loaded. Another directory drops every face kept.
    QImage Face(const QString& deckDirectory, int card, QSize size, bool reversed);
    // Starts decoding the faces of `cards` at `size` that are not kept yet, several at a time
    // on other threads; the next Face call waits for them.
    void Prefetch(const QString& deckDirectory, const QList<int>& cards, QSize size);
    // A picture the program draws itself, named, at `size`: read back from the disk folder when
    // kept there by an earlier run, else drawn and kept. Raise `version` when the drawing changes.
    QImage Drawn(const QString& name, int version, QSize size, const std::function<QImage()>& draw);

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
        bool decoded = false;  // not read from the disk folder
    };

    // Waits for the faces being prefetched and keeps them.
    void FinishPrefetch();
    void UseDirectory(const QString& deckDirectory);
    // The disk cache of the places' current cache folder; null without one.
    FaceDiskCache* Disk();
    // The stamp of a regular picture file; nullopt for anything else.
    static std::optional<Stamp> StampOf(const QString& path);
    const QImage* Find(int card, QSize size, const Stamp& stamp) const;
    // The face from the disk folder, else decoded from the picture; `decoded` says which.
    static QImage Read(const FaceDiskCache* disk, const QString& path, const Stamp& stamp,
                       QSize size, bool* decoded);
    void Keep(int card, QSize size, const Stamp& stamp, const QImage& face);

    QString directory_;
    std::map<Key, Kept> faces_;
    QList<Job> jobs_;  // decoded in place while `decoding_` runs
    QFuture<void> decoding_;
    const ProgramPlaces* places_ = nullptr;
    QString diskFolder_;
    std::unique_ptr<FaceDiskCache> disk_;
};
