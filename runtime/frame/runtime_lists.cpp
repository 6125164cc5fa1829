#include "runtime/frame/runtime_lists.h"

#include <array>
#include <mutex>

#include "runtime/frame/programming_error.h"
#include "runtime/frame/spin_lock.h"

namespace runtime {
namespace {

using ResetFunction = void (*)();

struct ResetRegistry {
  SpinLock lock;
  std::array<ResetFunction, 16> resets{};
  int count = 0;
};

ResetRegistry& Registry() {
  static ResetRegistry registry;
  return registry;
}

}  // namespace

void RegisterRuntimeListReset(void (*reset)()) {
  ResetRegistry& registry = Registry();
  std::lock_guard hold(registry.lock);
  for (int i = 0; i < registry.count; ++i) {
    if (registry.resets[i] == reset) return;
  }
  VESTRALINO_EXPECT(registry.count < static_cast<int>(registry.resets.size()),
                    "more run-time lists than the reset registry holds");
  registry.resets[registry.count++] = reset;
}

void ResetRuntimeLists() {
  ResetRegistry& registry = Registry();
  // Copied out first: a reset takes its own list's lock, never while holding this one.
  std::array<ResetFunction, 16> resets;
  int count;
  {
    std::lock_guard hold(registry.lock);
    resets = registry.resets;
    count = registry.count;
  }
  for (int i = 0; i < count; ++i) resets[i]();
}

}  // namespace runtime
