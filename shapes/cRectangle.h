#pragma once

#include "shapes/cShapeBase.h"
#include "shapes/iRectangle.h"

// An axis-parallel rectangle: top-left corner, width and height; drawn as a polygon.
class cRectangle final : public cShapeBase, public iRectangle {
  public:
    // Random values that keep the whole rectangle inside the drawing area.
    cRectangle();

    std::string_view ShapeName() const override { return "rectangle"; }
    void Draw(std::optional<RgbColor> outline) const override;
    std::shared_ptr<iShape> NewShape() const override;
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override;

    std::int32_t GetX() const override { return x_; }
    void SetX(const std::int32_t& value) override { x_ = value; }
    std::int32_t GetY() const override { return y_; }
    void SetY(const std::int32_t& value) override { y_ = value; }
    std::int32_t GetWidth() const override { return width_; }
    void SetWidth(const std::int32_t& value) override { width_ = value; }
    std::int32_t GetHeight() const override { return height_; }
    void SetHeight(const std::int32_t& value) override { height_ = value; }

  private:
    const ShapeForm& Form() const override;
    std::string SettingsMessage() const override;
    ShapeValues Values() const override { return {x_, y_, width_, height_}; }
    void StoreValues(std::span<const std::int32_t> values) override;

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
