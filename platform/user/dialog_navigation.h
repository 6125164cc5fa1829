// The order of a dialog's controls for the keyboard, and moving the focus among them the
// way the dialog manager does (platform-internal).
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::user {

// The dialog's controls in creation order; a child with WS_EX_CONTROLPARENT (a nested
// dialog) is replaced by its own controls, as Windows walks them.
std::vector<HWND> DialogControls(HWND dialog);

// The control's WM_GETDLGCODE answer (0 for a dead window).
LRESULT DialogCode(HWND control, WPARAM key = 0, const MSG* msg = nullptr);

// Gives `control` the focus as the dialog manager does: an edit's text is selected, a push
// button getting the focus becomes the default one, and the dialog's default button takes
// that look back when the focus goes to anything else.
void SetDialogFocus(HWND dialog, HWND control);

// The id the dialog's DM_GETDEFID gives, 0 for none.
int DefaultButtonId(HWND dialog);

// Shows `pushed` (a push button, or null) as the default button, or the dialog's default
// one when null.
void ShowDefaultButton(HWND dialog, HWND pushed);

// Whether a window is a Button of the given BS_ type (by class and style).
bool IsButtonOfType(HWND window, DWORD type);

}  // namespace platform::user
