#include "readings/JournalIndex.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/WholeFile.h"
#include "readings/ReadingFile.h"
#include "spreads/SpreadFile.h"

namespace {

// Raised whenever the tables change; an index of another layout is rebuilt.
constexpr int kLayout = 1;

std::atomic_int connectionCount{0};

const char* const kSchema[] = {
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT)",
    "CREATE TABLE readings(id INTEGER PRIMARY KEY, path TEXT UNIQUE, size INTEGER, "
    "modified INTEGER, spread TEXT, cards TEXT, comment TEXT, fault INTEGER, detail TEXT)",
    "CREATE VIRTUAL TABLE search USING fts5(comment, spread, titles, "
    "tokenize = 'unicode61 remove_diacritics 2')",
};

// "r12 3 40": the cards on the positions, "r" before a reversed one.
QString CardsText(const QList<JournalCard>& cards) {
    QStringList parts;
    for (const JournalCard& card : cards)
        parts.append((card.reversed ? "r" : "") + QString::number(card.card));
    return parts.join(' ');
}

QList<JournalCard> CardsFrom(const QString& text) {
    QList<JournalCard> cards;
    for (QString part : text.split(' ', Qt::SkipEmptyParts)) {
        JournalCard card;
        card.reversed = part.startsWith('r');
        if (card.reversed) part.remove(0, 1);
        card.card = part.toInt();
        cards.append(card);
    }
    return cards;
}

// What decides whether a file is read again.
struct Stamp {
    qint64 id = 0;
    qint64 size = -1;
    qint64 modified = -1;
    bool faulty = false;
};

struct FoundFile {
    QString path;
    qint64 size = 0;
    qint64 modified = 0;
};

// Reads one reading file through the reader that opens readings on the table. Position
// counts are looked up once per spread.
class EntryReader {
public:
    explicit EntryReader(const JournalSources& sources) : sources_(sources) {}

    JournalEntry read(const FoundFile& file) {
        JournalEntry entry;
        entry.path = file.path;
        entry.modified = QDateTime::fromMSecsSinceEpoch(file.modified, QTimeZone::utc());
        ReadFailure failure;
        const std::optional<QByteArray> bytes =
            ReadRegularFile(file.path, kMaxReadingFileSize, &failure);
        if (!bytes) return Faulty(entry, JournalFault::NotRead, failure.reason);
        const ReadingHead head = DecodeReadingHead(*bytes);
        if (head.status != ReadingStatus::Ok) return Faulty(entry, JournalFault::Damaged);
        entry.spreadName = head.spreadName;
        const QString spread = CatalogueSpreadName(sources_.spreadCatalogue, head.spreadName);
        if (spread.isEmpty()) return Faulty(entry, JournalFault::SpreadMissing, head.spreadName);
        const std::optional<ReadingRecord> reading = DecodeReadingBody(head, positionCount(spread));
        if (!reading) return Faulty(entry, JournalFault::Damaged);
        for (int card : reading->positions) {
            // A position's card lies as its deck slot does.
            bool reversed = false;
            for (const ReadingSlot& slot : reading->deck)
                if (slot.card == card) {
                    reversed = slot.reversed;
                    break;
                }
            entry.cards.append({card, reversed});
        }
        entry.comment = reading->comment;
        return entry;
    }

private:
    static JournalEntry Faulty(JournalEntry entry, JournalFault fault, const QString& detail = {}) {
        entry.fault = fault;
        entry.faultDetail = detail;
        return entry;
    }

    int positionCount(const QString& spread) {
        auto found = counts_.find(spread);
        if (found == counts_.end())
            found = counts_.insert(spread, SpreadPositionCount(FindSpreadFile(
                                               sources_.userDir, sources_.appDir, spread)));
        return *found;
    }

    const JournalSources& sources_;
    QHash<QString, int> counts_;
};

