#include "readings/JournalStatistics.h"

#include <algorithm>

namespace {

constexpr int kMajorArcana = 22;
constexpr int kSuitSize = 14;

}  // namespace

JournalStatistics CountCards(const QList<JournalEntry>& entries) {
    std::array<CardTally, kCardCount> tallies{};
    for (int card = 0; card < kCardCount; ++card) tallies[card].card = card;
    JournalStatistics statistics;
    for (const JournalEntry& entry : entries) {
        if (entry.fault != JournalFault::None) continue;
        for (const JournalCard& card : entry.cards) {
            if (card.card < 0 || card.card >= kCardCount) continue;
            ++(card.reversed ? tallies[card.card].reversed : tallies[card.card].upright);
            ++statistics.positions;
            if (card.card < kMajorArcana)
                ++statistics.major;
            else if (card.card < kMajorArcana + 4 * kSuitSize)
                ++statistics.suits[(card.card - kMajorArcana) / kSuitSize];
        }
    }
    for (const CardTally& tally : tallies)
        if (tally.total() > 0) statistics.cards.append(tally);
    std::stable_sort(statistics.cards.begin(), statistics.cards.end(),
                     [](const CardTally& a, const CardTally& b) { return a.total() > b.total(); });
    return statistics;
}
