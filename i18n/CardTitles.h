#pragma once

#include <array>

#include <QString>

constexpr int kCardCount = 79;

// One title per card number 0..78.
using CardTitleList = std::array<QString, kCardCount>;

// The titles of a deck with a 79th card, used in every language.
const CardTitleList& BuiltinCardTitles();
