#include "platform/kernel/pause_work.h"

#include <atomic>

namespace platform {
namespace {

std::atomic<PauseWork> offered{nullptr};

}  // namespace

void OfferPauseWork(PauseWork work) {
  offered.store(work);
}

PauseWork TakePauseWork() {
  // Cheap for every later Sleep: one load once the work is gone.
  if (offered.load(std::memory_order_relaxed) == nullptr) return nullptr;
  return offered.exchange(nullptr);
}

}  // namespace platform
