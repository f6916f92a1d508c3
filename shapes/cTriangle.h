#pragma once

#include "shapes/cShapeBase.h"
#include "shapes/iTriangle.h"

// An isosceles triangle, base below and apex above, fitted into the square of side
// 2 * HalfSide centred on (X, Y).
class cTriangle final : public cShapeBase, public iTriangle {
  public:
    // Random values that keep the whole triangle inside the drawing area.
    cTriangle();

    std::string_view ShapeName() const override { return "triangle"; }
    void Draw(std::optional<RgbColor> outline) const override;
    std::shared_ptr<iShape> NewShape() const override;
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override;

    std::int32_t GetX() const override { return x_; }
    void SetX(const std::int32_t& value) override { x_ = value; }
    std::int32_t GetY() const override { return y_; }
    void SetY(const std::int32_t& value) override { y_ = value; }
    std::int32_t GetHalfSide() const override { return halfSide_; }
    void SetHalfSide(const std::int32_t& value) override { halfSide_ = value; }

  private:
    const ShapeForm& Form() const override;
    std::string SettingsMessage() const override;
    ShapeValues Values() const override { return {x_, y_, halfSide_}; }
    void StoreValues(std::span<const std::int32_t> values) override;

    std::int32_t halfSide_ = 0;
};
