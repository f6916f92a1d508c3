#pragma once

#include "shapes/cShapeBase.h"
#include "shapes/iCircle.h"

// A centre point and a radius, drawn as a filled ellipse.
class cCircle final : public cShapeBase, public iCircle {
  public:
    // Random values that keep the whole circle inside the drawing area.
    cCircle();

    std::string_view ShapeName() const override { return "circle"; }
    void Draw(std::optional<RgbColor> outline) const override;
    std::shared_ptr<iShape> NewShape() const override;
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override;

    std::int32_t GetX() const override { return x_; }
    void SetX(const std::int32_t& value) override { x_ = value; }
    std::int32_t GetY() const override { return y_; }
    void SetY(const std::int32_t& value) override { y_ = value; }
    std::int32_t GetRadius() const override { return radius_; }
    void SetRadius(const std::int32_t& value) override { radius_ = value; }

  private:
    const ShapeForm& Form() const override;
    std::string SettingsMessage() const override;
    ShapeValues Values() const override { return {x_, y_, radius_}; }
    void StoreValues(std::span<const std::int32_t> values) override;

    std::int32_t radius_ = 0;
};
