#pragma once

#include "app/ShapeIndex.h"
#include "shapes/ShapeBox.h"

// Paints one area of the attached surface afresh, as a whole repaint would paint it, and
// nothing outside it: white, then the shapes that meet it, bottom first. Only the shapes
// that can show are painted: walking down from the top shape, their coverage is marked
// until it hides the whole area, and what lies beneath is left out. The pen width must
// be set. A shape left out is painted as if it were not in the drawing.
void RepaintArea(const ShapeBox& area, const cShapeIndex& index, const iShape* leftOut = nullptr);
