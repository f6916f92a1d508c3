#pragma once

#include "shapes/ShapeValues.h"
#include "shapes/iShape.h"
#include "ui/WindowTypes.h"

#include <cstdint>
#include <memory>

// Moving the selected shape by dragging it with the left button, or resizing it when the
// press was on its outline (the kind says how its values follow). The press selects as a
// click does; only once the pointer has gone farther than the drag distance does the
// shape follow it, by the pointer's whole movement since the press, the pointer taken
// within the drawing area so that the point grabbed stays visible there. However the drag
// ends, the move is one step of the history, or is taken back whole (Cancel); a press and
// release without that much movement changes nothing.
class cDragMove {
  public:
    // A press on the shape at that position (0: on empty space, which moves nothing),
    // on its outline or not.
    void Press(std::int32_t position, ClientPoint at, bool onOutline = false);
    void Move(ClientPoint at);
    // Ends the drag in progress, if any, recording it.
    void Release();
    // Ends it putting the shape back where it was.
    void Cancel();

  private:
    void Follow(ClientPoint at);
    void ShowInEditor(const ShapeValues& values);
    bool StillThere() const;

    std::shared_ptr<iShape> shape_;
    std::int32_t position_ = 0;
    ClientPoint start_;
    ShapeValues before_;
    bool moving_ = false;
    bool resizing_ = false;
};
