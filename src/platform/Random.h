#pragma once

#include <cstdint>

namespace platform
{

// The next number r of the generator, 0 <= r < 1, in single precision.
float Rnd();
// Seeds the generator from the clock.
void Randomize();

namespace testing
{
// Seeds the generator with a fixed value, so a test sees a known sequence.
void seedRandom(std::uint32_t seed);
} // namespace testing

} // namespace platform
