#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// What makes a kind of shape its kind, declared once by each shape class: records, the
// edit dialog, random defaults and messages all follow from it.

// The drawing area is this many pixels square; random shapes lie wholly inside it.
constexpr std::int32_t kDrawingSize = 320;
// The edit panel (300 pixels high) holds a text box for this many values, and no more.
constexpr std::size_t kMostShapeValues = 4;

// How a new shape draws a value. Values with a fixed range are drawn first, in record
// order; then the values placed by them, so that the whole shape lies inside the area.
struct DefaultRange {
    enum class Rule { Between, CentredBy, CornerBy };
    Rule rule = Rule::Between;
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::size_t sizeValue = 0; // CentredBy, CornerBy: the value that gives the extent
};

constexpr DefaultRange Between(std::int32_t low, std::int32_t high) {
    return {DefaultRange::Rule::Between, low, high, 0};
}
// A centre at least that value (a half-size) away from both edges.
constexpr DefaultRange CentredBy(std::size_t sizeValue) {
    return {DefaultRange::Rule::CentredBy, 0, 0, sizeValue};
}
// A top or left edge from 1 to the far edge less that value (a whole extent).
constexpr DefaultRange CornerBy(std::size_t sizeValue) {
    return {DefaultRange::Rule::CornerBy, 0, 0, sizeValue};
}

// One value of a record: its label in the edit dialog, its name in the record's
// settings message, and how a new shape draws it.
struct ShapeValue {
    std::string_view label;
    std::string_view recordName;
    DefaultRange defaults;
};

// A kind: the keyword of its records and its button, the caption of its edit dialog,
// its values in record order (X, Y, then the sizes).
struct ShapeKind {
    std::string_view keyword;
    std::string_view caption;
    std::span<const ShapeValue> values;
};
