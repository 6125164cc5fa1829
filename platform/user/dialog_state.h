// What the dialog manager keeps about each dialog beyond its window record
// (platform-internal).
//
// The DWLP_* slots live in the window's extra bytes, as in Windows (DLGWINDOWEXTRA); the
// rest — the font and its base units, the focus saved on deactivation, the default button
// and whether (and how) EndDialog ended it — is kept here, keyed by the dialog's handle, and
// dropped on WM_NCDESTROY.
#pragma once

#include "platform/win32.h"

namespace platform::user {

struct DialogState {
  HFONT font = nullptr;
  bool owns_font = false;  // created from the template: deleted with the dialog
  SIZE base_units{0, 0};
  HWND saved_focus = nullptr;
  int default_id = 0;  // set by DM_SETDEFID; 0: the BS_DEFPUSHBUTTON found among the children
  bool ended = false;
  INT_PTR result = 0;
  bool modal = false;
  HWND disabled_owner = nullptr;  // the owner the modal loop disabled, until it is enabled again
};

// The state of a dialog (made on first use for a live window); null for a dead handle.
DialogState* StateOfDialog(HWND dialog);
// The state if the window is a dialog the manager created or DefDlgProcW has served.
DialogState* FindDialogState(HWND dialog);
void ForgetDialog(HWND dialog);

// Registers "#32770" (the row in builtin_classes.cpp).
bool RegisterDialogClass();

// Pixels of a dialog-unit rectangle for given base units (MapDialogRect's rule).
RECT DialogUnitsToPixels(const RECT& units, SIZE base_units);

// The base units of the system font (dialogs without DS_SETFONT, GetDialogBaseUnits).
SIZE SystemFontBaseUnits();

}  // namespace platform::user
