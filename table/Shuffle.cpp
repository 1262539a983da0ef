#include "table/Shuffle.h"

#include <algorithm>
#include <cmath>

#include "platform/Random.h"

namespace {

constexpr int kPileLeftOffset = 77;
constexpr int kPileTopOffset = 164;
constexpr QSize kPileSize(183, 264);

}  // namespace

void ShuffleFrame(DeckSlots& deck, int deckSize, int k, bool useReverse) {
    const long swaps = static_cast<long>(k + 1) * (k + 1);
    Random::Burst random;
    for (long i = 0; i < swaps; ++i) {
        const int a = random.Below(deckSize);
        const int b = random.Below(deckSize);
        std::swap(deck[a].Number, deck[b].Number);
        if (useReverse) {
            const int r = random.Below(78);
            deck[random.Below(deckSize)].Reversed = r > 38;
        }
    }
}

int ShuffleStrength(bool useReverse) { return useReverse ? 350 : 500; }

QPoint ShuffleTrailPoint(QSize window, double angle) {
    const int cx = window.width() / 2 - 55;
    const int cy = window.height() / 2 - 135;
    return {cx + RoundHalfEven(std::cos(angle) * 65), cy + RoundHalfEven(std::sin(angle) * 55)};
}

QRect PileRect(QSize window) {
    return {QPoint(window.width() / 2 - kPileLeftOffset, window.height() / 2 - kPileTopOffset),
            kPileSize};
}

int CutDepth(int x, QSize window, int deckSize) {
    return (x - PileRect(window).left()) * deckSize / 196 + 1;
}

void CutInThreePiles(DeckSlots& deck, int deckSize, int k) {
    k = std::clamp(k, 1, deckSize - 1);
    const int p2 = (deckSize - k + 1) / 2;
    const int p3 = deckSize - k - p2;
    std::array<int, kCardCount> numbers{};
    for (int i = 0; i < deckSize; ++i) numbers[i] = deck[i].Number;
    int slot = 0;
    for (int i = k + p2; i < deckSize; ++i) deck[slot++].Number = numbers[i];  // P3
    for (int i = k; i < k + p2; ++i) deck[slot++].Number = numbers[i];         // P2
    for (int i = 0; i < k; ++i) deck[slot++].Number = numbers[i];              // P1
    Q_ASSERT(slot == deckSize && p3 >= 0);
}

QList<int> MoveSignificatorsToEnds(DeckSlots& deck, int deckSize, const QList<int>& cards) {
    QList<int> taken;
    int fromLeft = 0;
    int fromRight = deckSize - 1;
    for (int i = 0; i < cards.size(); ++i) {
        const int target = i % 2 == 0 ? fromLeft++ : fromRight--;
        for (int s = 0; s < deckSize; ++s) {
            if (deck[s].Number != cards[i]) continue;
            std::swap(deck[s].Number, deck[target].Number);
            taken.append(target);
            break;
        }
    }
    return taken;
}

int DrawFreeCard(int deckSize, const std::function<bool(int card)>& liesOnPosition) {
    const auto cardOf = [deckSize](int n) { return deckSize == 23 && n == 22 ? 78 : n; };
    bool anyFree = false;
    for (int n = 0; n < deckSize && !anyFree; ++n) anyFree = !liesOnPosition(cardOf(n));
    if (!anyFree) return -1;
    for (;;) {
        const int card = cardOf(Random::Below(deckSize));
        if (!liesOnPosition(card)) return card;
    }
}
