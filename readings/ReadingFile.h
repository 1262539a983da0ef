#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The stored form of a reading: the plain marker "!updatedformat!", then a scrambled body of
// CR LF lines: the deck count, the spread name, one line per deck slot ("r" for a reversed
// card, then its number), one line per position (the card lying there), then the comment,
// which runs to the end of the file. Files without the marker are the older format: the same
// body without the deck count line, for 78 cards.

// The largest reading file opened: far beyond any real comment, small enough to read at once.
constexpr qint64 kMaxReadingFileSize = 16 * 1024 * 1024;

struct ReadingSlot {
    int card = 0;
    bool reversed = false;

    bool operator==(const ReadingSlot&) const = default;
};

// Everything a reading file carries. The position count is not stored: it is the position
// count of the spread named in the file.
struct ReadingRecord {
    bool marked = true;  // false for the older format
    int deckSize = 0;
    QString spreadName;
    QList<ReadingSlot> deck;  // slots 0 .. deckSize - 1
    QList<int> positions;     // the card on each position
    QString comment;          // as the file holds it: line breaks typed in the program as CR LF

    bool operator==(const ReadingRecord&) const = default;
};

// The file bytes of a reading, always in the marked format. Texts are written through the
// program's codec.
QByteArray EncodeReading(const ReadingRecord& reading);

enum class ReadingStatus { Ok, Empty, Malformed };

// What is known before the spread is looked up: the format, the deck count and the spread
// name, and the unscrambled text after the name line.
struct ReadingHead {
    ReadingStatus status = ReadingStatus::Ok;
    bool marked = false;
    int deckSize = 0;
    QString spreadName;
    QByteArray rest;
};

// Reads the head of reading file bytes. Zero bytes end the text of their 2048-byte block, as
// in every text file of the program. Empty text is Empty; a deck count that is not a decimal
// integer in 0..79, or a missing line end, is Malformed.
ReadingHead DecodeReadingHead(const QByteArray& fileBytes);

// Reads the deck lines, the positionCount position lines and the comment after the head.
// Nothing when a line end is missing or a card number is not a decimal integer in 0..78.
std::optional<ReadingRecord> DecodeReadingBody(const ReadingHead& head, int positionCount);

// The catalogue's entry for a spread name read from a file: the one spelt exactly so, else one
// that differs only in case; empty when the catalogue has none.
QString CatalogueSpreadName(const QStringList& catalogue, const QString& name);

// The position count the spread engine takes from a spread file: its header count, or 0 when
// the file is missing or its header unreadable.
int SpreadPositionCount(const QString& spreadPath);

// The number of cards in play once a reading of fileDeckSize cards is opened: the deck of the
// current settings, switched between the Major Arcana and the whole deck to follow the file.
int DeckSizeForReading(int fileDeckSize, bool majorOnly, bool has79thCard);

// True when every position's card can be dealt once the reading's deck lies in deckSize
// slots in play (slots past the file's deck carry card 78): either a slot in play carries it,
// or a slot after those in play is free to take it.
bool PositionsDealable(const ReadingRecord& reading, int deckSize);
