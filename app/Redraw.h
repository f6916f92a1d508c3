#pragma once

#include "shapes/LinkListCollection.h"
#include "ui/WindowTypes.h"

#include <cstdint>
#include <memory>

// Repaints the drawing in the main window's drawing area, in one update. Only what
// changed since the last repaint is painted again, on the picture kept from it.
void RedrawShapes();
// The same, with the shape outlined as the selected one.
void RedrawSelected(const iShape& shape);
// Paints a list on a graphic control in one update: white, pen 2, last shape first so
// that position 1 lies on top.
void DrawShapeList(WindowHandle dialog, std::int32_t id, const LinkListCollection& list);
// Paints one shape over the picture as the selected one: 4-pixel orange outline.
void DrawHighlighted(WindowHandle dialog, std::int32_t id, const iShape& shape);
// A shape on the move: BeginDragLayers paints what lies beneath the shape at position and
// what lies above it once, as kept layers; each DrawDragFrame then paints only the shape,
// outlined in orange, between them; EndDragLayers drops the layers.
void BeginDragLayers(WindowHandle dialog, std::int32_t id, const LinkListCollection& list,
                     std::int32_t position);
void DrawDragFrame(WindowHandle dialog, std::int32_t id, const iShape& shape);
void EndDragLayers(WindowHandle dialog, std::int32_t id);
