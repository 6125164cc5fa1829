// The day counter's main routine: one pass per process.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace app {

// Works out today, finds the log beside the executable, then either asks for the start
// day (no log) or shows the count and asks the daily question. Always returns 0.
std::int32_t AppMain(HINSTANCE instance, HINSTANCE previous, const WCHAR* command_tail,
                     int show_state);

struct ProgramState;
// The directory part of an executable path: up to and including its last "\", cut to
// 254 bytes, into program.app_dir. A path without "\" gives an empty directory.
void SetAppDirectory(ProgramState& program, const char* executable_path);

}  // namespace app
