// Position edits of the spread editor: deleting and marking positions keep the significator
// positions in front of the others and renumber the labels; a new position covers no other.
#include <gtest/gtest.h>

#include "editor/SpreadLayout.h"
#include "spreads/SpParser.h"
#include "support/RowName.h"

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
        const int i = spread.AddPosition({100, 20});
        spread.SetPosText(i, QString(*c) + QString::number(i));
        spread.SetSignificator(i, *c == 'S');
    }
    if (row.edit == 'D')
        spread.DeletePosition(row.at);
    else
        spread.SetSignificator(row.at, row.edit == 'S');

    QStringList described;
    for (int i = 0; i < spread.PosCount(); ++i)
        described.append(EditorPositionLabel(spread, i) + ":" + spread.PosText(i));
    EXPECT_EQ(described.join(' '), row.expected);
    EXPECT_EQ(spread.SignificatorCount(), row.significators);
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
    RowName());

struct PlaceRow {
    const char* name;
    QList<QPoint> taken;  // the places of the positions already there
    QSize field;
    QPoint expected;

    friend void PrintTo(const PlaceRow& row, std::ostream* os) { *os << row.name; }
};

class NewPositionPlaceTest : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(NewPositionPlaceTest, CoversNoOtherWhereTheFieldAllows) {
    const PlaceRow& row = GetParam();
    TSpreadParser spread;
    spread.ResetLayout();
    for (const QPoint place : row.taken) spread.AddPosition(place);
    EXPECT_EQ(NewPositionPlace(spread, {87, 148}, row.field), row.expected);
}

QList<QPoint> Row(int count) {
    QList<QPoint> places;
    for (int i = 0; i < count; ++i) places.append({100 + 97 * i, 20});
    return places;
}

const QSize kField(874, 549);

INSTANTIATE_TEST_SUITE_P(
    Rows, NewPositionPlaceTest,
    ::testing::Values(
        PlaceRow{"FirstTakesTheUsualSpot", {}, kField, {100, 20}},
        PlaceRow{"UsualSpotWhileItIsFree", {{300, 300}}, kField, {100, 20}},
        PlaceRow{"BesideThePositionNearestTheTop", Row(3), kField, {391, 20}},
        PlaceRow{"BelowWhenTheRowIsFull", Row(8), kField, {100, 178}},
        PlaceRow{"AnyFreePlaceWhenNothingBesideIsFree", {{0, 0}, {180, 0}}, {267, 148}, {88, 0}},
        PlaceRow{"LeastCoveredInAFullField", {{0, 0}, {100, 0}}, {190, 148}, {16, 0}},
        PlaceRow{"UsualSpotInAFieldTooSmall", {{100, 20}}, {50, 50}, {100, 20}}),
    RowName());

}  // namespace
