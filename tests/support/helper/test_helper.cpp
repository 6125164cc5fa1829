// A small program the tests start as another process.
//   test_helper hold PATH SHARE   open PATH (read+write, OPEN_ALWAYS) with share mode SHARE,
//                                 print "held" (or "error N"), wait for stdin to close
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win32.h"

namespace {

std::u16string Wide(const char* text) {
  std::u16string wide;
  for (const char* p = text; *p; ++p) wide += static_cast<char16_t>(static_cast<unsigned char>(*p));
  return wide;
}

int Hold(const char* path, const char* share) {
  std::u16string name = Wide(path);
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                            static_cast<DWORD>(std::strtoul(share, nullptr, 10)), nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::printf("error %u\n", static_cast<unsigned>(GetLastError()));
    std::fflush(stdout);
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  CloseHandle(file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "hold") == 0) return Hold(argv[2], argv[3]);
  std::fprintf(stderr, "usage: test_helper hold PATH SHARE\n");
  return 2;
}
