#pragma once

#include "shapes/OutlineDrag.h"
#include "shapes/ShapeBox.h"
#include "shapes/ShapeValues.h"
#include "ui/GraphicTypes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class iShapeEditHost;

// Booleans of the shape operations: -1 for true, 0 for false; callers test for non-zero.
constexpr std::int32_t kTrue = -1;
constexpr std::int32_t kFalse = 0;

// A shape's identity: a 32-bit serial number, unique for the run and never reused, so an
// edit dialog can name its shape in a 32-bit slot without keeping it alive.
using ShapeIdentity = std::int32_t;

// The one interface through which the rest of the program handles every kind of shape.
class iShape {
  public:
    virtual ~iShape() = default;
    iShape(const iShape&) = delete;
    iShape& operator=(const iShape&) = delete;

    // The kind's keyword in lower case: first field of its record, caption of its button.
    virtual std::string_view ShapeName() const = 0;
    // The shape's text record, such as circle,120,87,25.
    virtual std::string ToText() const = 0;
    // Sets the values from a record; a bad record shows a message and changes nothing.
    virtual void FromText(std::string_view record) = 0;
    // Draws on the attached surface with its pen width: the outline in the given colour
    // (black when absent), the interior in the shape fill colour.
    virtual void Draw(std::optional<RgbColor> outline) const = 0;
    // Opens the shape's edit dialog in the host's view panel, with its current values; the
    // dialog's Update and Cancel act through that host.
    virtual void Edit(iShapeEditHost& host) = 0;
    // A new shape of the same kind with fresh random values.
    virtual std::shared_ptr<iShape> NewShape() const = 0;
    // kTrue when the point lies on the shape (outline included), else kFalse.
    virtual std::int32_t HitTest(std::int32_t x, std::int32_t y) const = 0;

    // The values of every kind: X, Y, then the sizes in record order, so the drawing can
    // store, move or copy any shape without knowing its kind.
    virtual ShapeValues Values() const = 0;
    // Stores values in record order without any check; nothing is redrawn.
    virtual void SetValues(const ShapeValues& values) = 0;

    ShapeIdentity Identity() const { return identity_; }

    // The values a drag on the outline gives: from the values before, grabbed at grab, the
    // pointer now at now. Nothing when the kind cannot be resized so.
    virtual std::optional<ShapeValues> FollowOutline(const ShapeValues&, OutlinePoint,
                                                     OutlinePoint) const {
        return std::nullopt;
    }
    // The box the shape's drawing lies in, or nothing for a kind that cannot tell: then
    // a change to it repaints the whole drawing.
    virtual std::optional<ShapeBox> Bounds() const { return std::nullopt; }

  protected:
    iShape();

  private:
    const ShapeIdentity identity_;
};

// The interior colour of every shape: red 168, green 255, blue 255.
constexpr RgbColor kShapeFill = 0x00FFFFA8;
constexpr RgbColor kBlack = 0;
