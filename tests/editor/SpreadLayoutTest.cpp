// Position edits of the spread editor: deleting and marking positions keep the significator
// positions in front of the others and renumber the labels.
#include <gtest/gtest.h>

#include "editor/SpreadLayout.h"
#include "spreads/SpParser.h"

namespace {

struct EditRow {
    const char* name;
    const char* spread;  // one letter per position, its text; "S" marks a significator
    char edit;           // 'S': make a significator, 'O': make ordinary, 'D': delete
    int at;
    const char* expected;  // label:text of every position after the edit
    int significators;

    friend void PrintTo(const EditRow& row, std::ostream* os) { *os << row.name; }
};

class SpreadEditTest : public ::testing::TestWithParam<EditRow> {};

TEST_P(SpreadEditTest, KeepsSignificatorsFirstAndRenumbers) {
    const EditRow& row = GetParam();
    TSpreadParser spread;
    spread.ResetLayout();
    for (const char* c = row.spread; *c; ++c) {
        const int i = AddPosition(spread);
        spread.PosText[i] = QString(*c) + QString::number(i);
        SetSignificator(spread, i, *c == 'S');
    }
    if (row.edit == 'D')
        DeletePosition(spread, row.at);
    else
        SetSignificator(spread, row.at, row.edit == 'S');

    QStringList described;
    for (int i = 0; i < spread.PosCount; ++i)
        described.append(EditorPositionLabel(spread, i) + ":" + spread.PosText[i]);
    EXPECT_EQ(described.join(' '), row.expected);
    EXPECT_EQ(spread.SignificatorCount, row.significators);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpreadEditTest,
    ::testing::Values(EditRow{"OrdinaryMadeSignificatorMovesBehindTheLast", "Sabc", 'S', 2,
                              "S1:S0 S2:b2 1:a1 2:c3", 2},
                      EditRow{"SignificatorMadeOrdinaryBecomesTheFirstOrdinary", "SSab", 'O', 0,
                              "S1:S1 1:S0 2:a2 3:b3", 1},
                      EditRow{"UnchangedMarkStaysInPlace", "Sab", 'O', 2, "S1:S0 1:a1 2:b2", 1},
                      EditRow{"DeleteOrdinaryRenumbersTheRest", "Sabc", 'D', 1, "S1:S0 1:b2 2:c3",
                              1},
                      EditRow{"DeleteSignificator", "SSa", 'D', 0, "S1:S1 1:a2", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
