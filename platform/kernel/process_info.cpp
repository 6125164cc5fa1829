// GetVersionExA and GetStartupInfoA: the facts a Windows program asks about its process.
#include <cstring>

#include "platform/win32.h"

namespace {

// This platform presents itself as Windows 10 (version 10.0, build 19045), NT family.
constexpr DWORD kMajorVersion = 10;
constexpr DWORD kMinorVersion = 0;
constexpr DWORD kBuildNumber = 19045;

}  // namespace

extern "C" {

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const DWORD size = info->dwOSVersionInfoSize;
  if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  // Only the fields after the size are written, and only as many as the caller declared.
  std::memset(reinterpret_cast<char*>(info) + sizeof(DWORD), 0, size - sizeof(DWORD));
  info->dwMajorVersion = kMajorVersion;
  info->dwMinorVersion = kMinorVersion;
  info->dwBuildNumber = kBuildNumber;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  if (size == sizeof(OSVERSIONINFOEXA)) {
    reinterpret_cast<OSVERSIONINFOEXA*>(info)->wProductType = VER_NT_WORKSTATION;
  }
  return TRUE;
}

void GetStartupInfoA(STARTUPINFOA* info) {
  if (info == nullptr) return;
  // No show state and no standard handles were handed over by a parent (dwFlags 0), so
  // the program shows its windows with SW_SHOWDEFAULT; the handle fields stay NULL, as
  // Windows leaves them meaningless without STARTF_USESTDHANDLES.
  *info = STARTUPINFOA{};
  info->cb = sizeof(STARTUPINFOA);
  info->dwFlags = 0;
  info->wShowWindow = SW_SHOWDEFAULT;
}

}  // extern "C"
