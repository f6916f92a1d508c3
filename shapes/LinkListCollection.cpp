#include "shapes/LinkListCollection.h"

void LinkListCollection::ADD(std::shared_ptr<iShape> item) {
    items_.push_back(std::move(item));
}

void LinkListCollection::CLEAR() {
    std::vector<std::shared_ptr<iShape>> removed;
    removed.swap(items_);
    removed.clear();
}

const std::shared_ptr<iShape> LinkListCollection::kNone;
