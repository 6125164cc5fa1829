// GetNextDlgTabItem, GetNextDlgGroupItem and the focus moves of the dialog manager.
//
// A control takes part when it is visible and enabled; Tab stops are the WS_TABSTOP ones,
// in creation order, wrapping round; a group runs from a WS_GROUP control to the control
// before the next WS_GROUP one, and arrows wrap within it.
#include "platform/user/dialog_navigation.h"

#include <algorithm>

#include "platform/user/dialog_state.h"
#include "platform/user/window_class.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

void Collect(HWND parent, std::vector<HWND>& out, int depth) {
  Window* p = FindWindowRecord(parent);
  if (p == nullptr) return;
  std::vector<HWND> children = p->children;
  for (HWND child : children) {
    Window* c = FindWindowRecord(child);
    if (c == nullptr) continue;
    if ((c->ex_style & WS_EX_CONTROLPARENT) && depth < 16 && c->visible() && c->enabled()) {
      Collect(child, out, depth + 1);
    } else {
      out.push_back(child);
    }
  }
}

bool Usable(HWND control) {
  Window* w = FindWindowRecord(control);
  // The control's own styles, as Windows looks at them: a hidden dialog still has an order.
  return w != nullptr && w->visible() && w->enabled();
}

DWORD StyleOf(HWND control) {
  Window* w = FindWindowRecord(control);
  return w != nullptr ? w->style : 0;
}

// Where `control` (or the ancestor of it that is in the list) stands; -1 if nowhere.
int IndexOf(const std::vector<HWND>& controls, HWND control) {
  for (HWND at = control; at != nullptr;) {
    auto found = std::find(controls.begin(), controls.end(), at);
    if (found != controls.end()) return static_cast<int>(found - controls.begin());
    Window* w = FindWindowRecord(at);
    at = w != nullptr ? w->parent : nullptr;
  }
  return -1;
}

}  // namespace

std::vector<HWND> DialogControls(HWND dialog) {
  std::vector<HWND> out;
  Collect(dialog, out, 0);
  return out;
}

LRESULT DialogCode(HWND control, WPARAM key, const MSG* msg) {
  if (FindWindowRecord(control) == nullptr) return 0;
  return SendMessageW(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg));
}

bool IsButtonOfType(HWND window, DWORD type) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr || !w->window_class || !SameClassName(w->window_class->name, u"Button")) {
    return false;
  }
  return (w->style & BS_TYPEMASK) == type;
}

int DefaultButtonId(HWND dialog) {
  LRESULT answer = SendMessageW(dialog, DM_GETDEFID, 0, 0);
  return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
}

void ShowDefaultButton(HWND dialog, HWND pushed) {
  HWND wanted = pushed;
  if (wanted == nullptr) {
    int id = DefaultButtonId(dialog);
    if (id != 0) wanted = GetDlgItem(dialog, id);
  }
  for (HWND control : DialogControls(dialog)) {
    LRESULT code = DialogCode(control);
    bool is_default = (code & DLGC_DEFPUSHBUTTON) != 0;
    bool is_push = is_default || (code & DLGC_UNDEFPUSHBUTTON) != 0;
    if (!is_push) continue;
    bool should_be = control == wanted;
    if (is_default != should_be) {
      DWORD style = StyleOf(control) & 0xFFFF & ~BS_TYPEMASK;
      SendMessageW(control, BM_SETSTYLE, style | (should_be ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
    }
  }
}

void SetDialogFocus(HWND dialog, HWND control) {
  if (FindWindowRecord(control) == nullptr) return;
  LRESULT code = DialogCode(control);
  bool push = (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
  // The focus first: it may activate the dialog, whose activation restores its own focus.
  SetFocus(control);
  ShowDefaultButton(dialog, push ? control : nullptr);
  if (code & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace platform::user

extern "C" {

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  using namespace platform::user;
  if (LiveWindow(dialog) == nullptr) return nullptr;
  if (control != nullptr && LiveWindow(control) == nullptr) return nullptr;
  std::vector<HWND> controls = DialogControls(dialog);
  int count = static_cast<int>(controls.size());
  if (count == 0) return nullptr;
  int start = control != nullptr ? IndexOf(controls, control) : -1;
  if (start < 0) start = previous ? 0 : count - 1;  // so that the first step lands on an end
  for (int step = 1; step <= count; ++step) {
    int i = previous ? (start - step + count * 2) % count : (start + step) % count;
    HWND candidate = controls[static_cast<std::size_t>(i)];
    if (Usable(candidate) && (StyleOf(candidate) & WS_TABSTOP)) return candidate;
  }
  return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  using namespace platform::user;
  if (LiveWindow(dialog) == nullptr) return nullptr;
  if (control != nullptr && LiveWindow(control) == nullptr) return nullptr;
  std::vector<HWND> controls = DialogControls(dialog);
  int count = static_cast<int>(controls.size());
  if (count == 0) return nullptr;
  int at = control != nullptr ? IndexOf(controls, control) : 0;
  if (at < 0) at = 0;
  // The group: back to its WS_GROUP control, forward to the control before the next one.
  int first = at;
  while (first > 0 && !(StyleOf(controls[static_cast<std::size_t>(first)]) & WS_GROUP)) --first;
  int last = at;
  while (last + 1 < count && !(StyleOf(controls[static_cast<std::size_t>(last + 1)]) & WS_GROUP)) {
    ++last;
  }
  int size = last - first + 1;
  for (int step = 1; step < size; ++step) {
    int offset = previous ? (at - first - step + size * 2) % size : (at - first + step) % size;
    HWND candidate = controls[static_cast<std::size_t>(first + offset)];
    if (Usable(candidate)) return candidate;
  }
  return control != nullptr ? control : controls.front();
}

}  // extern "C"
