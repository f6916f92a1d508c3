#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A box in picture pixels; right and bottom lie just outside it.
struct DrawingBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// What assistive technology may read of a drawing shown on a graphic control: the program
// implements it, the control's accessible interface asks it. Items count from 1, in the
// order they are read (the one on top first).
class iDrawingAccess {
  public:
    virtual ~iDrawingAccess() = default;
    virtual std::string Name() const = 0;
    // What the drawing holds, such as "3 shapes".
    virtual std::string Description() const = 0;
    virtual std::int32_t Count() const = 0;
    // An item in words, such as "circle: X 120, Y 87, Radius 25".
    virtual std::string ItemName(std::int32_t position) const = 0;
    // Where the item is painted, when that is known.
    virtual std::optional<DrawingBox> ItemBox(std::int32_t position) const = 0;
    // The selected item, 0 for none; IsSelected answers for one item without a search.
    virtual std::int32_t Selected() const = 0;
    virtual bool IsSelected(std::int32_t position) const = 0;
};
