// Position edits of the spread editor: labels, missing texts, adding, deleting and moving
// significator positions in front of the others.
#include <QPoint>

#include <gtest/gtest.h>

#include "editor/SpreadLayout.h"
#include "spreads/SpParser.h"

namespace {

// A spread from a short notation: "S" for a significator position, any other letter for an
// ordinary one; the letter (or "S" + index) is the position's text.
TSpreadParser Spread(const QString& notation) {
    TSpreadParser spread;
    spread.ResetLayout();
    for (QChar c : notation) {
        const int i = AddPosition(spread);
        spread.PosX[i] = i;
        spread.PosText[i] = c == 'S' ? "S" + QString::number(i) : QString(c);
        if (c == 'S') SetSignificator(spread, i, true);
    }
    return spread;
}

// The texts in position order, with their labels: "S1:S0 1:a 2:b".
QString Describe(const TSpreadParser& spread) {
    QStringList parts;
    for (int i = 0; i < spread.PosCount; ++i)
        parts.append(EditorPositionLabel(spread, i) + ":" + spread.PosText[i]);
    return parts.join(' ');
}

struct EditRow {
    const char* name;
    const char* spread;
    std::function<int(TSpreadParser&)> edit;  // returns the index the edit reports
    const char* expected;
    int index;
    int significators;

    friend void PrintTo(const EditRow& row, std::ostream* os) { *os << row.name; }
};

class SpreadEditTest : public ::testing::TestWithParam<EditRow> {};

TEST_P(SpreadEditTest, KeepsSignificatorsFirstAndRenumbers) {
    const EditRow& row = GetParam();
    TSpreadParser spread = Spread(row.spread);
    EXPECT_EQ(row.edit(spread), row.index);
    EXPECT_EQ(Describe(spread), row.expected);
    EXPECT_EQ(spread.SignificatorCount, row.significators);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpreadEditTest,
    ::testing::Values(
        EditRow{"SingleSignificatorIsS1", "Sab", [](auto&) { return 0; }, "S1:S0 1:a 2:b", 0, 1},
        EditRow{"OrdinaryMadeSignificatorMovesBehindTheLast", "Sabc",
                [](auto& s) { return SetSignificator(s, 2, true); }, "S1:S0 S2:b 1:a 2:c", 1, 2},
        EditRow{"SignificatorMadeOrdinaryBecomesTheFirstOrdinary", "SSab",
                [](auto& s) { return SetSignificator(s, 0, false); }, "S1:S1 1:S0 2:a 3:b", 1, 1},
        EditRow{"UnchangedMarkStaysInPlace", "Sab",
                [](auto& s) { return SetSignificator(s, 2, false); }, "S1:S0 1:a 2:b", 2, 1},
        EditRow{"DeleteOrdinaryRenumbersTheRest", "Sabc",
                [](auto& s) {
                    DeletePosition(s, 1);
                    return s.PosCount;
                },
                "S1:S0 1:b 2:c", 3, 1},
        EditRow{"DeleteSignificator", "SSa",
                [](auto& s) {
                    DeletePosition(s, 0);
                    return s.PosCount;
                },
                "S1:S1 1:a", 2, 1},
        EditRow{"DeleteTheLast", "ab",
                [](auto& s) {
                    DeletePosition(s, 1);
                    return s.PosCount;
                },
                "1:a", 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpreadLayoutTest, AddedPositionIsReadyAndThe80thIsRefused) {
    TSpreadParser spread = Spread("ab");
    DeletePosition(spread, 1);  // leaves a used entry behind the last position
    const int i = AddPosition(spread);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(QPoint(spread.PosX[i], spread.PosY[i]), QPoint(100, 20));
    EXPECT_TRUE(spread.PosText[i].isEmpty());
    EXPECT_FALSE(spread.PosSignificator[i]);
    while (spread.PosCount < kMaxPositions) AddPosition(spread);
    EXPECT_EQ(AddPosition(spread), -1);
    EXPECT_EQ(spread.PosCount, kMaxPositions);
}

TEST(SpreadLayoutTest, PositionsWithoutTextAreNamedByTheirLabels) {
    TSpreadParser spread = Spread("Sabc");
    EXPECT_EQ(PositionsWithoutText(spread), "");
    spread.PosText[0].clear();
    spread.PosText[1].clear();
    spread.PosText[3].clear();
    EXPECT_EQ(PositionsWithoutText(spread), "S1, 1, 3");
}

TEST(SpreadLayoutTest, LineBreaksBecomeSpacesAndZeroCharactersGo) {
    const std::pair<QString, QString> rows[] = {
        {"one line", "one line"},
        {"a\r\nb", "a b"},
        {"a\rb\nc", "a b c"},
        {QString("a") + QChar(0x2029) + "b", "a b"},
        {QString("a") + QChar(0) + "b", "ab"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(SingleLineText(text), expected) << text.toStdString();
}

TEST(SpreadLayoutTest, SpreadNamesThatCannotBeUsed) {
    const std::pair<QString, SpreadNameProblem> rows[] = {
        {"My spread", SpreadNameProblem::None},    {"", SpreadNameProblem::Empty},
        {"   ", SpreadNameProblem::Empty},         {"a/b", SpreadNameProblem::NotAFileName},
        {"a\\b", SpreadNameProblem::NotAFileName}, {"..", SpreadNameProblem::NotAFileName},
    };
    for (const auto& [name, problem] : rows)
        EXPECT_EQ(CheckSpreadName(name), problem) << name.toStdString();
}

}  // namespace
