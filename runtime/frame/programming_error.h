// Guards against programming errors only, never against user data.
#pragma once

namespace runtime {

// Debug builds print why and abort; release builds print why and end the process the
// way a corrupt string space does (exit code 255).
[[noreturn]] void ProgrammingError(const char* why, const char* file, int line);

}  // namespace runtime

#define VESTRALINO_EXPECT(condition, why) \
  ((condition) ? void(0) : ::runtime::ProgrammingError(why, __FILE__, __LINE__))
