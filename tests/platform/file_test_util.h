// Small helpers shared by the tests of the kernel file calls.
#pragma once

#include <string>

#include "platform/kernel/paths.h"
#include "platform/win32.h"

namespace file_test {

// The UTF-16 form of a test path (test paths are valid UTF-8).
inline std::u16string Wide(const std::string& utf8) {
  return *platform::PathUtf8ToUtf16(utf8);
}

inline HANDLE Open(const std::string& path, DWORD access, DWORD share,
                   DWORD disposition = OPEN_ALWAYS) {
  return CreateFileW(Wide(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// The last error of a call that must have failed, or 0 when it did not fail.
inline DWORD ErrorOfOpen(const std::string& path, DWORD access, DWORD share,
                         DWORD disposition = OPEN_ALWAYS) {
  const HANDLE handle = Open(path, access, share, disposition);
  if (handle != INVALID_HANDLE_VALUE) {
    CloseHandle(handle);
    return 0;
  }
  return GetLastError();
}

}  // namespace file_test
