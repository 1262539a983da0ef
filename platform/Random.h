#pragma once

#include <cstdint>

// The one process-wide random generator. Its draws are uniform.
namespace Random {

// Reseeds the generator from the clock.
void Randomize();
// Seeds the generator with a fixed value (tests).
void Seed(std::uint32_t seed);
// A uniform integer in 0 .. bound - 1; bound must be positive.
int Below(int bound);

// A small, fast generator for many draws in a row (a shuffle frame does a quarter of a million),
// seeded from the process-wide one when it is made: a seeded process-wide generator still gives
// the same draws. Not shared, so it needs no lock; its draws are uniform as well.
class Burst {
public:
    Burst();

    // A uniform integer in 0 .. bound - 1; bound must be positive.
    int Below(int bound) {
        // Multiply and shift, rejecting the few low products that would favour some results.
        const auto range = static_cast<std::uint32_t>(bound);
        std::uint64_t product = std::uint64_t{Next32()} * range;
        if (static_cast<std::uint32_t>(product) < range) {
            const std::uint32_t threshold = (0u - range) % range;
            while (static_cast<std::uint32_t>(product) < threshold)
                product = std::uint64_t{Next32()} * range;
        }
        return static_cast<int>(product >> 32);
    }

private:
    // SplitMix64: one addition and two multiplications per 64 bits, each half used in turn.
    std::uint32_t Next32() {
        if (haveSpare_) {
            haveSpare_ = false;
            return spare_;
        }
        std::uint64_t z = state_ += 0x9E3779B97F4A7C15u;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        spare_ = static_cast<std::uint32_t>(z >> 32);
        haveSpare_ = true;
        return static_cast<std::uint32_t>(z);
    }

    std::uint64_t state_;
    std::uint32_t spare_ = 0;
    bool haveSpare_ = false;
};

}  // namespace Random
