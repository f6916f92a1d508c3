#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Growable text builder for records and whole drawing files: appends in amortised
// constant time (the room doubles), so a drawing is assembled in time linear in its
// length. Each operation is guarded, so one builder may be shared between threads.
class StringBuilderA {
  public:
    enum Result : std::int32_t { Ok = 0, OutOfMemory = 7 };

    StringBuilderA();
    StringBuilderA(StringBuilderA&&) = delete;
    StringBuilderA(const StringBuilderA&) = delete;
    StringBuilderA& operator=(const StringBuilderA&) = delete;

    // Appends the bytes of piece. When the room cannot grow, returns OutOfMemory and
    // keeps the previous content.
    Result ADD(std::string_view piece);
    // The whole content as a new text; the builder is unchanged.
    std::string STRING() const;

    // Largest content the builder will try to hold; tests lower it to see a failed growth.
    void SetLimit(std::size_t bytes);

  private:
    static constexpr std::size_t kInitialRoom = 1024;

    bool Grow(std::size_t needed);

    // The first room lives in the builder itself: a record is built without touching
    // the heap. Larger texts move to heap_, doubling as they grow.
    char initial_[kInitialRoom];
    std::unique_ptr<char[]> heap_;
    char* data_ = initial_;
    std::size_t room_ = kInitialRoom;
    std::size_t length_ = 0;
    std::size_t limit_;
    mutable std::atomic_flag busy_ = ATOMIC_FLAG_INIT;
};
