// Shut-down hooks of the platform (platform-internal).
//
// Parts of the platform that hold something a process exit must not lose (a transcript
// file to flush, a terminal mode to restore) register a hook here; ExitProcess runs the
// hooks, most recently registered first, before it flushes stdio and ends the process.
#pragma once

namespace platform {

using ExitHook = void (*)();

// Registers `hook` to run once at ExitProcess. Safe from any thread.
void AtProcessExit(ExitHook hook);

}  // namespace platform
