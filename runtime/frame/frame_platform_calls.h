// The platform calls that process start-up and shut-down make, gathered in one table so
// that the frame's order of steps can be watched (and a refused platform or a TLS
// failure provoked) in-process. The program always runs with the defaults.
#pragma once

#include "platform/win32.h"

namespace runtime {

struct FramePlatformCalls {
  BOOL (*GetVersionExA)(OSVERSIONINFOA* info) = ::GetVersionExA;
  int (*MessageBoxA)(HWND owner, LPCSTR text, LPCSTR caption, UINT style) = ::MessageBoxA;
  void (*GetStartupInfoA)(STARTUPINFOA* info) = ::GetStartupInfoA;
  LPWSTR (*GetCommandLineW)() = ::GetCommandLineW;
  HMODULE (*GetModuleHandleW)(LPCWSTR name) = ::GetModuleHandleW;
  DWORD (*TlsAlloc)() = ::TlsAlloc;
  BOOL (*TlsFree)(DWORD index) = ::TlsFree;
  HRESULT (*CoInitialize)(LPVOID reserved) = ::CoInitialize;
  void (*CoUninitialize)() = ::CoUninitialize;
  BOOL (*InitCommonControlsEx)(const INITCOMMONCONTROLSEX* init) = ::InitCommonControlsEx;
};

}  // namespace runtime
