#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

#include "i18n/CardTitles.h"

// One position of a reading in the journal.
struct JournalCard {
    int card = 0;
    bool reversed = false;

    bool operator==(const JournalCard&) const = default;
};

// Why a reading file could not be listed in full.
enum class JournalFault { None, NotRead, Damaged, SpreadMissing };

// A reading file as the journal lists it.
struct JournalEntry {
    qint64 id = 0;
    QString path;
    QDateTime modified;  // in UTC: local time is worked out only for what is shown
    QString spreadName;  // as the file names it
    QList<JournalCard> cards;
    QString comment;
    JournalFault fault = JournalFault::None;
    QString faultDetail;  // the system's reason, or the missing spread's name
};

// What reading the files needs beside them: where they lie, where the spread files lie (the
// position count is the spread's) and the card titles of both languages for the search.
struct JournalSources {
    QString savedDir;
    QString userDir;
    QString appDir;
    QStringList spreadCatalogue;
    // Per card, its titles in every language, separated by spaces.
    CardTitleList searchTitles;
};

// The words of a search text: runs of letters and digits.
QStringList SearchWords(const QString& text);

// The journal's index: a SQLite database in the cache folder, with full-text search over
// comments, spread names and card titles. Reading files stay the record; the index is rebuilt
// from them whenever it is damaged, missing or made for other card titles. One object per
// thread: each holds its own connection.
class JournalIndex {
public:
    explicit JournalIndex(const QString& databasePath);
    ~JournalIndex();
    JournalIndex(const JournalIndex&) = delete;
    JournalIndex& operator=(const JournalIndex&) = delete;

    // Opens the database, rebuilding one that is damaged or of another layout; false with the
    // reason when no database can be made there.
    bool Open(QString* errorString = nullptr);

    // Brings the index up to date with the reading files under sources.savedDir, by path, size
    // and modification time: only new, changed and earlier unreadable files are read. progress
    // gets (done, total) now and then; a set cancel flag stops between files. False with the
    // reason when the index could not be written even after a rebuild.
    bool Update(const JournalSources& sources, const std::function<void(int, int)>& progress,
                const std::atomic_bool* cancel = nullptr, QString* errorString = nullptr);

    // Every indexed reading, newest first.
    QList<JournalEntry> Entries() const;
    // The ids of the readings whose comment, spread name or card titles hold every word of
    // `words`, each as a word's beginning, in any letter case.
    QSet<qint64> Matching(const QString& words) const;

private:
    bool Rebuild(QString* errorString);
    bool Valid() const;

    QString path_;
    QString connection_;
};