QString TitlesKey(const CardTitleList& titles) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& title : titles) hash.addData((title + '\n').toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

QString SearchTitles(const JournalEntry& entry, const CardTitleList& titles) {
    QStringList parts;
    for (const JournalCard& card : entry.cards)
        if (card.card >= 0 && card.card < kCardCount) parts.append(titles[card.card]);
    return parts.join(' ');
}

bool Exec(QSqlQuery& query, QString* errorString) {
    if (query.exec()) return true;
    if (errorString) *errorString = query.lastError().text();
    return false;
}

bool Exec(const QSqlDatabase& db, const QString& statement, QString* errorString) {
    QSqlQuery query(db);
    query.prepare(statement);
    return Exec(query, errorString);
}

// Adds the reading files of the folder `name` in the open folder parentFd, and of its
// subfolders, with one stat per file made relative to its folder: no path is walked again for
// each of ten thousand files. Links to folders are not followed, so no loop can trap the walk.
void FindReadingFilesIn(int parentFd, const QByteArray& name, const QString& path,
                        QList<FoundFile>& files) {
    const int fd =
        openat(parentFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        if (entryName == "." || entryName == "..") continue;
        struct stat info {};
        bool folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN)
            folder = fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                     S_ISDIR(info.st_mode);
        const QString entryPath = path + '/' + QFile::decodeName(entryName);
        if (folder) {
            FindReadingFilesIn(fd, entryName, entryPath, files);
            continue;
        }
        // As the open dialog's filter: the extension in any letter case; a link to a file counts.
        if (!entryName.toLower().endsWith(".reading") ||
            fstatat(fd, entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        files.append({entryPath, info.st_size,
                      qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000});
    }
    closedir(dir);
}

QList<FoundFile> FindReadingFiles(const QString& savedDir) {
    QList<FoundFile> files;
    FindReadingFilesIn(AT_FDCWD, QFile::encodeName(savedDir), savedDir, files);
    return files;
}

// One pass of bringing the index up to date; false with the reason on any database failure.
bool UpdateOnce(const QSqlDatabase& db, const JournalSources& sources,
                const std::function<void(int, int)>& progress, const std::atomic_bool* cancel,
                QString* errorString) {
    const QString titlesKey = TitlesKey(sources.searchTitles);
    QSqlQuery meta(db);
    meta.prepare("SELECT value FROM meta WHERE key = 'titles'");
    if (!Exec(meta, errorString)) return false;
    // The search text holds card titles: other titles (another deck or numbering) read anew.
    const bool sameTitles = meta.next() && meta.value(0).toString() == titlesKey;

    QHash<QString, Stamp> known;
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    rows.prepare("SELECT id, path, size, modified, fault FROM readings");
    if (!Exec(rows, errorString)) return false;
    while (rows.next())
        known.insert(rows.value(1).toString(),
                     {rows.value(0).toLongLong(), rows.value(2).toLongLong(),
                      rows.value(3).toLongLong(), rows.value(4).toInt() != 0});

    QList<FoundFile> toRead;
    QList<qint64> removed;
    for (const FoundFile& file : FindReadingFiles(sources.savedDir)) {
        const auto found = known.constFind(file.path);
        if (found == known.constEnd()) {
            toRead.append(file);
            continue;
        }
        const Stamp stamp = *found;
        known.erase(found);
        // Unreadable files are tried again: their spread may have been installed since.
        if (sameTitles && !stamp.faulty && stamp.size == file.size &&
            stamp.modified == file.modified)
            continue;
        toRead.append(file);
        removed.append(stamp.id);
    }
    // Rows left without a file: the file is gone.
    for (const Stamp& stamp : std::as_const(known)) removed.append(stamp.id);

    EntryReader reader(sources);
    QList<JournalEntry> read;
    read.reserve(toRead.size());
    for (const FoundFile& file : toRead) {
        if (cancel && cancel->load()) return true;
        read.append(reader.read(file));
        if (progress && (read.size() % 64 == 0 || read.size() == toRead.size()))
            progress(static_cast<int>(read.size()), static_cast<int>(toRead.size()));
    }
    if (removed.isEmpty() && read.isEmpty() && sameTitles) return true;

    QSqlDatabase writer = db;
    if (!writer.transaction()) {
        if (errorString) *errorString = writer.lastError().text();
        return false;
    }
    const auto fail = [&writer] {
        writer.rollback();
        return false;
    };
    QSqlQuery drop(db), dropText(db);
    drop.prepare("DELETE FROM readings WHERE id = ?");
    dropText.prepare("DELETE FROM search WHERE rowid = ?");
    for (qint64 id : removed) {
        drop.bindValue(0, id);
        dropText.bindValue(0, id);
        if (!Exec(drop, errorString) || !Exec(dropText, errorString)) return fail();
    }
    QSqlQuery insert(db), insertText(db);
    insert.prepare(
        "INSERT INTO readings(path, size, modified, spread, cards, comment, fault, detail) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    insertText.prepare("INSERT INTO search(rowid, comment, spread, titles) VALUES(?, ?, ?, ?)");
    for (int i = 0; i < read.size(); ++i) {
        const JournalEntry& entry = read[i];
        const QVariantList values = {entry.path,
                                     toRead[i].size,
                                     toRead[i].modified,
                                     entry.spreadName,
                                     CardsText(entry.cards),
                                     entry.comment,
                                     static_cast<int>(entry.fault),
                                     entry.faultDetail};
        for (int v = 0; v < values.size(); ++v) insert.bindValue(v, values[v]);
        if (!Exec(insert, errorString)) return fail();
        insertText.bindValue(0, insert.lastInsertId());
        insertText.bindValue(1, entry.comment);
        insertText.bindValue(2, entry.spreadName);
        insertText.bindValue(3, SearchTitles(entry, sources.searchTitles));
        if (!Exec(insertText, errorString)) return fail();
    }
    QSqlQuery key(db);
    key.prepare("INSERT OR REPLACE INTO meta(key, value) VALUES('titles', ?)");
    key.bindValue(0, titlesKey);
    if (!Exec(key, errorString)) return fail();
    if (!writer.commit()) {
        if (errorString) *errorString = writer.lastError().text();
        return fail();
    }
    return true;
}

}  // namespace

QStringList SearchWords(const QString& text) {
    static const QRegularExpression word(R"([\p{L}\p{N}]+)");
    QStringList words;
    for (const QRegularExpressionMatch& match : word.globalMatch(text))
        words.append(match.captured());
    return words;
}

JournalIndex::JournalIndex(const QString& databasePath)
    : path_(databasePath), connection_(QString("journal-%1").arg(++connectionCount)) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
}

JournalIndex::~JournalIndex() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool JournalIndex::Open(QString* errorString) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.open() && Valid()) return true;
    return Rebuild(errorString);
}

