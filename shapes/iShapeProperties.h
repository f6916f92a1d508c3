#pragma once

#include <cstdint>

// The property interfaces: each kind's values, one getter and one setter each, in
// record order. Setters store without any check. What every kind has, the position,
// is one interface that the others build on; a kind needs no more than that one.

class iPosition {
  public:
    virtual ~iPosition() = default;
    virtual std::int32_t GetX() const = 0;
    virtual void SetX(const std::int32_t& value) = 0;
    virtual std::int32_t GetY() const = 0;
    virtual void SetY(const std::int32_t& value) = 0;
};

class iCircle : public iPosition {
  public:
    virtual std::int32_t GetRadius() const = 0;
    virtual void SetRadius(const std::int32_t& value) = 0;
};

class iRectangle : public iPosition {
  public:
    virtual std::int32_t GetWidth() const = 0;
    virtual void SetWidth(const std::int32_t& value) = 0;
    virtual std::int32_t GetHeight() const = 0;
    virtual void SetHeight(const std::int32_t& value) = 0;
};

class iTriangle : public iPosition {
  public:
    virtual std::int32_t GetHalfSide() const = 0;
    virtual void SetHalfSide(const std::int32_t& value) = 0;
};
