#include "shapes/OutlineDrag.h"

#include "shapes/Int32Wrap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

std::int32_t Along(OutlinePoint point, std::size_t axis) {
    return axis == 0 ? point.x : point.y;
}

// The value that is the low edge of an axis, if the kind declares one.
std::optional<std::size_t> LowEdgeOf(std::span<const ShapeValue> values, std::size_t axis) {
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i].outline.rule == OutlineFollow::Rule::LowEdge &&
            values[i].outline.axis == axis)
            return i;
    return std::nullopt;
}

// An edge-bound extent: which of its edges the grab took (the nearer, within reach) moves
// by the pointer's movement along the axis.
void FollowEdges(std::span<const ShapeValue> values, std::size_t extent, const ShapeValues& before,
                 ShapeValues& after, OutlinePoint grab, OutlinePoint now) {
    const std::size_t axis = values[extent].outline.axis;
    const std::optional<std::size_t> edge = LowEdgeOf(values, axis);
    if (!edge)
        return;
    const std::int64_t low = before[*edge], high = low + before[extent];
    const std::int64_t toLow = std::llabs(Along(grab, axis) - low);
    const std::int64_t toHigh = std::llabs(Along(grab, axis) - high);
    const std::int32_t moved = Sub32(Along(now, axis), Along(grab, axis));
    if (toHigh <= kOutlineReach && toHigh <= toLow) {
        after[extent] = Add32(after[extent], moved);
    } else if (toLow <= kOutlineReach) {
        after[*edge] = Add32(after[*edge], moved);
        after[extent] = Sub32(after[extent], moved);
    }
}

} // namespace

std::optional<ShapeValues> ValuesFollowingOutline(std::span<const ShapeValue> values,
                                                  const ShapeValues& before, OutlinePoint grab,
                                                  OutlinePoint now) {
    ShapeValues after = before;
    bool follows = false;
    for (std::size_t i = 0; i < values.size() && i < before.size(); ++i) {
        const OutlineFollow& rule = values[i].outline;
        if (rule.rule == OutlineFollow::Rule::Extent) {
            FollowEdges(values, i, before, after, grab, now);
        } else if (rule.rule == OutlineFollow::Rule::Reach && rule.reach) {
            const std::int64_t dx = std::int64_t{now.x} - before[0];
            const std::int64_t dy = std::int64_t{now.y} - before[1];
            after[i] = static_cast<std::int32_t>(rule.reach(dx, dy)); // whole pixels, wrapped
        } else if (rule.rule == OutlineFollow::Rule::Stays) {
            continue;
        }
        follows = true;
    }
    if (!follows)
        return std::nullopt;
    return after;
}

std::int64_t Distance(std::int64_t dx, std::int64_t dy) {
    return std::llround(std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
}
