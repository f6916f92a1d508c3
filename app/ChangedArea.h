#pragma once

#include "shapes/ShapeBox.h"

#include <vector>

// What changed in the drawing since its last repaint: a few boxes, or the whole of it.
// Overlapping boxes are joined; past a handful, all of them become one.
class cChangedArea {
  public:
    void Add(const ShapeBox& box);
    void AddWhole() { whole_ = true; }
    bool Whole() const { return whole_; }
    const std::vector<ShapeBox>& Boxes() const { return boxes_; }
    void Clear();

  private:
    std::vector<ShapeBox> boxes_;
    bool whole_ = false;
};
