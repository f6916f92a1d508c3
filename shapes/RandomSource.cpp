#include "shapes/RandomSource.h"

#include <algorithm>
#include <cmath>

namespace {
std::uint32_t g_state = 0;
}

void SeedRandom(std::uint32_t state) {
    g_state = state;
}

std::int32_t RandomBetween(std::int32_t a, std::int32_t b) {
    const std::int64_t lo = std::min(a, b);
    const std::int64_t hi = std::max(a, b);
    g_state = g_state * 134775813u + 1u; // unsigned: wraps modulo 2^32
    const double r = static_cast<double>(g_state >> 1) / 2147483648.0;
    return static_cast<std::int32_t>(
        std::floor(r * static_cast<double>(hi - lo + 1) + static_cast<double>(lo)));
}
