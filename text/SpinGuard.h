#pragma once

#include <atomic>
#include <thread>

// Holds a flag for its lifetime, busy-waiting while another thread holds it: the guarded
// operations are short, so yielding beats a mutex.
class SpinGuard {
  public:
    explicit SpinGuard(std::atomic_flag& flag) : flag_(flag) {
        while (flag_.test_and_set(std::memory_order_acquire))
            std::this_thread::yield();
    }
    ~SpinGuard() { flag_.clear(std::memory_order_release); }
    SpinGuard(const SpinGuard&) = delete;
    SpinGuard& operator=(const SpinGuard&) = delete;

  private:
    std::atomic_flag& flag_;
};
