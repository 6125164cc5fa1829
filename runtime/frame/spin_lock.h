// The run-time layer's locks: a 32-bit word taken by atomically exchanging -1 into it
// until the old value is 0, released by storing 0. Held for one list walk or insertion.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

namespace runtime {

class SpinLock {
 public:
  void lock() {
    for (unsigned spins = 0; word_.exchange(-1, std::memory_order_acquire) != 0; ++spins) {
      if (spins >= 64) std::this_thread::yield();
    }
  }
  bool try_lock() { return word_.exchange(-1, std::memory_order_acquire) == 0; }
  void unlock() { word_.store(0, std::memory_order_release); }

 private:
  std::atomic<std::int32_t> word_{0};
};

}  // namespace runtime
