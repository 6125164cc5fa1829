// Process start-up and shut-down around the program's main routine.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

using AppMainProc = std::int32_t (*)(HINSTANCE instance, HINSTANCE previous,
                                     const WCHAR* command_tail, int show_state);

// What the frame needs of the program: its main routine, and its program-wide state
// (cleared before the main routine runs, released after it returned).
struct ProgramImage {
  AppMainProc app_main = nullptr;
  void (*clear_globals)() = nullptr;
  void (*release_globals)() = nullptr;
};

// The image's entry: start-up, the main routine once, shut-down, ExitProcess with the
// main routine's result (255 for a refused platform or a TLS failure).
[[noreturn]] void ProcessEntry(const ProgramImage& program);

}  // namespace runtime
