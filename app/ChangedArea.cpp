#include "app/ChangedArea.h"

#include <algorithm>

namespace {

constexpr std::size_t kMostBoxes = 8;

bool Meet(const ShapeBox& a, const ShapeBox& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

ShapeBox Join(const ShapeBox& a, const ShapeBox& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

void cChangedArea::Add(const ShapeBox& box) {
    ShapeBox joined = box;
    // A joined box may now meet boxes it did not meet before.
    for (auto it = boxes_.begin(); it != boxes_.end();) {
        if (Meet(*it, joined)) {
            joined = Join(*it, joined);
            boxes_.erase(it);
            it = boxes_.begin();
        } else {
            ++it;
        }
    }
    boxes_.push_back(joined);
    if (boxes_.size() > kMostBoxes) {
        for (const ShapeBox& other : boxes_)
            joined = Join(joined, other);
        boxes_.assign(1, joined);
    }
}

void cChangedArea::Clear() {
    boxes_.clear();
    whole_ = false;
}
