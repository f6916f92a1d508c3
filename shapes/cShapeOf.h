#pragma once

#include "shapes/cEditDialogOwner.h"
#include "shapes/cShapeBase.h"
#include "shapes/iShapeProperties.h"

#include <memory>

// The base of every shape class: Self declares its kind as kKind; Properties is its
// property interface, if it has one beyond the position. Position, copying and editing
// come from here; editing lives apart from the values so that the values' code never
// reaches the program through the edit dialog's host.
template <class Self, class Properties = iPosition>
class cShapeOf : public cShapeBase, public Properties {
  public:
    std::shared_ptr<iShape> NewShape() const final { return std::make_shared<Self>(); }
    void Edit(iShapeEditHost& host) final {
        editDialog_.Open(host, Self::kKind, Values(), Identity());
    }

    std::int32_t GetX() const final { return Value(0); }
    void SetX(const std::int32_t& value) final { SetValue(0, value); }
    std::int32_t GetY() const final { return Value(1); }
    void SetY(const std::int32_t& value) final { SetValue(1, value); }

  protected:
    cShapeOf() {
        static_assert(Self::kKind.values.size() >= 2, "a shape has at least X and Y");
        static_assert(Self::kKind.values.size() <= kMostShapeValues,
                      "the edit panel holds no more values than kMostShapeValues");
        DrawDefaults();
    }

  private:
    const ShapeKind& Kind() const final { return Self::kKind; }

    cEditDialogOwner editDialog_; // destroyed with the shape, and the dialog with it
};