bool JournalIndex::Valid() const {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery layout(db);
    layout.prepare("SELECT value FROM meta WHERE key = 'layout'");
    return layout.exec() && layout.next() && layout.value(0).toInt() == kLayout &&
           Exec(db, "SELECT count(*) FROM search", nullptr);
}

bool JournalIndex::Rebuild(QString* errorString) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    db.close();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(path_ + suffix);
    if (!db.open()) {
        if (errorString) *errorString = db.lastError().text();
        return false;
    }
    Exec(db, "PRAGMA journal_mode = WAL", nullptr);
    for (const char* statement : kSchema)
        if (!Exec(db, statement, errorString)) return false;
    QSqlQuery layout(db);
    layout.prepare("INSERT INTO meta(key, value) VALUES('layout', ?)");
    layout.bindValue(0, kLayout);
    return Exec(layout, errorString);
}

bool JournalIndex::Update(const JournalSources& sources,
                          const std::function<void(int, int)>& progress,
                          const std::atomic_bool* cancel, QString* errorString) {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (UpdateOnce(db, sources, progress, cancel, errorString)) return true;
    // A damaged index is made anew from the files.
    return Rebuild(errorString) && UpdateOnce(db, sources, progress, cancel, errorString);
}

QList<JournalEntry> JournalIndex::Entries() const {
    QList<JournalEntry> entries;
    QSqlQuery rows(QSqlDatabase::database(connection_, false));
    rows.setForwardOnly(true);
    if (!rows.exec("SELECT id, path, modified, spread, cards, comment, fault, detail "
                   "FROM readings ORDER BY modified DESC, path"))
        return entries;
    while (rows.next()) {
        JournalEntry entry;
        entry.id = rows.value(0).toLongLong();
        entry.path = rows.value(1).toString();
        entry.modified =
            QDateTime::fromMSecsSinceEpoch(rows.value(2).toLongLong(), QTimeZone::utc());
        entry.spreadName = rows.value(3).toString();
        entry.cards = CardsFrom(rows.value(4).toString());
        entry.comment = rows.value(5).toString();
        entry.fault = static_cast<JournalFault>(rows.value(6).toInt());
        entry.faultDetail = rows.value(7).toString();
        entries.append(entry);
    }
    return entries;
}

QSet<qint64> JournalIndex::Matching(const QString& words) const {
    QStringList terms;
    for (const QString& word : SearchWords(words))
        terms.append('"' + QString(word).replace('"', "\"\"") + "\"*");
    QSet<qint64> ids;
    if (terms.isEmpty()) return ids;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare("SELECT rowid FROM search WHERE search MATCH ?");
    query.addBindValue(terms.join(' '));
    if (!query.exec()) return ids;
    while (query.next()) ids.insert(query.value(0).toLongLong());
    return ids;
}
