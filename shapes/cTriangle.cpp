#include "shapes/cTriangle.h"

#include "shapes/Int32Wrap.h"
#include "shapes/RandomSource.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"

#include <array>

namespace {
std::int32_t OnUpdate(WindowHandle dialog, std::uint32_t, std::uint32_t, std::int32_t) {
    return UpdateShapeFromDialog<iTriangle>(
        dialog, {&iTriangle::SetX, &iTriangle::SetY, &iTriangle::SetHalfSide});
}
} // namespace

cTriangle::cTriangle() {
    halfSide_ = RandomBetween(4, 40);
    x_ = RandomBetween(halfSide_ + 1, 320 - halfSide_);
    y_ = RandomBetween(halfSide_ + 1, 320 - halfSide_);
}

void cTriangle::Draw(std::optional<RgbColor> outline) const {
    const std::int64_t x = x_, y = y_, h = halfSide_;
    const std::array<PolygonPoint, 3> corners{{
        {static_cast<float>(x - h), static_cast<float>(y + h)}, // left end of the base
        {static_cast<float>(x + h), static_cast<float>(y + h)}, // right end of the base
        {static_cast<float>(x), static_cast<float>(y - h)},     // apex
    }};
    GraphicPolygon(corners, outline.value_or(kBlack), kShapeFill, 0, 0);
}

std::shared_ptr<iShape> cTriangle::NewShape() const {
    return std::make_shared<cTriangle>();
}

std::int32_t cTriangle::HitTest(std::int32_t x, std::int32_t y) const {
    // The half-width on row y, truncated: 0 at the apex row, HalfSide at the base row.
    const std::int32_t w = Add32(Sub32(y, y_), halfSide_) / 2;
    if (Add32(y_, halfSide_) < y || Sub32(y_, halfSide_) > y)
        return kFalse;
    if (Sub32(x_, w) > x || Add32(x_, w) < x)
        return kFalse;
    return kTrue;
}

const ShapeForm& cTriangle::Form() const {
    static const ShapeForm form{
        "Edit Triangle", {"X", "Y", "Half side"}, Style::ExClientEdge, OnUpdate};
    return form;
}

// The record's third value is named "radius" in this message, as users know it.
std::string cTriangle::SettingsMessage() const {
    return "Invalid triangle settings s/b triangle,x,y,radius";
}

void cTriangle::StoreValues(std::span<const std::int32_t> values) {
    x_ = values[0];
    y_ = values[1];
    halfSide_ = values[2];
}
