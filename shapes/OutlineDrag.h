#pragma once

#include "shapes/ShapeKind.h"
#include "shapes/ShapeValues.h"

#include <cstdint>
#include <optional>
#include <span>

// Resizing by dragging the outline, as each kind declares it with its values.

// A point of the drawing area, in its pixels.
struct OutlinePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// How far from the outline a grab still takes it: half the highlight's 4 pixels and a
// pixel more.
constexpr std::int32_t kOutlineReach = 3;

// The values of a kind declared by values after a drag on its outline from grab to now:
// a grabbed edge moves with the pointer, a Reach size passes through it. Nothing when no
// value follows. Sums wrap at 32 bits; nothing is clamped.
std::optional<ShapeValues> ValuesFollowingOutline(std::span<const ShapeValue> values,
                                                  const ShapeValues& before, OutlinePoint grab,
                                                  OutlinePoint now);

// The Reach of a round outline: the distance from the centre, to the nearest pixel.
std::int64_t Distance(std::int64_t dx, std::int64_t dy);
