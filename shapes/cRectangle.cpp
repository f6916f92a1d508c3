#include "shapes/cRectangle.h"

#include "shapes/Int32Wrap.h"
#include "shapes/RandomSource.h"
#include "ui/GraphicService.h"

#include <array>

namespace {
std::int32_t OnUpdate(WindowHandle dialog, std::uint32_t, std::uint32_t, std::int32_t) {
    return UpdateShapeFromDialog<iRectangle>(
        dialog,
        {&iRectangle::SetX, &iRectangle::SetY, &iRectangle::SetWidth, &iRectangle::SetHeight});
}
} // namespace

cRectangle::cRectangle() {
    width_ = RandomBetween(8, 80);
    height_ = RandomBetween(8, 80);
    x_ = RandomBetween(1, 320 - width_);
    y_ = RandomBetween(1, 320 - height_);
}

void cRectangle::Draw(std::optional<RgbColor> outline) const {
    const auto left = static_cast<float>(x_), top = static_cast<float>(y_);
    const auto right = static_cast<float>(std::int64_t{x_} + width_);
    const auto bottom = static_cast<float>(std::int64_t{y_} + height_);
    const std::array<PolygonPoint, 4> corners{
        {{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
    GraphicPolygon(corners, outline.value_or(kBlack), kShapeFill, 0, 0);
}

std::shared_ptr<iShape> cRectangle::NewShape() const {
    return std::make_shared<cRectangle>();
}

std::int32_t cRectangle::HitTest(std::int32_t x, std::int32_t y) const {
    // All edges belong to the rectangle; the far edges are 32-bit sums that wrap.
    if (x_ > x || y_ > y || Add32(x_, width_) < x || Add32(y_, height_) < y)
        return kFalse;
    return kTrue;
}

const ShapeForm& cRectangle::Form() const {
    static const ShapeForm form{"Edit Rectangle", {"X", "Y", "Width", "Height"}, 0, OnUpdate};
    return form;
}

std::string cRectangle::SettingsMessage() const {
    return "Invalid rectangle settings s/b rectangle,x,y,width,height";
}

void cRectangle::StoreValues(std::span<const std::int32_t> values) {
    x_ = values[0];
    y_ = values[1];
    width_ = values[2];
    height_ = values[3];
}
