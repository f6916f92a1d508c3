#pragma once

#include "shapes/cShapeBase.h"
#include "shapes/iShapeProperties.h"

#include <iterator>
#include <memory>

// The base of every shape class: Self declares its kind as kKind (over its values
// kValues); Properties is its property interface, if it has one beyond the position.
// Position and copying come from here.
template <class Self, class Properties = iPosition>
class cShapeOf : public cShapeBase, public Properties {
  public:
    std::shared_ptr<iShape> NewShape() const final { return std::make_shared<Self>(); }

    std::int32_t GetX() const final { return Value(0); }
    void SetX(const std::int32_t& value) final { SetValue(0, value); }
    std::int32_t GetY() const final { return Value(1); }
    void SetY(const std::int32_t& value) final { SetValue(1, value); }

  protected:
    cShapeOf() {
        static_assert(std::size(Self::kValues) >= 2, "a shape has at least X and Y");
        static_assert(std::size(Self::kValues) <= kMostShapeValues,
                      "the edit panel holds no more values than kMostShapeValues");
        DrawDefaults();
    }

  private:
    const ShapeKind& Kind() const final { return Self::kKind; }
};
