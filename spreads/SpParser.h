#pragma once

#include <array>

#include <QString>

#include "spreads/SpreadFile.h"

// A spread and the reading dealt into it.
class TSpreadParser {
public:
    int PosCount = 0;
    int SignificatorCount = 0;
    std::array<bool, kMaxPositions> PosSignificator{};
    std::array<int, kMaxPositions> PosX{};
    std::array<int, kMaxPositions> PosY{};
    std::array<QString, kMaxPositions> PosText;

    // Reads a spread file into the fields. Loading only adds to the significator count and the
    // position fields, so reset the engine first. On a malformed file what was read stays set.
    SpreadReadStatus LoadSpread(const QString& path);
    // Writes the positions 0 .. PosCount - 1 to the file, whole or not at all.
    bool SaveSpread(const QString& path) const;
};
