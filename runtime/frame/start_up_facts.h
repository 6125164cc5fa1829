// The process facts the frame derives at start-up from the platform's answers. Pure
// functions, so the rules can be checked without starting a process.
#pragma once

#include "platform/win32.h"

namespace runtime {

// The command line after the program name and the blanks that follow it. A quoted name
// runs to the next double quote, which is skipped too; an unquoted one ends at the first
// code of 0x20 or less (blank, control character or the terminating NUL). Only blanks
// (0x20) are skipped after it, not tabs. Never reads past the terminating NUL; a null
// command line gives an empty tail.
const WCHAR* CommandTail(const WCHAR* command_line);

// wShowWindow when the starter asked for it (STARTF_USESHOWWINDOW), else SW_SHOWDEFAULT.
int InitialShowState(const STARTUPINFOA& startup);

}  // namespace runtime
