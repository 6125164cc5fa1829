// Calling window procedures, with ANSI <-> wide conversion of the messages that carry
// text (platform-internal).
//
// A procedure installed by RegisterClassA / RegisterClassExA / SetWindowLongPtrA receives
// ANSI text (this platform's ANSI code page is UTF-8); one installed by the W functions
// receives UTF-16. The procedure's side is remembered per procedure address, so that
// CallWindowProcW on an ANSI procedure taken by GetWindowLongPtrW converts too.
// Converted: WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH, WM_NCCREATE and WM_CREATE (the
// CREATESTRUCT's strings). Other messages pass unchanged.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform::user {

void RememberAnsiProcedure(WNDPROC procedure);
bool IsAnsiProcedure(WNDPROC procedure);

// Calls `procedure` (of side `procedure_ansi`) with a message written for `caller_ansi`.
LRESULT CallProcedure(WNDPROC procedure, bool procedure_ansi, HWND window, UINT message,
                      WPARAM wparam, LPARAM lparam, bool caller_ansi);

// Sends to the window's current procedure; 0 and ERROR_INVALID_WINDOW_HANDLE when dead.
LRESULT SendTo(HWND window, UINT message, WPARAM wparam, LPARAM lparam, bool caller_ansi);

std::u16string WideFromAnsi(const char* text);
std::u16string WideFromAnsi(const char* text, std::size_t bytes);
std::string AnsiFromWide(const WCHAR* text);
std::string AnsiFromWide(const WCHAR* text, std::size_t units);

}  // namespace platform::user
