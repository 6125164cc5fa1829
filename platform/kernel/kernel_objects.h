// The process's table of kernel objects: what a HANDLE stands for.
//
// Handles are table keys, never pointers, so a stale or forged handle is looked up and
// refused (ERROR_INVALID_HANDLE) instead of being followed. The table holds objects by
// shared ownership: a call in progress keeps its object alive while another thread closes
// the handle, and the object is destroyed when the last user lets go.
#pragma once

#include <memory>

#include "platform/win32.h"

namespace platform {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
  // CloseHandle refuses objects that have their own closing call (FindClose for finds).
  virtual bool ClosedByCloseHandle() const { return true; }
};

// A new handle for object; handle values are never reused within a process.
HANDLE InsertKernelObject(std::shared_ptr<KernelObject> object);

// The object behind handle, or null (last error untouched) when there is none.
std::shared_ptr<KernelObject> FindKernelObject(HANDLE handle);

// Removes handle from the table and hands back its object (null when unknown).
std::shared_ptr<KernelObject> RemoveKernelObject(HANDLE handle);

// The object behind handle when it is a T; otherwise null with ERROR_INVALID_HANDLE set.
template <class T>
std::shared_ptr<T> FindKernelObjectOf(HANDLE handle) {
  std::shared_ptr<T> object = std::dynamic_pointer_cast<T>(FindKernelObject(handle));
  if (!object) SetLastError(ERROR_INVALID_HANDLE);
  return object;
}

}  // namespace platform
