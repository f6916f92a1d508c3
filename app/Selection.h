#pragma once

#include "shapes/iShapeEditHost.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// Selects the shape at that position of Shapes, as a click on it does: repaints, outlines
// it and opens its editor through the host. Position 0 (a miss) changes nothing, so an
// earlier highlight stays.
void SelectShape(WindowHandle dialog, std::int32_t position, iShapeEditHost& host);
// The selected shape's position: the one whose editor shows, outlined in orange; else 0.
std::int32_t SelectedShape();
