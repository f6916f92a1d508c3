#pragma once

#include "shapes/LinkListCollection.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// Finding shapes in the drawing; nothing here changes or paints anything.

// The position of the first shape in the list that the point hits (the one on top), or 0.
std::int32_t FindShapeAt(const LinkListCollection& list, std::int32_t x, std::int32_t y);
// The position in Shapes of the shape an edit dialog edits, or 0 when it is gone.
std::int32_t FindShapeIndex(WindowHandle dialog);
