#pragma once

#include "shapes/ShapeValues.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// What an edit dialog needs from the program that holds the drawing. The program hands it
// to iShape::Edit, which builds the dialog with it; the shapes never see the program.
class iShapeEditHost {
  public:
    virtual ~iShapeEditHost() = default;
    // The panel that edit dialogs are built in.
    virtual WindowHandle ViewPanel() const = 0;
    virtual void ShowView(WindowHandle dialog) = 0;
    virtual void CloseView() = 0;
    // The position in the drawing of the shape an edit dialog edits, or 0 when it is gone.
    virtual std::int32_t FindShape(WindowHandle editDialog) const = 0;
    // Stores new values into the shape at that position of the drawing.
    virtual void StoreValues(std::int32_t position, const ShapeValues& values) = 0;
    virtual void Redraw() = 0;
};
