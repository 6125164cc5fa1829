// The modules this platform presents (platform-internal).
//
// There is no loader: the executable and the system libraries whose calls this platform
// provides (KERNEL32, USER32, GDI32, COMCTL32, OLE32, OLEAUT32) are fixed pseudo-modules
// whose handles are the addresses of their table entries. LoadLibraryA only names them.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform {

// The executable's module handle (GetModuleHandleW(NULL)); resources are looked up in it.
HMODULE ExecutableModule();
// True for the executable's handle and for NULL, which Windows takes to mean it.
bool IsExecutableModule(HMODULE module);

// The executable's path in Windows form ('\' separators), UTF-8; empty when unknown.
std::string ExecutableWindowsPath();

}  // namespace platform
