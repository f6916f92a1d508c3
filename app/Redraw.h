#pragma once

#include "shapes/LinkListCollection.h"
#include "ui/WindowTypes.h"

#include <cstdint>
#include <memory>

// Repaints the whole drawing in the main window's drawing area.
void RedrawShapes();
// Paints a list on a graphic control in one update: white, pen 2, last shape first so
// that position 1 lies on top.
void DrawShapeList(WindowHandle dialog, std::int32_t id, const LinkListCollection& list);
// Selects the shape at that position of Shapes, as a click on it does: repaints, outlines
// it and opens its editor.
void SelectShape(WindowHandle dialog, std::int32_t position);
// Paints one shape over the picture as the selected one: 4-pixel orange outline.
void DrawHighlighted(WindowHandle dialog, std::int32_t id, const iShape& shape);
// A shape on the move: BeginDragLayers paints what lies beneath the shape at position and
// what lies above it once, as kept layers; each DrawDragFrame then paints only the shape,
// outlined in orange, between them; EndDragLayers drops the layers.
void BeginDragLayers(WindowHandle dialog, std::int32_t id, const LinkListCollection& list,
                     std::int32_t position);
void DrawDragFrame(WindowHandle dialog, std::int32_t id, const iShape& shape);
void EndDragLayers(WindowHandle dialog, std::int32_t id);
// The position of the first shape in the list that the point hits (the one on top), or 0.
std::int32_t FindShapeAt(const LinkListCollection& list, std::int32_t x, std::int32_t y);
// The position in Shapes of the shape an edit dialog edits, or 0 when it is gone.
std::int32_t FindShapeIndex(WindowHandle dialog);
