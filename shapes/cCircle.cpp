#include "shapes/cCircle.h"

#include "shapes/RandomSource.h"
#include "ui/GraphicService.h"

#include <cstdlib>

namespace {
std::int32_t OnUpdate(WindowHandle dialog, std::uint32_t, std::uint32_t, std::int32_t) {
    return UpdateShapeFromDialog<iCircle>(dialog,
                                          {&iCircle::SetX, &iCircle::SetY, &iCircle::SetRadius});
}
} // namespace

cCircle::cCircle() {
    radius_ = RandomBetween(4, 40);
    x_ = RandomBetween(radius_ + 1, 320 - radius_);
    y_ = RandomBetween(radius_ + 1, 320 - radius_);
}

void cCircle::Draw(std::optional<RgbColor> outline) const {
    const std::int64_t x = x_, y = y_, r = radius_;
    GraphicEllipse(static_cast<float>(x - r), static_cast<float>(y - r), static_cast<float>(x + r),
                   static_cast<float>(y + r), outline.value_or(kBlack), kShapeFill, 0);
}

std::shared_ptr<iShape> cCircle::NewShape() const {
    return std::make_shared<cCircle>();
}

std::int32_t cCircle::HitTest(std::int32_t x, std::int32_t y) const {
    if (radius_ < 0)
        return kFalse;
    // Exact for every 32-bit input: past these bounds the point is outside anyway, and
    // within them the squares fit in 64 bits.
    const std::uint64_t dx = static_cast<std::uint64_t>(std::llabs(std::int64_t{x} - x_));
    const std::uint64_t dy = static_cast<std::uint64_t>(std::llabs(std::int64_t{y} - y_));
    const auto r = static_cast<std::uint64_t>(radius_);
    if (dx > r || dy > r)
        return kFalse;
    return dx * dx + dy * dy <= r * r ? kTrue : kFalse;
}

const ShapeForm& cCircle::Form() const {
    static const ShapeForm form{"Edit Circle", {"X", "Y", "Radius"}, 0, OnUpdate};
    return form;
}

std::string cCircle::SettingsMessage() const {
    return "Invalid circle settings s/b circle,x,y,radius";
}

void cCircle::StoreValues(std::span<const std::int32_t> values) {
    x_ = values[0];
    y_ = values[1];
    radius_ = values[2];
}
