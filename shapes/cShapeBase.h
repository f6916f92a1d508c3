#pragma once

#include "shapes/ShapeValues.h"
#include "shapes/cShapeEditDialog.h"
#include "shapes/iShape.h"

#include <cstdint>
#include <span>
#include <string>

// What all shape classes share: the position X, Y, the rules of text records and the
// edit dialog. A class adds its size values, its drawing and its hit test.
class cShapeBase : public iShape {
  public:
    std::string ToText() const final;
    void FromText(std::string_view record) final;
    void Edit() final;

  protected:
    cShapeBase() = default;

    // The class's edit dialog.
    virtual const ShapeForm& Form() const = 0;
    // The message for a record with the wrong number of fields.
    virtual std::string SettingsMessage() const = 0;
    // X, Y, then the size values, in record order.
    virtual ShapeValues Values() const = 0;
    virtual void StoreValues(std::span<const std::int32_t> values) = 0;

    std::int32_t x_ = 0;
    std::int32_t y_ = 0;

  private:
    cShapeEditDialog editDialog_;
};
