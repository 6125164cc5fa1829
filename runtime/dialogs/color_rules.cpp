#include "runtime/dialogs/color_rules.h"

#include "runtime/dialogs/dialog_state.h"

namespace runtime {
namespace {

// By message - WM_CTLCOLORMSGBOX: message box, edit, list box, button, dialog, scroll bar,
// static.
constexpr int kTextIndex[7] = {7, 8, 8, 18, 8, 8, 8};   // MENUTEXT, WINDOWTEXT, BTNTEXT
constexpr int kBackIndex[7] = {4, 5, 5, 15, 15, 0, 15};  // MENU, WINDOW, BTNFACE, SCROLLBAR

}  // namespace

std::int32_t normalized_text_color(std::int32_t text) {
  return text >= 0 ? (text & 0xFFFFFF) : SYSTEM_COLOR;
}

std::int32_t normalized_back_color(std::int32_t back) {
  if (back == TRANSPARENT_COLOR) return back;
  return back >= 0 ? (back & 0xFFFFFF) : SYSTEM_COLOR;
}

int system_text_color_index(UINT m) {
  return IsCtlColorMessage(m) ? kTextIndex[m - kFirstCtlColor] : 8;
}

int system_back_color_index(UINT m) {
  return IsCtlColorMessage(m) ? kBackIndex[m - kFirstCtlColor] : 5;
}

}  // namespace runtime
