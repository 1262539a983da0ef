#include "table/FaceDiskCache.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstring>

#include "platform/WholeFile.h"

namespace {

constexpr char kMagic[] = "LFFACE1";
// Far above a card at any table size; a larger entry is not read.
constexpr int kMaxSide = 4096;
constexpr qint64 kMaxEntryBytes = 4LL * kMaxSide * kMaxSide + 4096;

QString KeyOf(const FaceDiskCache::Picture& picture, QSize size) {
    return QStringLiteral("%1\n%2\n%3\n%4x%5")
        .arg(QFileInfo(picture.path).absoluteFilePath())
        .arg(picture.bytes)
        .arg(picture.modified.toMSecsSinceEpoch())
        .arg(size.width())
        .arg(size.height());
}

// Pixels are kept as they are in memory, so reading an entry is a copy, not a decode.
QImage::Format StoredFormat(QImage::Format format) {
    return format == QImage::Format_ARGB32_Premultiplied ? format : QImage::Format_RGB32;
}

quint64 Checksum(const uchar* data, qsizetype length) {
    return qHash(QByteArrayView(data, length), 0);
}

QByteArray Encode(const QString& key, const QImage& source) {
    const QImage face = source.convertToFormat(StoredFormat(source.format()));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.writeRawData(kMagic, sizeof kMagic);
    out << key << qint32(face.width()) << qint32(face.height()) << qint32(face.format())
        << Checksum(face.constBits(), face.sizeInBytes());
    out.writeRawData(reinterpret_cast<const char*>(face.constBits()), int(face.sizeInBytes()));
    return bytes;
}

// The face in an entry; a null image for anything but a whole entry of this key.
QImage Decode(const QByteArray& bytes, const QString& key) {
    QDataStream in(bytes);
    char magic[sizeof kMagic] = {};
    QString stored;
    qint32 width = 0, height = 0, format = 0;
    quint64 checksum = 0;
    if (in.readRawData(magic, sizeof magic) != int(sizeof magic) ||
        memcmp(magic, kMagic, sizeof magic) != 0)
        return {};
    in >> stored >> width >> height >> format >> checksum;
    if (in.status() != QDataStream::Ok || stored != key || width <= 0 || height <= 0 ||
        width > kMaxSide || height > kMaxSide ||
        StoredFormat(QImage::Format(format)) != QImage::Format(format))
        return {};
    QImage face(width, height, QImage::Format(format));
    if (face.isNull() || in.device()->bytesAvailable() != face.sizeInBytes()) return {};
    in.readRawData(reinterpret_cast<char*>(face.bits()), int(face.sizeInBytes()));
    if (Checksum(face.constBits(), face.sizeInBytes()) != checksum) return {};
    return face;
}

}  // namespace

FaceDiskCache::FaceDiskCache(QString folder, qint64 boundBytes)
    : folder_(std::move(folder)), bound_(boundBytes) {
    writer_.setMaxThreadCount(1);
}

FaceDiskCache::~FaceDiskCache() { writer_.waitForDone(); }

QString FaceDiskCache::EntryPath(const QString& key) const {
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1);
    return folder_ + "/" + QString::fromLatin1(hash.toHex()) + ".face";
}

QImage FaceDiskCache::Load(const Picture& picture, QSize size) const {
    const QString key = KeyOf(picture, size);
    const std::optional<QByteArray> bytes = ReadRegularFile(EntryPath(key), kMaxEntryBytes);
    if (!bytes) return {};
    QImage face = Decode(*bytes, key);
    return face.size() == size ? face : QImage();
}

void FaceDiskCache::Store(const Picture& picture, const QImage& face) {
    if (face.isNull()) return;
    const QString key = KeyOf(picture, face.size());
    writer_.start([this, key, face] { Write(key, face); });
}

void FaceDiskCache::Flush() { writer_.waitForDone(); }

void FaceDiskCache::Write(const QString& key, const QImage& face) {
    if (!QDir().mkpath(folder_)) return;
    const QString path = EntryPath(key);
    const qint64 before = QFileInfo(path).size();
    const QByteArray bytes = Encode(key, face);
    // A failed write leaves the old entry whole, or none: the face is decoded again next time.
    if (!WriteWholeFile(path, bytes)) return;
    if (total_ >= 0) total_ += bytes.size() - before;
    KeepBound();
}

void FaceDiskCache::KeepBound() {
    if (total_ >= 0 && total_ <= bound_) return;
    QFileInfoList entries =
        QDir(folder_).entryInfoList({"*.face"}, QDir::Files | QDir::NoDotAndDotDot);
    total_ = 0;
    for (const QFileInfo& entry : entries) total_ += entry.size();
    if (total_ <= bound_) return;
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    // Down to nine tenths of the bound, so the folder is not listed again at the next write.
    for (const QFileInfo& entry : entries) {
        if (total_ <= bound_ / 10 * 9) break;
        if (QFile::remove(entry.filePath())) total_ -= entry.size();
    }
}
