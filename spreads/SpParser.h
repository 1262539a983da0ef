#pragma once

#include <array>
#include <optional>
#include <utility>

#include <QList>
#include <QPoint>
#include <QString>

#include "spreads/SpreadFile.h"

class SpreadTable;

// Where a new or emptied position waits in the editor.
constexpr int kNewPositionX = 100;
constexpr int kNewPositionY = 20;

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

    // The positions in use and how many of them, from the first, are significators.
    int PosCount() const { return posCount_; }
    int SignificatorCount() const { return significatorCount_; }
    // Position i's place, meaning and mark; any i below kMaxPositions.
    int PosX(int i) const { return posX_[i]; }
    int PosY(int i) const { return posY_[i]; }
    const QString& PosText(int i) const { return posText_[i]; }
    bool PosSignificator(int i) const { return posSignificator_[i]; }
    // The card on position i (-1: none), its orientation, whether it was dealt and turned up.
    int PosCard(int i) const { return posCard_[i]; }
    bool PosReversed(int i) const { return posReversed_[i]; }
    bool PosPlaced(int i) const { return posPlaced_[i]; }
    bool PosFaceUp(int i) const { return posFaceUp_[i]; }

    void AttachTable(SpreadTable* table) { table_ = table; }

    // Empties the spread and its reading (places -200, no cards) and clears CardTurned.
    void ResetReading();
    // Empties the spread for editing (places 100, 20, no texts); the cards stay.
    void ResetLayout();

    // Reads a spread file into the fields; reset the engine first. On a malformed file what was
    // read stays set.
    SpreadReadStatus LoadSpread(const QString& path);
    // Takes the positions of a spread from its lines, as a spread file holds them.
    void SetLines(const QList<SpreadLine>& lines);
    // Writes the positions 0 .. PosCount - 1 to the file, whole or not at all; false with the
    // reason when it could not be written.
    bool SaveSpread(const QString& path, QString* errorString = nullptr) const;
    // The positions in use as a spread file stores them.
    QList<SpreadLine> Lines() const;

    // Editing. Adds an ordinary position without meaning at a place; -1 when the spread is
    // full.
    int AddPosition(QPoint place);
    // Removes position i; the later ones move up.
    void DeletePosition(int i);
    void SetPosPlace(int i, QPoint place);
    void SetPosText(int i, const QString& text);
    // Marks or unmarks position i as a significator and moves it to the end of the
    // significators or the start of the other positions; returns its new index.
    int SetSignificator(int i, bool significator);
    // A click on position i: choose a card for an empty significator position (or any empty
    // position during manual input), turn a face-down card up, or explain a face-up card.
    void ActivatePosition(int i);
    // Lets the user pick the card of position i from the card list and deals it face up.
    void ChooseCardForPosition(int i);
    // Lays a card on position i without a table, as a reading read from elsewhere holds it.
    void LayCard(int i, int card, bool reversed, bool faceUp);
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
    bool IsPosition(int i) const { return i >= 0 && i < posCount_ && i < kMaxPositions; }
    bool IsSignificator(int i) const { return i >= 0 && i < kMaxPositions && posSignificator_[i]; }
    bool CardOnSpread(int card) const;
    // Keeps the loaded spread whole: only positions in use are significators, they come first,
    // and SignificatorCount counts them.
    void NormaliseSignificators();
    // Moves position `from` with its place, meaning and mark to index `to`, shifting the
    // positions between them.
    void MovePosition(int from, int to);
    // The prompt naming position n as the next to receive a card; nothing when n is still a
    // significator position.
    std::optional<QString> DealPrompt(int n) const;
    int SlotCarrying(int card) const;

    std::array<int, kMaxPositions> posX_{};
    std::array<int, kMaxPositions> posY_{};
    std::array<QString, kMaxPositions> posText_;
    std::array<int, kMaxPositions> posCard_{};
    std::array<bool, kMaxPositions> posReversed_{};
    std::array<bool, kMaxPositions> posSignificator_{};
    int posCount_ = 0;
    int significatorCount_ = 0;
    std::array<bool, kMaxPositions> posPlaced_{};
    std::array<bool, kMaxPositions> posFaceUp_{};
    SpreadTable* table_ = nullptr;
};
