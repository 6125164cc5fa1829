// A second process for the tests: does one thing with the platform layer that must be
// seen from another process, and reports on stdout.
//
//   test_helper hold PATH SHARE   opens PATH with CreateFileW (GENERIC_READ|GENERIC_WRITE,
//                                 OPEN_ALWAYS, share mode SHARE in decimal), prints
//                                 "held" (or "error N" with the last error), keeps the
//                                 handle until stdin reaches end of file, then closes it.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/kernel/paths.h"
#include "platform/win32.h"

namespace {

void WaitForEndOfInput() {
  char scratch[64];
  while (read(STDIN_FILENO, scratch, sizeof scratch) > 0) {
  }
}

int Hold(const char* path, const char* share_text) {
  const std::optional<std::u16string> wide = platform::PathUtf8ToUtf16(path);
  if (!wide) {
    std::printf("error %u\n", static_cast<unsigned>(ERROR_INVALID_NAME));
    std::fflush(stdout);
    return 1;
  }
  const auto share = static_cast<DWORD>(std::strtoul(share_text, nullptr, 10));
  const HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::printf("error %u\n", static_cast<unsigned>(GetLastError()));
    std::fflush(stdout);
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  WaitForEndOfInput();
  CloseHandle(file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "hold" && argc == 4) return Hold(argv[2], argv[3]);
  std::fprintf(stderr, "usage: test_helper hold PATH SHARE\n");
  return 2;
}
