#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform
{

namespace
{
std::mt19937& generator()
{
    static std::mt19937 g(std::random_device{}());
    return g;
}
} // namespace

float Rnd()
{
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}

void Randomize()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                      static_cast<std::uint32_t>(tick)};
    generator().seed(seq);
}

namespace testing
{
void seedRandom(std::uint32_t seed)
{
    generator().seed(seed);
}
} // namespace testing

} // namespace platform
