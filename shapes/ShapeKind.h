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

// How a value follows a drag on the selected shape's outline. A kind none of whose values
// follows can be moved by dragging, not resized.
struct OutlineFollow {
    enum class Rule { Stays, LowEdge, Extent, Reach };
    Rule rule = Rule::Stays;
    std::size_t axis = 0; // LowEdge, Extent: 0 along x, 1 along y
    // Reach: the value that puts the point (dx, dy) away from (X, Y) on the outline.
    std::int64_t (*reach)(std::int64_t dx, std::int64_t dy) = nullptr;
};

// The left or top edge: when grabbed it follows, and the extent along that axis changes
// so that the far edge stays.
constexpr OutlineFollow LowEdge(std::size_t axis) {
    return {OutlineFollow::Rule::LowEdge, axis, nullptr};
}
// The width or height from the LowEdge of its axis: the far edge follows when grabbed.
constexpr OutlineFollow Extent(std::size_t axis) {
    return {OutlineFollow::Rule::Extent, axis, nullptr};
}
// A size about the centre (X, Y): the outline, wherever grabbed, passes through the pointer.
constexpr OutlineFollow Reach(std::int64_t (*reach)(std::int64_t dx, std::int64_t dy)) {
    return {OutlineFollow::Rule::Reach, 0, reach};
}

// One value of a record: its label in the edit dialog, its name in the record's
// settings message, how a new shape draws it and how it follows a drag on the outline.
struct ShapeValue {
    std::string_view label;
    std::string_view recordName;
    DefaultRange defaults;
    OutlineFollow outline{};
};

// A kind: the keyword of its records and its button, the caption of its edit dialog,
// its values in record order (X, Y, then the sizes).
struct ShapeKind {
    std::string_view keyword;
    std::string_view caption;
    std::span<const ShapeValue> values;
};
