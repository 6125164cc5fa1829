// The run-time layer's process-wide lists (open files, fonts, window records) are emptied
// by start-up. A fresh process has them empty already; the reset matters when a program
// image starts again in the same process, as the frame's tests do.
#pragma once

namespace runtime {

// Each list registers its reset once, on first use; a list never used has nothing to
// reset. Registering the same function again does nothing. At most 16 lists.
void RegisterRuntimeListReset(void (*reset)());

// Start-up: runs every registered reset, in registration order.
void ResetRuntimeLists();

}  // namespace runtime
