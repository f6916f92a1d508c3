#pragma once

#include "shapes/iShapeEditHost.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// What the drawing area does with the keys it keeps, each as the mouse or the menu does
// it: Tab and Shift+Tab select the next or previous shape (position 1 first) and leave
// the area past either end; arrows move the selected shape 1 pixel (10 with Shift), a run
// of them one step; Delete removes it; Escape selects nothing; Enter and F2 go into its
// editor. With no shape selected, arrows, Delete, Enter and F2 do nothing.
class cDrawingAreaKeys {
  public:
    explicit cDrawingAreaKeys(iShapeEditHost& host) : host_(host) {}

    // The last key of the drawing area of dialog.
    void OnKey(WindowHandle dialog);
    // Anything but an arrow key ends a run of moves.
    void EndRun() { ++run_; }

  private:
    void Step(WindowHandle dialog, std::int32_t selected, bool forward);
    void Nudge(WindowHandle dialog, std::int32_t selected, std::int32_t dx, std::int32_t dy);
    void Deselect();

    iShapeEditHost& host_;
    std::int32_t run_ = 0;
};
