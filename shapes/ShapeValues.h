#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

// X, Y and the size values of a shape, in record order: at most four, kept in place so
// that reading and writing records allocates nothing for them.
class ShapeValues {
  public:
    static constexpr std::size_t kMost = 4;

    ShapeValues() = default;
    ShapeValues(std::initializer_list<std::int32_t> values) {
        for (const std::int32_t value : values)
            push_back(value);
    }

    void push_back(std::int32_t value) {
        if (size_ < kMost)
            values_[size_++] = value;
    }
    std::size_t size() const { return size_; }
    std::int32_t operator[](std::size_t i) const { return values_[i]; }
    std::span<const std::int32_t> span() const { return {values_.data(), size_}; }
    const std::int32_t* begin() const { return values_.data(); }
    const std::int32_t* end() const { return values_.data() + size_; }

  private:
    std::array<std::int32_t, kMost> values_{};
    std::size_t size_ = 0;
};
