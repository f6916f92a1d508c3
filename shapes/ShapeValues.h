#pragma once

#include "shapes/ShapeKind.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// X, Y and the size values of a shape, in record order, kept in place so that records
// are read and written without allocating. No kind has more than kMostShapeValues.
class ShapeValues {
  public:
    ShapeValues() = default;
    explicit ShapeValues(std::span<const std::int32_t> values)
        : size_(std::min(values.size(), kMostShapeValues)) {
        std::copy_n(values.begin(), size_, values_.begin());
    }

    std::size_t size() const { return size_; }
    std::int32_t operator[](std::size_t i) const { return values_[i]; }
    std::int32_t& operator[](std::size_t i) { return values_[i]; }
    const std::int32_t* begin() const { return values_.data(); }
    const std::int32_t* end() const { return values_.data() + size_; }
    bool operator==(const ShapeValues& other) const {
        return std::equal(begin(), end(), other.begin(), other.end());
    }

  private:
    std::array<std::int32_t, kMostShapeValues> values_{};
    std::size_t size_ = 0;
};
