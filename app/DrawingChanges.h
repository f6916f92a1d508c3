#pragma once

#include "shapes/LinkListCollection.h"
#include "shapes/ShapeValues.h"

#include <cstdint>
#include <memory>
#include <optional>

// The only code that writes to the drawing. None of it repaints or records anything: the
// history (app/DrawingHistory) calls these to do and undo its steps.

// Puts the shape at that position (1 is on top; COUNT() + 1 beneath all).
void InsertShape(std::int32_t position, std::shared_ptr<iShape> shape);
// Takes the shape at that position out of the drawing and hands it over.
std::shared_ptr<iShape> RemoveShape(std::int32_t position);
// Puts shapes in place of the drawing and hands back the drawing they replaced.
LinkListCollection ReplaceShapes(LinkListCollection shapes);
// Stores new values into the shape at that position. The values it had, or nothing when
// the position names no shape.
std::optional<ShapeValues> SetShapeValues(std::int32_t position, const ShapeValues& values);
// Moves the shape at from to position to, the others closing up.
void MoveShapeTo(std::int32_t from, std::int32_t to);
// The position of the shape in the drawing, or 0.
std::int32_t PositionOf(const iShape& shape);
