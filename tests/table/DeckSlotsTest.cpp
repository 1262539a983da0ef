// The deck slots: the arc, the fresh order and hitting a slot's back.
#include <set>

#include <gtest/gtest.h>

#include "table/DeckSlots.h"

namespace {

TEST(DeckSlotsTest, RoundingTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(11.5), 12);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(72.2), 72);
}

TEST(DeckSlotsTest, SeventyEightCardsFormAnUnevenArcOnA1024PixelWindow) {
    DeckSlots deck{};
    LayOutArc(deck, 78, false, 1024);
    EXPECT_EQ(deck[0].X, 20);
    EXPECT_EQ(deck[1].X - deck[0].X, 12);
    EXPECT_EQ(deck[77].X, 20 + 77 * 12);
    EXPECT_EQ(deck[0].Y, 81);
    EXPECT_EQ(deck[38].Y, 9);
    EXPECT_EQ(deck[77].Y, 85);
    // Slots past the deck in play are left alone.
    EXPECT_EQ(deck[78].X, 0);
}

TEST(DeckSlotsTest, TheSeventyNinthCardDoesNotDeepenTheArc) {
    DeckSlots deck{};
    LayOutArc(deck, 79, true, 1024);
    EXPECT_EQ(deck[1].X - deck[0].X, 12);  // Round(946 / 79) = Round(11.97)
    // The middle is Round(39.5) = 40, so slot 39 lies highest; the curve divides by 78 x 78.
    EXPECT_EQ(deck[39].Y, 9);
    EXPECT_EQ(deck[0].Y, 9 + RoundHalfEven(39.0 * 39.0 / 20));
    EXPECT_EQ(deck[78].Y, 9 + RoundHalfEven(39.0 * 39.0 / 20));

    LayOutArc(deck, 23, true, 800);
    EXPECT_EQ(deck[1].X - deck[0].X, 31);  // Round(722 / 23) = Round(31.39)
    EXPECT_EQ(deck[11].Y, 9);
    EXPECT_EQ(deck[0].Y, 9 + RoundHalfEven(11.0 * 11.0 * 6084 / (22 * 22 * 20)));
}

TEST(DeckSlotsTest, AFreshOrderHoldsEveryCardInPlayOnce) {
    for (int round = 0; round < 20; ++round) {
        DeckSlots deck{};
        FreshOrder(deck, 23, false);
        std::set<int> numbers;
        for (int i = 0; i < 23; ++i) numbers.insert(deck[i].Number);
        std::set<int> expected;
        for (int n = 0; n < 22; ++n) expected.insert(n);
        expected.insert(78);
        EXPECT_EQ(numbers, expected);
        for (int i = 0; i < 23; ++i) EXPECT_FALSE(deck[i].Reversed);
    }
    DeckSlots deck{};
    FreshOrder(deck, 79, true);
    std::set<int> numbers;
    int reversed = 0;
    for (int i = 0; i < 79; ++i) {
        numbers.insert(deck[i].Number);
        reversed += deck[i].Reversed;
    }
    EXPECT_EQ(numbers.size(), 79u);
    EXPECT_EQ(*numbers.rbegin(), 78);
    // An even chance each: all 79 alike would be a fault, not luck.
    EXPECT_GT(reversed, 0);
    EXPECT_LT(reversed, 79);
}

TEST(DeckSlotsTest, ASlotIsHitOnItsBackOnlyWhileOnTheTable) {
    TCard card{5, 20, 81, 0, false};
    EXPECT_TRUE(CardHit(card, 20, 81));
    EXPECT_TRUE(CardHit(card, 77, 178));
    EXPECT_FALSE(CardHit(card, 78, 100));
    EXPECT_FALSE(CardHit(card, 30, 179));
    EXPECT_FALSE(CardHit(card, 19, 100));
    card.X = card.Y = kOffTable;
    EXPECT_FALSE(CardHit(card, -100, -100));
    EXPECT_FALSE(CardHit(card, -50, -50));
}

}  // namespace
