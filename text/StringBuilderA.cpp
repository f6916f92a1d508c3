#include "text/StringBuilderA.h"

#include "text/SpinGuard.h"

#include <cstring>
#include <limits>
#include <new>

StringBuilderA::StringBuilderA() : limit_(std::numeric_limits<std::size_t>::max() / 2) {}

StringBuilderA::Result StringBuilderA::ADD(std::string_view piece) {
    if (piece.empty())
        return Ok;
    const SpinGuard guard(busy_);
    if (length_ > limit_ || piece.size() > limit_ - length_ || !Grow(length_ + piece.size()))
        return OutOfMemory;
    std::memcpy(data_ + length_, piece.data(), piece.size());
    length_ += piece.size();
    return Ok;
}

std::string StringBuilderA::STRING() const {
    const SpinGuard guard(busy_);
    return std::string(data_, length_);
}

void StringBuilderA::SetLimit(std::size_t bytes) {
    const SpinGuard guard(busy_);
    limit_ = bytes;
}

bool StringBuilderA::Grow(std::size_t needed) {
    if (needed <= room_)
        return true;
    std::size_t room = room_;
    while (room < needed)
        room *= 2;
    std::unique_ptr<char[]> larger(new (std::nothrow) char[room]);
    if (!larger)
        return false;
    if (length_ > 0)
        std::memcpy(larger.get(), data_, length_);
    heap_ = std::move(larger);
    data_ = heap_.get();
    room_ = room;
    return true;
}
