// IsDialogMessageW/A: the keyboard interface of dialogs.
//
//   key                 what happens (unless the focused control's WM_GETDLGCODE wants it)
//   ------------------  ----------------------------------------------------------------
//   Tab, Shift+Tab      the next / previous WS_TABSTOP control     (DLGC_WANTTAB)
//   arrows              the next / previous control of the group;  (DLGC_WANTARROWS)
//                       an auto radio button reached is clicked
//   Enter               WM_COMMAND(id, BN_CLICKED) for the focused push button, else the
//                       default button (DM_GETDEFID), else IDOK     (DLGC_WANTALLKEYS)
//   Escape              WM_COMMAND(IDCANCEL, BN_CLICKED, the IDCANCEL control or null), as
//                       Windows sends it whether or not the control exists: a dialog
//                       without one ignores Escape because its procedure does nothing
//                       with IDCANCEL                               (DLGC_WANTALLKEYS)
//   Alt+letter          the control whose text has that & mnemonic: a button is clicked,
//                       a static passes the focus to the next tab stop after it
//   letter              the same, when the focused control does not want characters
//                       (DLGC_WANTCHARS, DLGC_HASSETSEL)
// Any other message of the dialog's windows is translated and dispatched. Keyboard use
// clears UISF_HIDEFOCUS, so controls show their focus rectangle from then on.
#include <cwctype>

#include "platform/user/dialog_navigation.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

char16_t Fold(char16_t c) { return static_cast<char16_t>(std::towupper(c)); }

// The mnemonic of a text: the character after a single '&'; 0 for none.
char16_t MnemonicOf(const std::u16string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return Fold(text[i + 1]);
  }
  return 0;
}

void ShowKeyboardCues(HWND dialog) {
  SendMessageW(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  for (HWND control : DialogControls(dialog)) {
    SendMessageW(control, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  }
}

void SendCommand(HWND dialog, int id, HWND control) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

void Enter(HWND dialog, HWND focus) {
  LRESULT code = DialogCode(focus);
  if (focus != nullptr && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) &&
      IsWindowEnabled(focus)) {
    SendCommand(dialog, GetDlgCtrlID(focus), focus);
    return;
  }
  int id = DefaultButtonId(dialog);
  if (id == 0) id = IDOK;
  HWND button = GetDlgItem(dialog, id);
  if (button != nullptr && !IsWindowEnabled(button)) {
    MessageBeep(0);
    return;
  }
  SendCommand(dialog, id, button);
}

void Escape(HWND dialog) {
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (cancel != nullptr && !IsWindowEnabled(cancel)) {
    MessageBeep(0);
    return;
  }
  SendCommand(dialog, IDCANCEL, cancel);
}

void Arrow(HWND dialog, HWND focus, bool previous) {
  HWND next = GetNextDlgGroupItem(dialog, focus, previous);
  if (next == nullptr || next == focus) return;
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
  if ((DialogCode(next) & DLGC_RADIOBUTTON) && IsButtonOfType(next, BS_AUTORADIOBUTTON)) {
    SendMessageW(next, BM_CLICK, 0, 0);
  }
}

// The control after `from` (wrapping) whose text has the mnemonic; null for none.
HWND FindMnemonic(HWND dialog, HWND from, char16_t letter) {
  std::vector<HWND> controls = DialogControls(dialog);
  std::size_t count = controls.size();
  std::size_t start = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (controls[i] == from) start = i + 1;
  }
  for (std::size_t step = 0; step < count; ++step) {
    HWND control = controls[(start + step) % count];
    Window* w = FindWindowRecord(control);
    if (w == nullptr || !w->visible() || !w->enabled()) continue;
    LRESULT code = DialogCode(control);
    if ((code & DLGC_STATIC) && (w->style & SS_NOPREFIX)) continue;
    if (MnemonicOf(w->text) == letter) return control;
  }
  return nullptr;
}

bool Mnemonic(HWND dialog, HWND focus, char16_t character) {
  HWND control = FindMnemonic(dialog, focus, Fold(character));
  if (control == nullptr) return false;
  LRESULT code = DialogCode(control);
  if (code & DLGC_STATIC) {
    // A label hands the focus to the control that follows it.
    HWND next = GetNextDlgTabItem(dialog, control, FALSE);
    if (next != nullptr) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    return true;
  }
  if (IsButtonOfType(control, BS_GROUPBOX)) {
    HWND next = GetNextDlgTabItem(dialog, control, FALSE);
    if (next != nullptr) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    return true;
  }
  if (code & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_RADIOBUTTON)) {
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
      SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
    SendMessageW(control, BM_CLICK, 0, 0);
    return true;
  }
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  return true;
}

bool HandleKeyDown(HWND dialog, MSG* msg) {
  HWND focus = msg->hwnd;
  LRESULT code = DialogCode(focus, msg->wParam, msg);
  if (code & DLGC_WANTALLKEYS) return false;
  bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  switch (msg->wParam) {
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      ShowKeyboardCues(dialog);
      SendMessageW(dialog, WM_NEXTDLGCTL, shift ? 1 : 0, FALSE);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (code & DLGC_WANTARROWS) return false;
      ShowKeyboardCues(dialog);
      Arrow(dialog, focus, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
      return true;
    case VK_RETURN:
      Enter(dialog, focus == dialog ? nullptr : focus);
      return true;
    case VK_ESCAPE:
      Escape(dialog);
      return true;
    default:
      return false;
  }
}

}  // namespace
}  // namespace platform::user

extern "C" {

BOOL IsDialogMessageW(HWND dialog, LPMSG msg) {
  using namespace platform::user;
  if (msg == nullptr || FindWindowRecord(dialog) == nullptr) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  switch (msg->message) {
    case WM_KEYDOWN:
      if (HandleKeyDown(dialog, msg)) return TRUE;
      break;
    case WM_SYSCHAR:
      ShowKeyboardCues(dialog);
      if (Mnemonic(dialog, GetFocus(), static_cast<char16_t>(msg->wParam))) return TRUE;
      break;
    case WM_CHAR: {
      LRESULT code = DialogCode(msg->hwnd, msg->wParam, msg);
      if (msg->wParam > u' ' && !(code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL)) &&
          Mnemonic(dialog, GetFocus(), static_cast<char16_t>(msg->wParam))) {
        return TRUE;
      }
      break;
    }
    default:
      break;
  }
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return TRUE;
}

BOOL IsDialogMessageA(HWND dialog, LPMSG msg) { return IsDialogMessageW(dialog, msg); }

}  // extern "C"
