#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <QThreadPool>

// Card faces decoded at table size, kept in a cache folder across runs of the program. An entry
// is found by the picture file's path, length and modification time and by the size shown, so a
// changed picture is simply not found. A damaged or foreign entry reads as missing and is
// written anew; the folder's entries stay within a bound, the oldest dropped first. Entries are
// written on a thread of their own, so storing never delays painting, and a write that fails
// (a full disk, a read-only folder) only leaves the entry out.
class FaceDiskCache {
public:
    static constexpr qint64 kDefaultBound = 200 * 1024 * 1024;

    // What tells a picture file's content apart.
    struct Picture {
        QString path;
        qint64 bytes = -1;
        QDateTime modified;
    };

    explicit FaceDiskCache(QString folder, qint64 boundBytes = kDefaultBound);
    FaceDiskCache(const FaceDiskCache&) = delete;
    FaceDiskCache& operator=(const FaceDiskCache&) = delete;
    // Waits for the entries still being written.
    ~FaceDiskCache();

    // The face of the picture at `size`; a null image when no sound entry is kept. Safe to call
    // from several threads at once.
    QImage Load(const Picture& picture, QSize size) const;
    // Keeps the face of the picture at `size`, written later on the cache's own thread.
    void Store(const Picture& picture, const QImage& face);
    // Waits until every face stored so far is written and the bound is kept.
    void Flush();

private:
    QString EntryPath(const QString& key) const;
    // Runs on the cache's thread: writes one entry, then drops the oldest while over the bound.
    void Write(const QString& key, const QImage& face);
    void KeepBound();

    QString folder_;
    qint64 bound_;
    qint64 total_ = -1;  // bytes in the folder, counted on the cache's thread; -1 until counted
    QThreadPool writer_;
};
