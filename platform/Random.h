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

}  // namespace Random
