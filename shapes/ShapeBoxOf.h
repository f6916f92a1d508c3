#pragma once

#include "shapes/ShapeBox.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// The box with corners (x1, y1) and (x2, y2), in any order, computed in 64 bits from
// unchecked values and saturated to 32 bits: far outside the drawing area either way.
inline ShapeBox ShapeBoxOf(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    auto fit = [low, high](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp(v, low, high));
    };
    return {fit(std::min(x1, x2)), fit(std::min(y1, y2)), fit(std::max(x1, x2)),
            fit(std::max(y1, y2))};
}
