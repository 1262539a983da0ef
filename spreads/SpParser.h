#pragma once

#include <array>
#include <optional>
#include <utility>

#include <QList>
#include <QString>

#include "spreads/SpreadFile.h"

class SpreadTable;

// Moves entry `from` of an array to index `to`, shifting the entries between them.
template <typename Array>
void MoveEntry(Array& array, int from, int to) {
    auto value = std::move(array[from]);
    for (int i = from; i < to; ++i) array[i] = std::move(array[i + 1]);
    for (int i = from; i > to; --i) array[i] = std::move(array[i - 1]);
    array[to] = std::move(value);
}

// A spread and the reading dealt into it: the positions with their places and meanings, the
// card lying on each, and the rules of dealing. The main window's engine drives its table
// through SpreadTable; an engine without a table (the spread editor's) only loads, saves and
// edits positions.
class TSpreadParser {
public:
    TSpreadParser();

    std::array<int, kMaxPositions> PosX{};
    std::array<int, kMaxPositions> PosY{};
    std::array<QString, kMaxPositions> PosText;
    std::array<int, kMaxPositions> PosCard{};  // -1: no card
    std::array<bool, kMaxPositions> PosReversed{};
    std::array<bool, kMaxPositions> PosSignificator{};
    int PosCount = 0;
    int SignificatorCount = 0;
    std::array<bool, kMaxPositions> PosPlaced{};  // a card lies on the position
    std::array<bool, kMaxPositions> PosFaceUp{};
    int ChosenCard = -1;  // the last card picked in the card list dialog
    bool ChosenReversed = false;

    void AttachTable(SpreadTable* table) { table_ = table; }

    // Empties the spread and its reading (places -200, no cards) and clears CardTurned.
    void ResetReading();
    // Empties the spread for editing (places 100, 20, no texts); the cards stay.
    void ResetLayout();

    // Reads a spread file into the fields; reset the engine first. Whatever the file claims, the
    // spread holds: only positions in use are significators, they come first, and
    // SignificatorCount counts them. On a malformed file what was read stays set.
    SpreadReadStatus LoadSpread(const QString& path);
    // Writes the positions 0 .. PosCount - 1 to the file, whole or not at all; false with the
    // reason when it could not be written.
    bool SaveSpread(const QString& path, QString* errorString = nullptr) const;
    // The positions in use as a spread file stores them.
    QList<SpreadLine> Lines() const;
    // Moves position `from` with its place, meaning and mark to index `to`, shifting the
    // positions between them.
    void MovePosition(int from, int to);

    // A click on position i: choose a card for an empty significator position (or any empty
    // position during manual input), turn a face-down card up, or explain a face-up card.
    void ActivatePosition(int i);
    // Lets the user pick the card of position i from the card list and deals it face up.
    void ChooseCardForPosition(int i);
    // Deals a deck slot face down to NextPosition; with every position full it becomes the
    // extra card.
    void TakeCard(int slot);
    // Shows the card of position i turned by 180 degrees.
    void PaintPositionReversed(int i);

    // The position's number on the table: "S" (the only significator), "S1", "S2" ... (one of
    // several), then 1, 2, 3 ... for the other positions.
    QString PositionNumber(int i) const;
    // The position's hint on the table.
    QString PositionHint(int i) const;
    // The prompt naming the first ordinary position: message 66, CR LF, its meaning.
    QString FirstPositionPrompt() const;
    // True when every position 0..PosCount-1 holds a card.
    bool AllPlaced() const;

private:
    bool IsPosition(int i) const { return i >= 0 && i < PosCount && i < kMaxPositions; }
    bool IsSignificator(int i) const { return i >= 0 && i < kMaxPositions && PosSignificator[i]; }
    bool CardOnSpread(int card) const;
    // The prompt naming position n as the next to receive a card; nothing when n is still a
    // significator position.
    std::optional<QString> DealPrompt(int n) const;
    int SlotCarrying(int card) const;

    SpreadTable* table_ = nullptr;
};
