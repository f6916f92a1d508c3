#pragma once

#include "app/DrawingAreaKeys.h"
#include "app/cDragMove.h"
#include "shapes/iShapeEditHost.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// What the drawing area does with the pointer: a click selects the topmost shape under it
// (outlined in orange, its editor opened), a drag then moves it, a right press or the
// Menu key opens the context menu. It holds the drag in progress, so nothing else does;
// the second press of a double click starts a drag too, and does nothing else. A press on
// the selected shape's outline starts a resize instead of a move; the pointer shows it.
class cDrawingAreaInput {
  public:
    explicit cDrawingAreaInput(iShapeEditHost& host) : host_(host) {}

    // The drawing area's control callback.
    std::int32_t OnDrawingArea(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                               std::int32_t lParam);
    // Ends the drag in progress, if any, as one step: before the history is stepped.
    void FinishDrag() { drag_.Release(); }

  private:
    iShapeEditHost& host_;
    cDragMove drag_;
    cDrawingAreaKeys keys_{host_}; // the keys the area keeps
};
