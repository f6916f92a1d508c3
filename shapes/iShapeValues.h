#pragma once

#include "shapes/ShapeValues.h"

// The values of any shape, whatever its kind: how the drawing stores what an edit
// dialog was given, and how it could later move or copy a shape.
class iShapeValues {
  public:
    virtual ~iShapeValues() = default;
    // X, Y, then the size values, in record order.
    virtual ShapeValues Values() const = 0;
    // Stores values in record order without any check; nothing is redrawn.
    virtual void SetValues(const ShapeValues& values) = 0;
};
