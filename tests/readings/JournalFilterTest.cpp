// Which readings the journal's filters let through.
#include <gtest/gtest.h>

#include "readings/JournalModel.h"
#include "support/RowName.h"

namespace {

struct FilterRow {
    const char* name;
    JournalFilter filter;
    bool passes;
};

// A "Question" reading of 5 January 2026 holding The Fool upright and card 40 reversed.
JournalEntry Reading() {
    JournalEntry entry;
    entry.spreadName = "Question";
    entry.modified = QDateTime(QDate(2026, 1, 5), QTime(23, 59));
    entry.cards = {{0, false}, {40, true}};
    return entry;
}

class JournalFilterTest : public ::testing::TestWithParam<FilterRow> {};

TEST_P(JournalFilterTest, Passes) {
    EXPECT_EQ(GetParam().filter.Passes(Reading()), GetParam().passes);
}

const QDate kDay(2026, 1, 5);

INSTANTIATE_TEST_SUITE_P(
    Rows, JournalFilterTest,
    // card, reversed only, spread, from, to
    ::testing::Values(FilterRow{"Nothing", {-1, false, {}, {}, {}}, true},
                      FilterRow{"HeldCard", {0, false, {}, {}, {}}, true},
                      FilterRow{"MissingCard", {1, false, {}, {}, {}}, false},
                      FilterRow{"HeldCardReversed", {40, true, {}, {}, {}}, true},
                      FilterRow{"UprightCardReversedOnly", {0, true, {}, {}, {}}, false},
                      FilterRow{"AnyCardReversed", {-1, true, {}, {}, {}}, true},
                      FilterRow{"SpreadAnyCase", {-1, false, "question", {}, {}}, true},
                      FilterRow{"OtherSpread", {-1, false, "Three", {}, {}}, false},
                      FilterRow{"LastDayIncluded", {-1, false, {}, kDay.addDays(-3), kDay}, true},
                      FilterRow{"FirstDayIncluded", {-1, false, {}, kDay, {}}, true},
                      FilterRow{"AfterTheRange", {-1, false, {}, {}, kDay.addDays(-1)}, false},
                      FilterRow{"BeforeTheRange", {-1, false, {}, kDay.addDays(1), {}}, false}),
    RowName());

}  // namespace
