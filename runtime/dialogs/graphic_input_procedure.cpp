#include "runtime/dialogs/control_procedures.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/graphic_engine_hooks.h"
#include "runtime/dialogs/graphic_keys.h"
#include "runtime/dialogs/record_list.h"

namespace runtime {
namespace {

LRESULT OnSpecialKey(HWND control, DialogState& record, WPARAM key, LPARAM lParam) {
  if ((record.flags & GRAPHIC_ARROWS_SCROLL) != 0) {
    KeyScroll scroll = scroll_for_navigation_key(key);
    if (scroll.message != 0) {
      SendMessageW(control, scroll.message, scroll.code, 0);
      return 0;
    }
  }
  record.last_key = special_key_value(lParam);
  return 0;
}

}  // namespace

LRESULT graphic_input_procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* record = find_record(control);
  if (record == nullptr) return 0;
  auto previous = reinterpret_cast<WNDPROC>(record->graphic_old_proc);
  switch (message) {
    case WM_KEYDOWN: {
      const bool num_lock = (GetKeyState(VK_NUMLOCK) & 1) != 0;
      const bool shift = GetKeyState(VK_SHIFT) < 0;
      if (is_special_graphic_key(lParam, num_lock, shift)) {
        return OnSpecialKey(control, *record, wParam, lParam);
      }
      break;
    }
    case WM_SYSKEYDOWN:
      if ((lParam & 0x1000000) == 0 && ((lParam >> 16) & 0xFF) == 0x44) {  // F10
        record->last_key = 0x440000;
        return 0;
      }
      break;
    case WM_CHAR:
      if ((wParam & 0xFF) == 9) break;  // Tab moves the focus
      record->last_key = static_cast<std::int32_t>(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(control);
      break;
    case WM_SETFOCUS:
      record->flags |= GRAPHIC_HAS_FOCUS;
      break;
    case WM_KILLFOCUS:
      record->flags &= ~GRAPHIC_HAS_FOCUS;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (graphic_engine_scroll(control, message, wParam, lParam)) return 0;
      break;
    case WM_MOUSEWHEEL: {
      const UINT scroll = (wParam & MK_CONTROL) != 0 ? WM_HSCROLL : WM_VSCROLL;
      const WPARAM code = static_cast<SHORT>(HIWORD(wParam)) < 0 ? 1 : 0;
      SendMessageW(control, scroll, code, 0);
      return 0;
    }
    case kGraphicEngineMessage:
      graphic_engine_message(control, wParam, lParam);
      break;
    default:
      break;
  }
  return CallWindowProcW(previous, control, message, wParam, lParam);
}

}  // namespace runtime
