#include "table/FaceCache.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

#include "decks/CardFace.h"
#include "decks/JpegDecoder.h"
#include "platform/ProgramPlaces.h"

namespace {

// More faces than two sizes of a whole deck means sizes come and go: start afresh.
constexpr size_t kMaxKept = 2 * 80;

}  // namespace

FaceCache::~FaceCache() { decoding_.waitForFinished(); }

void FaceCache::UseCacheOf(const ProgramPlaces& places) { places_ = &places; }

FaceDiskCache* FaceCache::Disk() {
    const QString folder =
        places_ && !places_->Cache().isEmpty() ? places_->Cache() + "/Faces" : QString();
    if (folder != diskFolder_) {
        diskFolder_ = folder;
        disk_.reset();
        if (!folder.isEmpty()) disk_ = std::make_unique<FaceDiskCache>(folder);
    }
    return disk_.get();
}

QImage FaceCache::Read(const FaceDiskCache* disk, const QString& path, const Stamp& stamp,
                       QSize size, bool* decoded) {
    const FaceDiskCache::Picture picture{path, stamp.bytes, stamp.modified};
    if (disk) {
        QImage face = disk->Load(picture, size);
        *decoded = face.isNull();
        if (!face.isNull()) return face;
    }
    *decoded = true;
    return DecodeJpeg(path, size);
}

QImage FaceCache::Face(const QString& deckDirectory, int card, QSize size, bool reversed) {
    FinishPrefetch();
    UseDirectory(deckDirectory);
    const QString path = CardFacePath(deckDirectory, card);
    const std::optional<Stamp> stamp = StampOf(path);
    if (!stamp) return LoadCardFace(path, size, reversed);
    if (const QImage* kept = Find(card, size, *stamp)) return reversed ? TurnedOver(*kept) : *kept;
    bool decoded = false;
    FaceDiskCache* disk = Disk();
    const QImage face = Read(disk, path, *stamp, size, &decoded);
    Keep(card, size, *stamp, face);
    if (decoded && disk) disk->Store({path, stamp->bytes, stamp->modified}, face);
    return reversed && !face.isNull() ? TurnedOver(face) : face;
}

void FaceCache::Prefetch(const QString& deckDirectory, const QList<int>& cards, QSize size) {
    FinishPrefetch();
    UseDirectory(deckDirectory);
    for (int card : cards) {
        const QString path = CardFacePath(deckDirectory, card);
        const std::optional<Stamp> stamp = StampOf(path);
        const bool queued = std::any_of(jobs_.begin(), jobs_.end(),
                                        [card](const Job& job) { return job.card == card; });
        if (stamp && !queued && !Find(card, size, *stamp))
            jobs_.append({card, size, *stamp, path, {}});
    }
    if (!jobs_.isEmpty())
        decoding_ = QtConcurrent::map(jobs_, [disk = Disk()](Job& job) {
            job.face = Read(disk, job.path, job.stamp, job.size, &job.decoded);
        });
}

QImage FaceCache::Drawn(const QString& name, int version, QSize size,
                        const std::function<QImage()>& draw) {
    // Kept as the picture of a file that is never on disk, its length the drawing's version.
    const FaceDiskCache::Picture picture{":/drawn/" + name, version,
                                         QDateTime::fromMSecsSinceEpoch(0, Qt::UTC)};
    FaceDiskCache* disk = Disk();
    if (disk)
        if (QImage kept = disk->Load(picture, size); !kept.isNull()) return kept;
    const QImage drawn = draw();
    if (disk) disk->Store(picture, drawn);
    return drawn;
}

void FaceCache::FinishPrefetch() {
    if (jobs_.isEmpty()) return;
    decoding_.waitForFinished();
    for (const Job& job : jobs_) {
        Keep(job.card, job.size, job.stamp, job.face);
        if (job.decoded && disk_)
            disk_->Store({job.path, job.stamp.bytes, job.stamp.modified}, job.face);
    }
    jobs_.clear();
}

void FaceCache::UseDirectory(const QString& deckDirectory) {
    if (deckDirectory == directory_) return;
    faces_.clear();
    directory_ = deckDirectory;
}

std::optional<FaceCache::Stamp> FaceCache::StampOf(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    return Stamp{info.size(), info.lastModified()};
}

const QImage* FaceCache::Find(int card, QSize size, const Stamp& stamp) const {
    const auto kept = faces_.find({card, size.width(), size.height()});
    return kept != faces_.end() && kept->second.stamp == stamp ? &kept->second.face : nullptr;
}

void FaceCache::Keep(int card, QSize size, const Stamp& stamp, const QImage& face) {
    if (face.isNull()) return;
    if (faces_.size() >= kMaxKept) faces_.clear();
    faces_[{card, size.width(), size.height()}] = {stamp, face};
}
