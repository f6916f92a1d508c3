#pragma once

#include "shapes/iShape.h"
#include "ui/PointerShape.h"
#include "ui/WindowTypes.h"

// Whether a point lies on a shape's outline as its highlight paints it (4 pixels wide, and a
// pixel either side) where its kind can be resized, and which way a drag there stretches
// it; Ordinary where it does not. Any kind's outline is found through its hit test.
PointerShape OutlineAt(const iShape& shape, ClientPoint at);
