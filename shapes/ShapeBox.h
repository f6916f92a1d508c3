#pragma once

#include <cstdint>

// The box a shape is drawn in, in drawing pixels: the corners its outline is drawn
// through (left <= right, top <= bottom).
struct ShapeBox {
    std::int32_t left, top, right, bottom;
};
