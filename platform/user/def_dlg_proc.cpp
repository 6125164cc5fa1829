// DefDlgProcW: the window procedure of dialogs. The dialog procedure (DWLP_DLGPROC) sees
// each message first; when it answers TRUE the message is handled and the result is
// DWLP_MSGRESULT, except for the messages whose answer is the result itself (WM_CTLCOLOR*,
// WM_INITDIALOG, WM_COMPAREITEM, WM_VKEYTOITEM, WM_CHARTOITEM, WM_QUERYDRAGICON), as in
// Windows. Otherwise the dialog manager's defaults:
//   WM_ERASEBKGND    the WM_CTLCOLORDLG brush (COLOR_BTNFACE by default)
//   WM_CLOSE         WM_COMMAND(IDCANCEL, BN_CLICKED) posted when an IDCANCEL control exists
//                    (a beep and nothing when it is disabled); nothing without one
//   DM_GETDEFID      MAKELRESULT(id, DC_HASDEFID), 0 when there is no default button
//   DM_SETDEFID      the BS_DEFPUSHBUTTON look moves to the new default button
//   WM_NEXTDLGCTL    the focus to the next, previous or given control
//   WM_GETFONT       the dialog font; WM_SETFONT records it
//   WM_ACTIVATE      saves the focused control on deactivation, gives it back on activation
//   WM_SETFOCUS      the saved control (or the first tab stop) takes the focus
#include "platform/user/dialog_navigation.h"
#include "platform/user/dialog_state.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

bool ResultIsTheAnswer(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

bool IsDescendant(HWND dialog, HWND window) {
  return window != nullptr && window != dialog && IsChild(dialog, window);
}

void RestoreFocus(HWND dialog) {
  DialogState* state = FindDialogState(dialog);
  HWND saved = state != nullptr ? state->saved_focus : nullptr;
  if (saved != nullptr && IsDescendant(dialog, saved) && IsWindowEnabled(saved) &&
      IsWindowVisible(saved)) {
    SetDialogFocus(dialog, saved);
    return;
  }
  if (HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE); first != nullptr) {
    SetDialogFocus(dialog, first);
  }
}

void SaveFocus(HWND dialog) {
  HWND focus = GetFocus();
  if (!IsDescendant(dialog, focus)) return;
  if (DialogState* state = StateOfDialog(dialog)) state->saved_focus = focus;
}

LRESULT CloseWithCancel(HWND dialog) {
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (cancel == nullptr) return 0;
  if (!IsWindowEnabled(cancel)) {
    MessageBeep(0);
    return 0;
  }
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
  return 0;
}

int FirstDefaultPushButton(HWND dialog) {
  for (HWND control : DialogControls(dialog)) {
    if (IsButtonOfType(control, BS_DEFPUSHBUTTON) || (DialogCode(control) & DLGC_DEFPUSHBUTTON)) {
      return GetDlgCtrlID(control);
    }
  }
  return 0;
}

LRESULT EraseBackground(HWND dialog, HDC dc) {
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
  if (brush == nullptr) brush = GetSysColorBrush(COLOR_BTNFACE);
  RECT client;
  GetClientRect(dialog, &client);
  FillRect(dc, &client, brush);
  return 1;
}

LRESULT DefaultDialogHandling(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return EraseBackground(dialog, reinterpret_cast<HDC>(wparam));
    case WM_CLOSE:
      return CloseWithCancel(dialog);
    case DM_GETDEFID: {
      DialogState* state = StateOfDialog(dialog);
      int id = state != nullptr && state->default_id != 0 ? state->default_id
                                                          : FirstDefaultPushButton(dialog);
      return id != 0 ? MAKELRESULT(static_cast<WORD>(id), DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: {
      DialogState* state = StateOfDialog(dialog);
      if (state == nullptr) return FALSE;
      state->default_id = static_cast<int>(wparam);
      HWND focus = GetFocus();
      bool push_focused = IsDescendant(dialog, focus) &&
                          (DialogCode(focus) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
      ShowDefaultButton(dialog, push_focused ? focus : nullptr);
      return TRUE;
    }
    case DM_REPOSITION:
      return 0;
    case WM_NEXTDLGCTL: {
      HWND target;
      if (LOWORD(lparam) != 0) {
        target = reinterpret_cast<HWND>(wparam);
      } else {
        HWND focus = GetFocus();
        target = GetNextDlgTabItem(dialog, IsDescendant(dialog, focus) ? focus : nullptr, wparam != 0);
      }
      if (target != nullptr && IsDescendant(dialog, target)) SetDialogFocus(dialog, target);
      return 0;
    }
    case WM_GETFONT: {
      DialogState* state = FindDialogState(dialog);
      return reinterpret_cast<LRESULT>(state != nullptr ? state->font : nullptr);
    }
    case WM_SETFONT:
      if (DialogState* state = StateOfDialog(dialog); state != nullptr) {
        auto font = reinterpret_cast<HFONT>(wparam);
        if (state->font != font && state->owns_font && state->font != nullptr) {
          DeleteObject(state->font);
          state->owns_font = false;
        }
        state->font = font;
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        SaveFocus(dialog);
      } else {
        RestoreFocus(dialog);
        if (!IsDescendant(dialog, GetFocus()) && IsWindow(dialog)) SetFocus(dialog);
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus(dialog);
      return 0;
    case WM_SHOWWINDOW:
      if (wparam == FALSE) SaveFocus(dialog);
      return DefWindowProcW(dialog, message, wparam, lparam);
    case WM_NCDESTROY:
      ForgetDialog(dialog);
      return DefWindowProcW(dialog, message, wparam, lparam);
    default:
      return DefWindowProcW(dialog, message, wparam, lparam);
  }
}

}  // namespace
}  // namespace platform::user

extern "C" {

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  using namespace platform::user;
  if (FindWindowRecord(dialog) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  DWORD error = GetLastError();
  auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
  SetLastError(error);  // a class without DLGWINDOWEXTRA simply has no dialog procedure
  if (procedure != nullptr) {
    INT_PTR answer = procedure(dialog, message, wparam, lparam);
    if (FindWindowRecord(dialog) == nullptr) return answer;  // it destroyed its dialog
    if (answer != 0) {
      if (message == WM_NCDESTROY) ForgetDialog(dialog);
      if (ResultIsTheAnswer(message)) return answer;
      return GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
    }
  }
  return DefaultDialogHandling(dialog, message, wparam, lparam);
}

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  return platform::user::CallProcedure(DefDlgProcW, false, dialog, message, wparam, lparam, true);
}

}  // extern "C"
