#pragma once

#include "shapes/iShape.h"

#include <string>

// A shape in words, from its kind's own declaration: the keyword, then each value's label
// and value, such as "circle: X 120, Y 87, Radius 25". A shape whose kind is not declared
// that way is given by its record.
std::string ShapeInWords(const iShape& shape);
