#include "runtime/frame/programming_error.h"

#include <cstdio>
#include <cstdlib>

#include "platform/win32.h"

namespace runtime {

void ProgrammingError(const char* why, const char* file, int line) {
  std::fprintf(stderr, "vestralino: programming error at %s:%d: %s\n", file, line, why);
  std::fflush(stderr);
#ifndef NDEBUG
  std::abort();
#else
  ExitProcess(255);
#endif
}

}  // namespace runtime
