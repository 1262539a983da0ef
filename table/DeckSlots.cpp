#include "table/DeckSlots.h"

#include <algorithm>
#include <cmath>

#include "platform/Random.h"

int RoundHalfEven(double value) {
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

void LayOutArc(DeckSlots& deck, int deckSize, bool has79thCard, int width) {
    const int n = std::clamp(deckSize, 1, kCardCount);
    // The 79th card does not widen the arc's curve.
    const int m = has79thCard && n > 1 ? n - 1 : n;
    const int step = RoundHalfEven(static_cast<double>(width - 78) / n);
    const int middle = RoundHalfEven(n * 0.5);
    for (int i = 0; i < n; ++i) {
        const double offset = i - middle + 1;
        deck[i].X = i * step + 20;
        deck[i].Y = 9 + RoundHalfEven(offset * offset * 6084.0 / (m * m * 20.0));
    }
}

void FreshOrder(DeckSlots& deck, int deckSize, bool useReverse) {
    const int n = std::clamp(deckSize, 1, kCardCount);
    Random::Randomize();
    std::array<bool, kCardCount> dealt{};
    for (int i = 0; i < n; ++i) {
        int card;
        do {
            card = Random::Below(n);
            // With 23 cards in play the 79th card stands in for the number 22.
            if (n == 23 && card == 22) card = 78;
        } while (dealt[card]);
        dealt[card] = true;
        deck[i].Number = card;
        deck[i].Reversed = useReverse && Random::Below(78) > 38;
    }
}
