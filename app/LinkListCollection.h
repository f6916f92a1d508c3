#pragma once

#include "shapes/iShape.h"

#include <cstdint>
#include <memory>
#include <vector>

// An ordered list of shape references, positions counted from 1. The list holds one
// reference on each item; an item referenced nowhere else goes when it is removed.
class LinkListCollection {
  public:
    void ADD(std::shared_ptr<iShape> item);
    // Removes every item. The list is already empty while the items are destroyed, so a
    // destructor that looks at the list sees it as it is.
    void CLEAR();
    std::int32_t COUNT() const;
    // The item at position index (1-based), or nullptr outside 1..COUNT().
    std::shared_ptr<iShape> ITEM(std::int32_t index) const;

  private:
    std::vector<std::shared_ptr<iShape>> items_;
};
