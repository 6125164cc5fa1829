// GetModuleHandleW/A, GetModuleFileNameA, LoadLibraryA, GetProcAddress and FreeLibrary
// over the fixed table of pseudo-modules.
#include "platform/kernel/modules.h"

#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <span>
#include <string_view>

#include "platform/kernel/errno_map.h"

namespace platform {
namespace {

struct ExportedProc {
  std::string_view name;
  FARPROC address;
};

// Every export is handed out as FARPROC and cast back by the caller to its real type;
// going through void (*)() is the conversion that says so.
template <class Function>
FARPROC ProcAddress(Function* function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

// KERNEL32 exports what the run-time layer looks up at run time (free space, which may be
// missing on old systems) and the calls this platform's kernel part provides.
const ExportedProc kKernel32Procs[] = {
    {"FileTimeToSystemTime", ProcAddress(&FileTimeToSystemTime)},
    {"FreeLibrary", ProcAddress(&FreeLibrary)},
    {"GetACP", ProcAddress(&GetACP)},
    {"GetCommandLineW", ProcAddress(&GetCommandLineW)},
    {"GetCurrentThreadId", ProcAddress(&GetCurrentThreadId)},
    {"GetDiskFreeSpaceA", ProcAddress(&GetDiskFreeSpaceA)},
    {"GetDiskFreeSpaceExA", ProcAddress(&GetDiskFreeSpaceExA)},
    {"GetDiskFreeSpaceExW", ProcAddress(&GetDiskFreeSpaceExW)},
    {"GetLastError", ProcAddress(&GetLastError)},
    {"GetLocalTime", ProcAddress(&GetLocalTime)},
    {"GetModuleFileNameA", ProcAddress(&GetModuleFileNameA)},
    {"GetModuleHandleA", ProcAddress(&GetModuleHandleA)},
    {"GetModuleHandleW", ProcAddress(&GetModuleHandleW)},
    {"GetProcAddress", ProcAddress(&GetProcAddress)},
    {"GetStartupInfoA", ProcAddress(&GetStartupInfoA)},
    {"GetTickCount", ProcAddress(&GetTickCount)},
    {"GetVersionExA", ProcAddress(&GetVersionExA)},
    {"GlobalAlloc", ProcAddress(&GlobalAlloc)},
    {"GlobalFree", ProcAddress(&GlobalFree)},
    {"LoadLibraryA", ProcAddress(&LoadLibraryA)},
    {"MultiByteToWideChar", ProcAddress(&MultiByteToWideChar)},
    {"SetLastError", ProcAddress(&SetLastError)},
    {"SetLocalTime", ProcAddress(&SetLocalTime)},
    {"Sleep", ProcAddress(&Sleep)},
    {"SystemTimeToFileTime", ProcAddress(&SystemTimeToFileTime)},
    {"TlsAlloc", ProcAddress(&TlsAlloc)},
    {"TlsFree", ProcAddress(&TlsFree)},
    {"TlsGetValue", ProcAddress(&TlsGetValue)},
    {"TlsSetValue", ProcAddress(&TlsSetValue)},
    {"WideCharToMultiByte", ProcAddress(&WideCharToMultiByte)},
};

const ExportedProc kComctl32Procs[] = {
    {"InitCommonControls", ProcAddress(&InitCommonControls)},
    {"InitCommonControlsEx", ProcAddress(&InitCommonControlsEx)},
};

struct Module {
  std::string_view base_name;  // without ".DLL"; empty for the executable
  std::span<const ExportedProc> procs;
};

// Handles are addresses of these entries, so they are stable, distinct and never
// confused with any other kind of handle.
const Module kExecutable{};
const std::array<Module, 6> kLibraries = {{
    {"KERNEL32", kKernel32Procs},
    {"USER32", {}},
    {"GDI32", {}},
    {"COMCTL32", kComctl32Procs},
    {"OLE32", {}},
    {"OLEAUT32", {}},
}};

HMODULE HandleOf(const Module& module) {
  return reinterpret_cast<HMODULE>(const_cast<Module*>(&module));
}

const Module* ModuleOf(HMODULE handle) {
  if (handle == nullptr || handle == HandleOf(kExecutable)) return &kExecutable;
  for (const Module& module : kLibraries) {
    if (handle == HandleOf(module)) return &module;
  }
  return nullptr;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// "kernel32", "KERNEL32.DLL" and "C:\Windows\System32\kernel32.dll" all name KERNEL32.
const Module* LibraryNamed(std::string_view name) {
  const std::size_t separator = name.find_last_of("\\/");
  if (separator != std::string_view::npos) name.remove_prefix(separator + 1);
  if (name.size() > 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".DLL")) {
    name.remove_suffix(4);
  }
  for (const Module& module : kLibraries) {
    if (EqualsIgnoringCase(name, module.base_name)) return &module;
  }
  return nullptr;
}

HMODULE FindLibrary(LPCSTR name) {
  const Module* module = LibraryNamed(name);
  if (module == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return HandleOf(*module);
}

// Module names are ASCII; any other character cannot match, so it becomes one that never does.
std::string NarrowModuleName(LPCWSTR name) {
  std::string narrow;
  for (; *name != 0; ++name) narrow.push_back(*name < 0x80 ? static_cast<char>(*name) : '\x7F');
  return narrow;
}

}  // namespace

HMODULE ExecutableModule() {
  return HandleOf(kExecutable);
}

bool IsExecutableModule(HMODULE module) {
  return ModuleOf(module) == &kExecutable;
}

std::string ExecutableWindowsPath() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0) return {};
  std::string path(buffer, static_cast<std::size_t>(length));
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace platform

extern "C" {

HMODULE GetModuleHandleW(LPCWSTR name) {
  if (name == nullptr) return platform::ExecutableModule();
  const std::string narrow = platform::NarrowModuleName(name);
  return platform::FindLibrary(narrow.c_str());
}

HMODULE GetModuleHandleA(LPCSTR name) {
  if (name == nullptr) return platform::ExecutableModule();
  return platform::FindLibrary(name);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR path, DWORD size) {
  if (!platform::IsExecutableModule(module)) {
    // The system libraries are built in: they have no file.
    SetLastError(platform::ModuleOf(module) == nullptr ? ERROR_INVALID_HANDLE
                                                       : ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (path == nullptr && size > 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  errno = 0;
  const std::string full = platform::ExecutableWindowsPath();
  if (full.empty()) {
    platform::SetLastErrorFromErrno(errno != 0 ? errno : ENOENT);
    return 0;
  }
  if (size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  // Windows' rule: a path that does not fit is cut to size - 1 characters and a NUL, and
  // the call answers with the full size and ERROR_INSUFFICIENT_BUFFER.
  if (full.size() >= size) {
    std::memcpy(path, full.data(), size - 1);
    path[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::memcpy(path, full.data(), full.size() + 1);
  return static_cast<DWORD>(full.size());
}

HMODULE LoadLibraryA(LPCSTR name) {
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return platform::FindLibrary(name);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  const platform::Module* found = platform::ModuleOf(module);
  if (found == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  // Small values are ordinals, not names; none of these modules exports by ordinal.
  if (reinterpret_cast<UINT_PTR>(name) <= 0xFFFF) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  for (const platform::ExportedProc& proc : found->procs) {
    if (proc.name == name) return proc.address;  // export names are case-sensitive
  }
  SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
  // The pseudo-modules are never unloaded; only a handle that names none is refused.
  if (module == nullptr || platform::ModuleOf(module) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
