#include "platform/kernel/kernel_objects.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

// Values are multiples of 4, as Windows' are, start well away from 0 and from the
// pseudo-handles near -1, and only grow.
constexpr std::uintptr_t kFirstHandleValue = 0x1000;
constexpr std::uintptr_t kHandleStep = 4;

struct HandleTable {
  std::mutex mutex;
  std::unordered_map<std::uintptr_t, std::shared_ptr<KernelObject>> objects;
  std::uintptr_t next_value = kFirstHandleValue;
};

HandleTable& Table() {
  static HandleTable* const table = new HandleTable;  // outlives every static destructor
  return *table;
}

std::uintptr_t KeyOf(HANDLE handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace

HANDLE InsertKernelObject(std::shared_ptr<KernelObject> object) {
  HandleTable& table = Table();
  std::lock_guard<std::mutex> hold(table.mutex);
  const std::uintptr_t value = table.next_value;
  table.next_value += kHandleStep;
  table.objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> FindKernelObject(HANDLE handle) {
  HandleTable& table = Table();
  std::lock_guard<std::mutex> hold(table.mutex);
  const auto found = table.objects.find(KeyOf(handle));
  if (found == table.objects.end()) return nullptr;
  return found->second;
}

std::shared_ptr<KernelObject> RemoveKernelObject(HANDLE handle) {
  HandleTable& table = Table();
  std::shared_ptr<KernelObject> object;
  {
    std::lock_guard<std::mutex> hold(table.mutex);
    const auto found = table.objects.find(KeyOf(handle));
    if (found == table.objects.end()) return nullptr;
    object = std::move(found->second);
    table.objects.erase(found);
  }
  return object;
}

}  // namespace platform

extern "C" BOOL CloseHandle(HANDLE handle) {
  const std::shared_ptr<platform::KernelObject> object = platform::FindKernelObject(handle);
  if (!object || !object->ClosedByCloseHandle()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // Dropping the table's reference closes the object once no call is using it any more.
  // Another thread may have closed the same handle in between: only one of us succeeds.
  if (!platform::RemoveKernelObject(handle)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
