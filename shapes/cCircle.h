#pragma once

#include "shapes/cShapeOf.h"
#include "shapes/iShapeProperties.h"

// A centre point and a radius, drawn as a filled ellipse.
class cCircle final : public cShapeOf<cCircle, iCircle> {
  public:
    static constexpr ShapeValue kValues[] = {
        {"X", "x", CentredBy(2)},
        {"Y", "y", CentredBy(2)},
        {"Radius", "radius", Between(4, 40)},
    };
    static constexpr ShapeKind kKind{"circle", "Edit Circle", kValues};

    void Draw(std::optional<RgbColor> outline) const override;
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override;
    std::optional<ShapeBox> Bounds() const override;

    std::int32_t GetRadius() const override { return Value(2); }
    void SetRadius(const std::int32_t& value) override { SetValue(2, value); }
};
