// The dialog manager's helpers for controls by id, and dialog units.
#include "platform/user/dialog_state.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace {

// The control, with ERROR_CONTROL_ID_NOT_FOUND when the dialog has none of that id.
HWND Item(HWND dialog, int id) {
  if (platform::user::LiveWindow(dialog) == nullptr) return nullptr;
  HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return control;
}

}  // namespace

extern "C" {

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND control = Item(dialog, id);
  return control != nullptr ? SendMessageW(control, message, wparam, lparam) : 0;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND control = Item(dialog, id);
  return control != nullptr ? SendMessageA(control, message, wparam, lparam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND control = Item(dialog, id);
  if (control == nullptr) return FALSE;
  SendMessageW(control, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  HWND control = Item(dialog, id);
  return control != nullptr ? static_cast<UINT>(SendMessageW(control, BM_GETCHECK, 0, 0)) : 0;
}

// Checks `check_id` and unchecks the other buttons whose ids lie in [first_id, last_id].
BOOL CheckRadioButton(HWND dialog, int first_id, int last_id, int check_id) {
  platform::user::Window* w = platform::user::LiveWindow(dialog);
  if (w == nullptr) return FALSE;
  std::vector<HWND> children = w->children;
  for (HWND child : children) {
    int id = GetDlgCtrlID(child);
    if (id < first_id || id > last_id) continue;
    SendMessageW(child, BM_SETCHECK, id == check_id ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  return TRUE;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
  using namespace platform::user;
  if (LiveWindow(dialog) == nullptr) return FALSE;
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DialogState* state = FindDialogState(dialog);
  if (state == nullptr || state->base_units.cx == 0) {
    SetLastError(ERROR_WINDOW_NOT_DIALOG);
    return FALSE;
  }
  *rect = DialogUnitsToPixels(*rect, state->base_units);
  return TRUE;
}

LONG GetDialogBaseUnits() {
  SIZE base = platform::user::SystemFontBaseUnits();
  return MAKELONG(static_cast<WORD>(base.cx), static_cast<WORD>(base.cy));
}

}  // extern "C"
