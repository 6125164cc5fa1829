#include "runtime/graphics/graphic_lock.h"

#include <atomic>
#include <cstdint>

#include "platform/win32.h"

namespace runtime {
namespace {

std::atomic<std::int32_t> g_graphic_lock{0};

}  // namespace

void take_graphic_lock() {
  while (g_graphic_lock.exchange(-1, std::memory_order_acquire) != 0) Sleep(0);
}

void release_graphic_lock() { g_graphic_lock.store(0, std::memory_order_release); }

bool graphic_lock_held() { return g_graphic_lock.load(std::memory_order_relaxed) != 0; }

}  // namespace runtime
