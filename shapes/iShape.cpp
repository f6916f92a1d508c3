#include "shapes/iShape.h"

#include <atomic>

namespace {
// Starts at 1 so that 0 never names a shape.
std::atomic<std::uint32_t> g_nextIdentity{1};
} // namespace

iShape::iShape()
    : identity_(
          static_cast<ShapeIdentity>(g_nextIdentity.fetch_add(1, std::memory_order_relaxed))) {}
