#include "platform/user/dialog_state.h"

#include <mutex>
#include <unordered_map>

#include "platform/gdi/dialog_base_units.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

std::mutex& StatesLock() {
  static std::mutex lock;
  return lock;
}
std::unordered_map<HWND, DialogState>& States() {
  static std::unordered_map<HWND, DialogState> states;
  return states;
}

LRESULT DialogClassProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefDlgProcW(window, message, wparam, lparam);
}

}  // namespace

DialogState* StateOfDialog(HWND dialog) {
  if (FindWindowRecord(dialog) == nullptr) return nullptr;
  std::lock_guard hold(StatesLock());
  return &States()[dialog];  // node-based: the pointer stays valid until ForgetDialog
}

DialogState* FindDialogState(HWND dialog) {
  std::lock_guard hold(StatesLock());
  auto found = States().find(dialog);
  return found == States().end() ? nullptr : &found->second;
}

void ForgetDialog(HWND dialog) {
  HFONT font = nullptr;
  {
    std::lock_guard hold(StatesLock());
    auto found = States().find(dialog);
    if (found == States().end()) return;
    if (found->second.owns_font) font = found->second.font;
    States().erase(found);
  }
  if (font != nullptr) DeleteObject(font);
}

bool RegisterDialogClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
  wc.lpfnWndProc = DialogClassProcedure;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.lpszClassName = u"#32770";
  return RegisterClassExW(&wc) != 0;
}

RECT DialogUnitsToPixels(const RECT& units, SIZE base) {
  return RECT{MulDiv(units.left, base.cx, 4), MulDiv(units.top, base.cy, 8),
              MulDiv(units.right, base.cx, 4), MulDiv(units.bottom, base.cy, 8)};
}

SIZE SystemFontBaseUnits() { return gdi::FontDialogBaseUnits(nullptr); }

}  // namespace platform::user
