#include "app/OutlineGrab.h"

#include "shapes/Int32Wrap.h"

#include <cstdlib>

PointerShape OutlineAt(const iShape& shape, ClientPoint at) {
    const OutlinePoint point{at.x, at.y};
    if (!shape.FollowOutline(shape.Values(), point, point))
        return PointerShape::Ordinary;
    // The points around it within reach: some on the shape and some off it put it on the
    // outline; the ones off it lie outwards.
    std::int64_t outX = 0, outY = 0;
    bool on = false, off = false;
    for (std::int32_t dy = -kOutlineReach; dy <= kOutlineReach; ++dy) {
        for (std::int32_t dx = -kOutlineReach; dx <= kOutlineReach; ++dx) {
            if (dx * dx + dy * dy > kOutlineReach * kOutlineReach)
                continue;
            if (shape.HitTest(Add32(at.x, dx), Add32(at.y, dy)) != kFalse) {
                on = true;
                continue;
            }
            off = true;
            outX += dx;
            outY += dy;
        }
    }
    if (!on || !off)
        return PointerShape::Ordinary;
    if (std::llabs(outX) > 2 * std::llabs(outY))
        return PointerShape::ResizeAcross;
    if (std::llabs(outY) > 2 * std::llabs(outX))
        return PointerShape::ResizeUpDown;
    return (outX > 0) == (outY > 0) ? PointerShape::ResizeFalling : PointerShape::ResizeRising;
}
