#include "shapes/LinkListCollection.h"

#include <algorithm>

void LinkListCollection::ADD(std::shared_ptr<iShape> item) {
    items_.push_back(std::move(item));
}

void LinkListCollection::INSERT(std::int32_t index, std::shared_ptr<iShape> item) {
    const auto at = static_cast<std::size_t>(std::clamp(index, 1, COUNT() + 1) - 1);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
}

std::shared_ptr<iShape> LinkListCollection::REMOVE(std::int32_t index) {
    if (index < 1 || index > COUNT())
        return nullptr;
    const auto at = items_.begin() + (index - 1);
    std::shared_ptr<iShape> item = std::move(*at);
    items_.erase(at);
    return item;
}

void LinkListCollection::CLEAR() {
    std::vector<std::shared_ptr<iShape>> removed;
    removed.swap(items_);
    removed.clear();
}

const std::shared_ptr<iShape> LinkListCollection::kNone;
