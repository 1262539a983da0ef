#include <vector>

#include <gtest/gtest.h>

#include "platform/Random.h"

namespace {

TEST(RandomBurstTest, DrawsAreUniformInRangeAndFollowTheSeed) {
    for (const int bound : {1, 2, 22, 23, 78, 79}) {
        Random::Seed(11);
        Random::Burst random;
        std::vector<int> counts(bound);
        const int draws = 2000 * bound;
        for (int i = 0; i < draws; ++i) {
            const int n = random.Below(bound);
            ASSERT_GE(n, 0) << bound;
            ASSERT_LT(n, bound) << bound;
            ++counts[n];
        }
        // 2000 expected per value; a fair generator stays far inside this band.
        for (int n = 0; n < bound; ++n) {
            EXPECT_GT(counts[n], 1700) << n << " of " << bound;
            EXPECT_LT(counts[n], 2300) << n << " of " << bound;
        }
    }
    // The same process-wide seed gives the same draws; another seed, others.
    const auto firstDraws = [](std::uint32_t seed) {
        Random::Seed(seed);
        Random::Burst random;
        std::vector<int> drawn;
        for (int i = 0; i < 16; ++i) drawn.push_back(random.Below(78));
        return drawn;
    };
    EXPECT_EQ(firstDraws(3), firstDraws(3));
    EXPECT_NE(firstDraws(3), firstDraws(4));
}

}  // namespace
