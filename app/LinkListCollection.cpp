#include "app/LinkListCollection.h"

void LinkListCollection::ADD(std::shared_ptr<iShape> item) { items_.push_back(std::move(item)); }

void LinkListCollection::CLEAR() {
    std::vector<std::shared_ptr<iShape>> removed;
    removed.swap(items_);
    removed.clear();
}

std::int32_t LinkListCollection::COUNT() const { return static_cast<std::int32_t>(items_.size()); }

std::shared_ptr<iShape> LinkListCollection::ITEM(std::int32_t index) const {
    if (index < 1 || index > COUNT())
        return nullptr;
    return items_[static_cast<std::size_t>(index - 1)];
}
