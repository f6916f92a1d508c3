#pragma once

#include "ui/iDrawingAccess.h"

// The drawing as assistive technology reads it: named "Drawing", its shapes in drawing
// order (position 1, on top, first), each in words from its kind's declaration, the
// selected one being the shape whose editor shows. It keeps no state: it reads Program().
class cDrawingAccess : public iDrawingAccess {
  public:
    std::string Name() const override;
    std::string Description() const override;
    std::int32_t Count() const override;
    std::string ItemName(std::int32_t position) const override;
    std::optional<DrawingBox> ItemBox(std::int32_t position) const override;
    std::int32_t Selected() const override;
    bool IsSelected(std::int32_t position) const override;
};

// The one instance, handed to the drawing area; it lives as long as the process.
cDrawingAccess& DrawingAccess();
