#pragma once

#include <cstdint>

// The program's random source: a 32-bit linear congruential generator, seeded once at
// start-up, from which every new shape draws its values.

void SeedRandom(std::uint32_t state);

// A uniformly distributed integer between the bounds inclusive, in either order.
std::int32_t RandomBetween(std::int32_t a, std::int32_t b);
