#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program directory for one test, removed afterwards.
class TestAppDir {
public:
    TestAppDir();

    QString path() const { return dir_.path(); }
    // The full path of the program file inside it.
    QString programPath() const { return path() + "/tarot"; }
    // Writes a file under the directory, creating its folders.
    void write(const QString& relativePath, const QByteArray& bytes) const;
    // Links a folder of the bundled data (for example "Langs") into the directory.
    void linkBundled(const QString& folder) const;

private:
    QTemporaryDir dir_;
};
