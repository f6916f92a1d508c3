#pragma once

#include "shapes/cShapeOf.h"
#include "shapes/iShapeProperties.h"

#include <algorithm>

// An isosceles triangle, base below and apex above, fitted into the square of side
// 2 * HalfSide centred on (X, Y). Its records name the half side "radius".
class cTriangle final : public cShapeOf<cTriangle, iTriangle> {
  public:
    // The half side whose outline passes through (dx, dy) from the centre: the base below,
    // the apex above, the sides rising at 2 in 1.
    static constexpr std::int64_t HalfSideThrough(std::int64_t dx, std::int64_t dy) {
        const std::int64_t across = 2 * (dx < 0 ? -dx : dx) - dy;
        return std::max({dy, -dy, across});
    }
    static constexpr ShapeValue kValues[] = {
        {"X", "x", CentredBy(2)},
        {"Y", "y", CentredBy(2)},
        {"Half side", "radius", Between(4, 40), Reach(HalfSideThrough)},
    };
    static constexpr ShapeKind kKind{"triangle", "Edit Triangle", kValues};

    void Draw(std::optional<RgbColor> outline) const override;
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override;
    std::optional<ShapeBox> Bounds() const override;

    std::int32_t GetHalfSide() const override { return Value(2); }
    void SetHalfSide(const std::int32_t& value) override { SetValue(2, value); }
};
