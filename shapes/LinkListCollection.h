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
    // Puts the item at position index (1..COUNT() + 1), moving those from there down.
    void INSERT(std::int32_t index, std::shared_ptr<iShape> item);
    // Takes out the item at position index and hands it over (empty outside 1..COUNT()).
    std::shared_ptr<iShape> REMOVE(std::int32_t index);
    // Removes every item. The list is already empty while the items are destroyed, so a
    // destructor that looks at the list sees it as it is.
    void CLEAR();
    std::int32_t COUNT() const { return static_cast<std::int32_t>(items_.size()); }
    // The item at position index (1-based), or an empty reference outside 1..COUNT().
    // No reference count changes hands: copy it to keep the item past a change of the list.
    // Inline: whole-drawing loops (redraw, hit search) call it once per shape.
    const std::shared_ptr<iShape>& ITEM(std::int32_t index) const {
        if (index < 1 || index > COUNT())
            return kNone;
        return items_[static_cast<std::size_t>(index - 1)];
    }

  private:
    static const std::shared_ptr<iShape> kNone;
    std::vector<std::shared_ptr<iShape>> items_;
};
