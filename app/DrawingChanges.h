#pragma once

#include "shapes/LinkListCollection.h"
#include "shapes/ShapeValues.h"

#include <cstdint>
#include <memory>
#include <optional>

// The only ways the drawing changes. Each hands back what it replaced, so that a change
// can be recorded and taken back.

// Appends the shape beneath the others and repaints.
void AddShape(std::shared_ptr<iShape> shape);
// Empties the drawing and repaints; the removed shapes go when the caller drops them.
LinkListCollection ClearShapes();
// Puts shapes in place of the drawing, without repainting: what Load does.
LinkListCollection ReplaceShapes(LinkListCollection shapes);
// Stores new values into the shape at that position, without repainting: what Update
// does. The values it had, or nothing when the position names no shape.
std::optional<ShapeValues> UpdateShape(std::int32_t position, const ShapeValues& values);
