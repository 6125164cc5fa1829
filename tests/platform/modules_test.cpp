#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "platform/kernel/modules.h"
#include "platform/win32.h"

namespace {

// A FARPROC is cast back to the export's real type; void (*)() marks the conversion.
template <class Function>
Function* As(FARPROC proc) {
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(proc));
}

std::string ExpectedExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  std::string path(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

TEST(Modules, NamesAreMatchedWithoutCaseAndWithOrWithoutDll) {
  const HMODULE kernel = GetModuleHandleA("KERNEL32");
  ASSERT_NE(kernel, nullptr);
  for (const char* name : {"kernel32", "Kernel32.dll", "C:\\Windows\\System32\\kernel32.dll"}) {
    EXPECT_EQ(GetModuleHandleA(name), kernel) << name;
  }
  const HMODULE comctl = GetModuleHandleA("COMCTL32.DLL");
  ASSERT_NE(comctl, nullptr);
  EXPECT_NE(comctl, kernel);
  EXPECT_EQ(LoadLibraryA("comctl32"), comctl);
  EXPECT_TRUE(FreeLibrary(comctl));
  // Null names the executable.
  const HMODULE executable = GetModuleHandleW(nullptr);
  ASSERT_NE(executable, nullptr);
  EXPECT_NE(executable, kernel);
  EXPECT_EQ(GetModuleHandleA(nullptr), executable);
  EXPECT_EQ(platform::ExecutableModule(), executable);
}

TEST(Modules, UnknownNamesAreNotFound) {
  for (const char* name : {"", "KERNEL32.DLL.DLL", "KERNEL32.EXE"}) {
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA(name), nullptr) << name;
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND) << name;
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(name), nullptr) << name;
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND) << name;
  }
}

TEST(Modules, GetProcAddressFindsTheExportedCalls) {
  const HMODULE comctl = LoadLibraryA("COMCTL32.DLL");
  auto* init =
      As<BOOL(const INITCOMMONCONTROLSEX*)>(GetProcAddress(comctl, "InitCommonControlsEx"));
  ASSERT_NE(init, nullptr);
  EXPECT_EQ(init, &InitCommonControlsEx);
  const HMODULE kernel = GetModuleHandleW(u"KERNEL32");
  EXPECT_EQ(As<DWORD()>(GetProcAddress(kernel, "GetTickCount")), &GetTickCount);
  // Looked up at run time by the disk-space service, which quietly falls back without them.
  for (const char* name : {"GetDiskFreeSpaceExW", "GetDiskFreeSpaceExA", "GetDiskFreeSpaceA"}) {
    EXPECT_NE(GetProcAddress(kernel, name), nullptr) << name;
  }
  EXPECT_NE(GetProcAddress(comctl, "InitCommonControls"), nullptr);

  struct Missing {
    HMODULE module;
    LPCSTR name;
    DWORD error;
  } missing[] = {
      {kernel, "getdiskfreespaceexw", ERROR_PROC_NOT_FOUND},  // names are case-sensitive
      {kernel, "InitCommonControlsEx", ERROR_PROC_NOT_FOUND},
      {kernel, reinterpret_cast<LPCSTR>(1), ERROR_PROC_NOT_FOUND},  // an ordinal
      {reinterpret_cast<HMODULE>(0x1234), "GetTickCount", ERROR_MOD_NOT_FOUND},
  };
  for (const auto& m : missing) {
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(m.module, m.name), nullptr);
    EXPECT_EQ(GetLastError(), m.error);
  }
  SetLastError(0);
  EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(0x1234)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

// The executable's path with backslashes, cut like Windows' when the buffer is short.
TEST(ModuleFileName, IsTheExecutablePathTruncatedLikeWindows) {
  const std::string expected = ExpectedExecutablePath();
  ASSERT_EQ(expected[0], '\\');
  const auto full = static_cast<DWORD>(expected.size());
  struct Case {
    DWORD size;
    DWORD result;
    DWORD error;
  } cases[] = {
      {full + 1, full, 0},                      // exactly room for the NUL
      {full, full, ERROR_INSUFFICIENT_BUFFER},  // one short: cut, still terminated
      {1, 1, ERROR_INSUFFICIENT_BUFFER},
  };
  for (const auto& c : cases) {
    std::string buffer(c.size + 8, '#');
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer.data(), c.size), c.result) << c.size;
    EXPECT_EQ(GetLastError(), c.error) << c.size;
    const std::size_t text = std::min<std::size_t>(expected.size(), c.size - 1);
    EXPECT_EQ(buffer.substr(0, text), expected.substr(0, text));
    EXPECT_EQ(buffer[text], '\0');
    EXPECT_EQ(buffer[c.size], '#') << "nothing written past the given size";
  }
  SetLastError(0);
  EXPECT_EQ(GetModuleFileNameA(nullptr, nullptr, 0), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

}  // namespace
