#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/WholeFile.h"

namespace {

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// A path the write may not use, in a fresh folder (root ignores permissions, so the refusals
// come from the file system itself).
struct RefusedWrite {
    const char* name;
    QString (*path)(const QString& folder);
};

TEST(WholeFileTest, WritesAllOrNothingAndSaysWhy) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.txt");
    ASSERT_TRUE(WriteWholeFile(file, "first"));
    ASSERT_TRUE(WriteWholeFile(file, "second, longer"));
    EXPECT_EQ(Content(file), "second, longer");

    const RefusedWrite refused[] = {
        {"no file name", [](const QString&) { return QString(); }},
        {"missing folder", [](const QString& f) { return f + "/none/a.txt"; }},
        {"a folder in the way", [](const QString& f) { return f; }},
        {"a file system without new files", [](const QString&) { return QString("/proc/a"); }},
    };
    // A full disk: see the tarotfile test, which meets one through the real writer.
    for (const RefusedWrite& row : refused) {
        QString error;
        EXPECT_FALSE(WriteWholeFile(row.path(dir.path()), "new", &error)) << row.name;
        EXPECT_FALSE(error.isEmpty()) << row.name;
    }
    EXPECT_EQ(Entries(dir.path()), QStringList{"a.txt"});
}

TEST(WholeFileTest, ReadsRegularFilesUpToTheBound) {
    QTemporaryDir dir;
    const QString file = dir.filePath("t.txt");
    ASSERT_TRUE(WriteWholeFile(file, "12345"));
    EXPECT_EQ(ReadRegularFile(file, 5), QByteArray("12345"));
    EXPECT_FALSE(ReadRegularFile(file, 4).has_value());
    ASSERT_TRUE(WriteWholeFile(file, {}));
    EXPECT_EQ(ReadRegularFile(file, 5), QByteArray());
    ReadFailure failure;
    EXPECT_FALSE(ReadRegularFile(dir.filePath("none"), 5, &failure).has_value());
    EXPECT_TRUE(failure.missing);
    EXPECT_FALSE(failure.reason.isEmpty());
}

TEST(WholeFileTest, AFileThatIsThereButCannotBeReadSaysWhyAndIsNotMissing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("t.txt");
    ASSERT_TRUE(WriteWholeFile(file, "12345"));
    struct Row {
        const char* name;
        QString path;
        qint64 bound;
    } rows[] = {{"too large", file, 4}, {"a folder", dir.path(), 5}};
    for (const Row& row : rows) {
        ReadFailure failure;
        EXPECT_FALSE(ReadRegularFile(row.path, row.bound, &failure).has_value()) << row.name;
        EXPECT_FALSE(failure.missing) << row.name;
        EXPECT_FALSE(failure.reason.isEmpty()) << row.name;
    }
}

}  // namespace
