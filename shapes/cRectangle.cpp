#include "shapes/cRectangle.h"

#include "shapes/Int32Wrap.h"
#include "shapes/ShapeBoxOf.h"
#include "ui/GraphicService.h"

#include <array>

void cRectangle::Draw(std::optional<RgbColor> outline) const {
    const auto left = static_cast<float>(GetX()), top = static_cast<float>(GetY());
    const auto right = static_cast<float>(std::int64_t{GetX()} + GetWidth());
    const auto bottom = static_cast<float>(std::int64_t{GetY()} + GetHeight());
    const std::array<PolygonPoint, 4> corners{
        {{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
    GraphicPolygon(corners, outline.value_or(kBlack), kShapeFill, 0, 0);
}

std::int32_t cRectangle::HitTest(std::int32_t x, std::int32_t y) const {
    // All edges belong to the rectangle; the far edges are 32-bit sums that wrap.
    if (GetX() > x || GetY() > y || Add32(GetX(), GetWidth()) < x || Add32(GetY(), GetHeight()) < y)
        return kFalse;
    return kTrue;
}

std::optional<ShapeBox> cRectangle::Bounds() const {
    const std::int64_t x = GetX(), y = GetY();
    return ShapeBoxOf(x, y, x + GetWidth(), y + GetHeight());
}
