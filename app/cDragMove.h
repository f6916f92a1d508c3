#pragma once

#include "shapes/ShapeValues.h"
#include "shapes/iShape.h"
#include "ui/WindowTypes.h"

#include <cstdint>
#include <memory>

// Moving the selected shape by dragging it with the left button. The press selects as a
// click does; only once the pointer has gone farther than the drag distance does the
// shape follow it, by the pointer's whole movement since the press. The release makes
// the move one step of the history; a press and release without that much movement
// changes nothing.
class cDragMove {
  public:
    // A press on the shape at that position (0: on empty space, which moves nothing).
    void Press(std::int32_t position, ClientPoint at);
    void Move(ClientPoint at);
    void Release();

  private:
    void Follow(ClientPoint at);

    std::shared_ptr<iShape> shape_;
    std::int32_t position_ = 0;
    ClientPoint start_;
    ShapeValues before_;
    bool moving_ = false;
};
