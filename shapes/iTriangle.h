#pragma once

#include <cstdint>

// The values of a triangle, for its edit dialog. Setters store without any check.
class iTriangle {
  public:
    virtual ~iTriangle() = default;
    virtual std::int32_t GetX() const = 0;
    virtual void SetX(const std::int32_t& value) = 0;
    virtual std::int32_t GetY() const = 0;
    virtual void SetY(const std::int32_t& value) = 0;
    virtual std::int32_t GetHalfSide() const = 0;
    virtual void SetHalfSide(const std::int32_t& value) = 0;
};
