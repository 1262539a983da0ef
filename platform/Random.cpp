#include "platform/Random.h"

#include <chrono>
#include <random>

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(std::random_device{}());
    return generator;
}

}  // namespace

namespace Random {

void Randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Generator().seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

void Seed(std::uint32_t seed) { Generator().seed(seed); }

int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(Generator()); }

Burst::Burst() {
    // Two draws in a fixed order, so a seed gives the same burst with every compiler.
    const std::uint64_t high = Generator()();
    state_ = (high << 32) | Generator()();
}

}  // namespace Random
