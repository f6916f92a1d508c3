#include "shapes/cTriangle.h"

#include "shapes/Int32Wrap.h"
#include "shapes/ShapeBoxOf.h"
#include "ui/GraphicService.h"

#include <array>

void cTriangle::Draw(std::optional<RgbColor> outline) const {
    const std::int64_t x = GetX(), y = GetY(), h = GetHalfSide();
    const std::array<PolygonPoint, 3> corners{{
        {static_cast<float>(x - h), static_cast<float>(y + h)}, // left end of the base
        {static_cast<float>(x + h), static_cast<float>(y + h)}, // right end of the base
        {static_cast<float>(x), static_cast<float>(y - h)},     // apex
    }};
    GraphicPolygon(corners, outline.value_or(kBlack), kShapeFill, 0, 0);
}

std::int32_t cTriangle::HitTest(std::int32_t x, std::int32_t y) const {
    const std::int32_t h = GetHalfSide();
    // The half-width on row y, truncated: 0 at the apex row, HalfSide at the base row.
    const std::int32_t w = Add32(Sub32(y, GetY()), h) / 2;
    if (Add32(GetY(), h) < y || Sub32(GetY(), h) > y)
        return kFalse;
    if (Sub32(GetX(), w) > x || Add32(GetX(), w) < x)
        return kFalse;
    return kTrue;
}

std::optional<ShapeBox> cTriangle::Bounds() const {
    const std::int64_t x = GetX(), y = GetY(), h = GetHalfSide();
    return ShapeBoxOf(x - h, y - h, x + h, y + h);
}
