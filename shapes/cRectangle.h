#pragma once

#include "shapes/cShapeOf.h"
#include "shapes/iShapeProperties.h"

// An axis-parallel rectangle: top-left corner, width and height; drawn as a polygon.
class cRectangle final : public cShapeOf<cRectangle, iRectangle> {
  public:
    static constexpr ShapeValue kValues[] = {
        {"X", "x", CornerBy(2)},
        {"Y", "y", CornerBy(3)},
        {"Width", "width", Between(8, 80)},
        {"Height", "height", Between(8, 80)},
    };
    static constexpr ShapeKind kKind{"rectangle", "Edit Rectangle", kValues};

    void Draw(std::optional<RgbColor> outline) const override;
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override;
    std::optional<ShapeBox> Bounds() const override;

    std::int32_t GetWidth() const override { return Value(2); }
    void SetWidth(const std::int32_t& value) override { SetValue(2, value); }
    std::int32_t GetHeight() const override { return Value(3); }
    void SetHeight(const std::int32_t& value) override { SetValue(3, value); }
};
