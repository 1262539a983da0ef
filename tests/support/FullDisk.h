#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A 64 KiB file system of its own (tmpfs) for one test, so that writes can meet a full disk.
// Mounting needs the right to mount; mounted() says whether it worked, so a test can skip.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    // Takes every free byte with a file named "filler".
    void fill() const;
    // The names in the file system's root, sorted.
    QStringList entries() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
