#pragma once

#include <cstdint>

// A colour: red + 256 * green + 65536 * blue. As an argument, -1 stands for the
// default colour and, as a fill, -2 for no fill.
using RgbColor = std::int32_t;
constexpr RgbColor kDefaultColor = -1;
constexpr RgbColor kNoFill = -2;

struct PolygonPoint {
    float x = 0;
    float y = 0;
};
