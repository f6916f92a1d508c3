#pragma once

#include <cstdint>

// The box a shape's drawing lies in: the corners its Draw hands to the graphic service,
// left <= right and top <= bottom, before the pen's reach is added.
struct ShapeBox {
    std::int32_t left, top, right, bottom;
};
