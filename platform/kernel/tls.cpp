// Thread-local storage slots: TlsAlloc, TlsGetValue, TlsSetValue, TlsFree.
//
// Each index carries a generation that changes whenever it is allocated or freed; a
// thread's stored value counts only while its generation matches. That gives Windows'
// guarantee that a freshly allocated index reads as NULL in every thread, without
// visiting the other threads' storage.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/win32.h"

namespace {

// Windows offers 64 slots plus 1024 expansion slots per process.
constexpr DWORD kTlsSlots = 64 + 1024;

struct SlotTable {
  std::mutex mutex;  // serialises allocation and release
  std::array<std::atomic<bool>, kTlsSlots> in_use{};
  std::array<std::atomic<std::uint32_t>, kTlsSlots> generation{};
};

SlotTable& Slots() {
  static SlotTable table;
  return table;
}

struct ThreadCell {
  std::uint32_t generation = 0;
  LPVOID value = nullptr;
};

// Made on a thread's first TlsSetValue, freed when the thread ends.
thread_local std::unique_ptr<ThreadCell[]> thread_cells;

bool IsAllocated(DWORD index) {
  return index < kTlsSlots && Slots().in_use[index].load(std::memory_order_acquire);
}

}  // namespace

extern "C" {

DWORD TlsAlloc() {
  SlotTable& slots = Slots();
  std::lock_guard lock(slots.mutex);
  for (DWORD index = 0; index < kTlsSlots; ++index) {
    if (!slots.in_use[index].load(std::memory_order_relaxed)) {
      slots.generation[index].fetch_add(1, std::memory_order_relaxed);
      slots.in_use[index].store(true, std::memory_order_release);
      return index;
    }
  }
  SetLastError(ERROR_NO_MORE_ITEMS);
  return TLS_OUT_OF_INDEXES;
}

LPVOID TlsGetValue(DWORD index) {
  if (!IsAllocated(index)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // Windows clears the last error here so that a stored NULL can be told from a failure.
  SetLastError(ERROR_SUCCESS);
  if (!thread_cells) return nullptr;
  const ThreadCell& cell = thread_cells[index];
  if (cell.generation != Slots().generation[index].load(std::memory_order_acquire)) return nullptr;
  return cell.value;
}

BOOL TlsSetValue(DWORD index, LPVOID value) {
  if (!IsAllocated(index)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!thread_cells) thread_cells = std::make_unique<ThreadCell[]>(kTlsSlots);
  ThreadCell& cell = thread_cells[index];
  cell.generation = Slots().generation[index].load(std::memory_order_acquire);
  cell.value = value;
  return TRUE;
}

BOOL TlsFree(DWORD index) {
  SlotTable& slots = Slots();
  std::lock_guard lock(slots.mutex);
  if (!IsAllocated(index)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  slots.generation[index].fetch_add(1, std::memory_order_relaxed);
  slots.in_use[index].store(false, std::memory_order_release);
  return TRUE;
}

}  // extern "C"
