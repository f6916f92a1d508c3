#pragma once

#include "shapes/cShapeOf.h"
#include "shapes/iShapeProperties.h"

// An isosceles triangle, base below and apex above, fitted into the square of side
// 2 * HalfSide centred on (X, Y). Its records name the half side "radius".
class cTriangle final : public cShapeOf<cTriangle, iTriangle> {
  public:
    static constexpr ShapeValue kValues[] = {
        {"X", "x", CentredBy(2)},
        {"Y", "y", CentredBy(2)},
        {"Half side", "radius", Between(4, 40)},
    };
    static constexpr ShapeKind kKind{"triangle", "Edit Triangle", kValues};

    void Draw(std::optional<RgbColor> outline) const override;
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override;
    std::optional<ShapeBox> Bounds() const override;

    std::int32_t GetHalfSide() const override { return Value(2); }
    void SetHalfSide(const std::int32_t& value) override { SetValue(2, value); }
};
