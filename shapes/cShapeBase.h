#pragma once

#include "shapes/ShapeKind.h"
#include "shapes/iShape.h"

#include <array>
#include <cstdint>
#include <string>

// What every shape class shares, derived from its kind: the values, the records and
// their messages and the random defaults. A class adds its kind, its drawing and its hit
// test, and cShapeOf its editing.
class cShapeBase : public iShape {
  public:
    std::string_view ShapeName() const final { return Kind().keyword; }
    std::string ToText() const final;
    void FromText(std::string_view record) final;

    ShapeValues Values() const final;
    void SetValues(const ShapeValues& values) final;
    std::optional<ShapeValues> FollowOutline(const ShapeValues& before, OutlinePoint grab,
                                             OutlinePoint now) const final {
        return ValuesFollowingOutline(Kind().values, before, grab, now);
    }

    // The message for a record with the wrong number of fields, such as
    // "Invalid circle settings s/b circle,x,y,radius".
    static std::string SettingsMessage(const ShapeKind& kind);
    // The kind's declaration, for those that describe a shape of any kind.
    const ShapeKind& Declaration() const { return Kind(); }

    // What the class declares itself to be: keyword, caption, values and their labels.
    virtual const ShapeKind& Kind() const = 0;

  protected:
    cShapeBase() = default;
    // Draws every value from its default range, fixed ranges first.
    void DrawDefaults();
    // The box with these corners, in any order, each limited to 32 bits.
    static ShapeBox BoxOf(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

    std::int32_t Value(std::size_t i) const { return values_[i]; }
    void SetValue(std::size_t i, std::int32_t value) { values_[i] = value; }

  private:
    std::array<std::int32_t, kMostShapeValues> values_{};
};
