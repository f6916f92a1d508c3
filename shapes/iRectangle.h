#pragma once

#include <cstdint>

// The values of a rectangle, for its edit dialog. Setters store without any check.
class iRectangle {
  public:
    virtual ~iRectangle() = default;
    virtual std::int32_t GetX() const = 0;
    virtual void SetX(const std::int32_t& value) = 0;
    virtual std::int32_t GetY() const = 0;
    virtual void SetY(const std::int32_t& value) = 0;
    virtual std::int32_t GetWidth() const = 0;
    virtual void SetWidth(const std::int32_t& value) = 0;
    virtual std::int32_t GetHeight() const = 0;
    virtual void SetHeight(const std::int32_t& value) = 0;
};
