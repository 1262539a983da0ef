#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The stored form of a spread: a header line with the position count, then one line per
// position ("S" for a significator, x, ",", y, ",", meaning). Every line starts with six random
// bytes and ends with CR LF, and the whole file is scrambled byte by byte.

constexpr int kMaxPositions = 79;

struct SpreadLine {
    bool significator = false;
    int x = 0;
    int y = 0;
    QString text;

    bool operator==(const SpreadLine&) const = default;
};

enum class SpreadReadStatus { Ok, Missing, Malformed };

struct SpreadContent {
    SpreadReadStatus status = SpreadReadStatus::Ok;
    int count = 0;  // the header's position count, within 0..79
    bool countRead = false;
    QList<SpreadLine> lines;  // the position lines read, at most 79
};

// Six random bytes, none of them 0, LF, CR or ",".
QByteArray RandomPrefix();

// Maps every byte except 0x00 and 0xFF to 255 - byte; its own inverse.
QByteArray ScrambleText(const QByteArray& text);

// The scrambled bytes of a spread file, with fresh prefixes (reseeds the random generator).
QByteArray EncodeSpread(int count, const QList<SpreadLine>& lines);

// Reads scrambled spread bytes. A malformed file keeps what was read before the fault;
// a count outside 0..79 or more than 79 lines are kept within 79 and reported as malformed.
SpreadContent DecodeSpread(const QByteArray& fileBytes);

// AppDir/Spreads/NAME.spread, spelt as the file that lies there: the file of that exact name,
// else one whose name differs only in letter case, else the exact name (a file yet to be made).
// Empty for a name that could leave the folder.
QString SpreadFilePath(const QString& appDir, const QString& name);
// The user's NAME.spread where userDir holds one, else the bundled one of appDir.
QString FindSpreadFile(const QString& userDir, const QString& appDir, const QString& name);

// A missing file (or an empty path) reads as Missing.
SpreadContent ReadSpreadFile(const QString& path);
// Writes the file whole or not at all; false with the reason when it could not be written.
// A text holding a CR or a zero character is refused: the file would read back short.
bool WriteSpreadFile(const QString& path, int count, const QList<SpreadLine>& lines,
                     QString* errorString = nullptr);
