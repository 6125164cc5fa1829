// Process start-up and shut-down around the program's main routine.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/frame/frame_platform_calls.h"

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

// Exit code of a refused platform and of a thread-local-storage failure.
inline constexpr UINT kStartUpFailureExitCode = 255;

// Start-up, the main routine once, shut-down; returns the exit code: the main routine's
// result, or 255 when start-up gave up (refused platform, no TLS slot, no thread
// record), in which case the main routine did not run. Leaves the process state as
// start-up found it (no TLS slot, no main thread record) so it can run again.
UINT RunProgram(const ProgramImage& program, const FramePlatformCalls& calls = {});

// The image's entry: RunProgram, then ExitProcess with its exit code.
[[noreturn]] void ProcessEntry(const ProgramImage& program);

}  // namespace runtime
