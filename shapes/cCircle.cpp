#include "shapes/cCircle.h"

#include "shapes/ShapeBoxOf.h"
#include "ui/GraphicService.h"

#include <cstdlib>

void cCircle::Draw(std::optional<RgbColor> outline) const {
    const std::int64_t x = GetX(), y = GetY(), r = GetRadius();
    GraphicEllipse(static_cast<float>(x - r), static_cast<float>(y - r), static_cast<float>(x + r),
                   static_cast<float>(y + r), outline.value_or(kBlack), kShapeFill, 0);
}

std::int32_t cCircle::HitTest(std::int32_t x, std::int32_t y) const {
    if (GetRadius() < 0)
        return kFalse;
    // Exact for every 32-bit input: past these bounds the point is outside anyway, and
    // within them the squares fit in 64 bits.
    const auto dx = static_cast<std::uint64_t>(std::llabs(std::int64_t{x} - GetX()));
    const auto dy = static_cast<std::uint64_t>(std::llabs(std::int64_t{y} - GetY()));
    const auto r = static_cast<std::uint64_t>(GetRadius());
    if (dx > r || dy > r)
        return kFalse;
    return dx * dx + dy * dy <= r * r ? kTrue : kFalse;
}

std::optional<ShapeBox> cCircle::Bounds() const {
    const std::int64_t x = GetX(), y = GetY(), r = GetRadius();
    return ShapeBoxOf(x - r, y - r, x + r, y + r);
}
