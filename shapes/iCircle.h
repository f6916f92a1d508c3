#pragma once

#include <cstdint>

// The values of a circle, for its edit dialog. Setters store without any check.
class iCircle {
  public:
    virtual ~iCircle() = default;
    virtual std::int32_t GetX() const = 0;
    virtual void SetX(const std::int32_t& value) = 0;
    virtual std::int32_t GetY() const = 0;
    virtual void SetY(const std::int32_t& value) = 0;
    virtual std::int32_t GetRadius() const = 0;
    virtual void SetRadius(const std::int32_t& value) = 0;
};
