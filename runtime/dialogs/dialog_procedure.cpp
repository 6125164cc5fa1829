#include "runtime/dialogs/dialog_procedure.h"

#include "runtime/dialogs/control_colors.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/modal_loop.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/record_release.h"
#include "runtime/dialogs/toolkit_values.h"
#include "runtime/frame/process_state.h"

namespace runtime {
namespace {

// Records are looked up again after every callback: a callback may have ended the
// dialog or destroyed the control, and with them their records.
DialogCallback CallbackOf(HWND window) {
  const DialogState* record = find_record(window);
  return record != nullptr ? record->callback : nullptr;
}

std::int32_t CallControl(HWND control, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogCallback callback = CallbackOf(control);
  return callback != nullptr ? callback(dialog, message, wParam, lParam) : 0;
}

void SwitchTabPage(const NMHDR& header) {
  const DialogState* tab = find_record(header.hwndFrom);
  if (tab == nullptr || tab->kind != kind::kTabControl) return;
  if (header.code != TCN_SELCHANGING && header.code != TCN_SELCHANGE) return;
  const LRESULT index = SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0);
  if (index < 0) return;
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  SendMessageA(header.hwndFrom, TCM_GETITEMA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
  auto page = reinterpret_cast<HWND>(item.lParam);
  const int command = header.code == TCN_SELCHANGING ? SW_HIDE : SW_SHOW;
  if (DialogState* page_record = find_record(page)) page_record->show_command = command;
  ShowWindow(page, command);
}

INT_PTR OnNotify(HWND dialog, WPARAM wParam, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header != nullptr) {
    SwitchTabPage(*header);
    const bool commands_only =
        (build_option::kOptionWord & build_option::kNotifyCommandsOnly) != 0;
    if (!commands_only) {
      if (std::int32_t r = CallControl(header->hwndFrom, dialog, WM_NOTIFY, wParam, lParam)) {
        return handled(dialog, r);
      }
    }
  }
  DialogCallback callback = CallbackOf(dialog);
  if (callback == nullptr) return 0;
  std::int32_t r = callback(dialog, WM_NOTIFY, wParam, lParam);
  return r != 0 ? handled(dialog, r) : 0;
}

DialogCallback MenuItemCallback(HWND dialog, WORD id) {
  HMENU menu = GetMenu(dialog);
  if (menu == nullptr) return nullptr;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(MENUITEMINFOW);
  info.fMask = MIIM_DATA;
  if (!GetMenuItemInfoW(menu, id, FALSE, &info)) return nullptr;
  return reinterpret_cast<DialogCallback>(info.dwItemData);
}

DialogCallback ToolbarButtonCallback(HWND toolbar, WORD id) {
  const DialogState* record = find_record(toolbar);
  if (record == nullptr || record->kind != kind::kToolbar) return nullptr;
  const LRESULT index = SendMessageA(toolbar, TB_COMMANDTOINDEX, id, 0);
  TBBUTTON button{};
  if (!SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&button))) {
    return nullptr;
  }
  return reinterpret_cast<DialogCallback>(button.dwData);
}

// 0: not handled here, the dialog's callback follows.
std::int32_t OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
  ToolkitValues& values = toolkit_values();
  if (HIWORD(wParam) == CBN_DROPDOWN) values.dropped_combo = reinterpret_cast<HWND>(lParam);
  if (HIWORD(wParam) == CBN_CLOSEUP) values.dropped_combo = nullptr;
  const WORD id = LOWORD(wParam);
  if (GetDlgItem(dialog, id) != nullptr) {
    return CallControl(reinterpret_cast<HWND>(lParam), dialog, WM_COMMAND, wParam, lParam);
  }
  DialogCallback callback = MenuItemCallback(dialog, id);
  if (callback == nullptr && GetMenu(dialog) == nullptr) {
    callback = ToolbarButtonCallback(reinterpret_cast<HWND>(lParam), id);
  }
  return callback != nullptr ? callback(dialog, WM_COMMAND, wParam, lParam) : 0;
}

INT_PTR PaintGraphicControl(HWND dialog, const DRAWITEMSTRUCT& item) {
  if ((item.itemAction & ODA_DRAWENTIRE) == 0) return 0;
  const DialogState* record = find_record(GetDlgItem(dialog, static_cast<int>(item.CtlID)));
  if (record == nullptr || record->kind != kind::kGraphicControl) return 0;
  const GraphicSurface& s = record->graphic;
  if ((record->flags & GRAPHIC_STRETCHED) == 0) {
    BitBlt(item.hDC, 0, 0, s.client_size.cx, s.client_size.cy, s.memory_dc, s.scroll.x,
           s.scroll.y, SRCCOPY);
  } else {
    StretchBlt(item.hDC, 0, 0, s.client_size.cx, s.client_size.cy, s.memory_dc, 0, 0,
               s.bitmap_size.cx, s.bitmap_size.cy, SRCCOPY);
  }
  return TRUE;
}

// What the toolkit does with a message that no callback handled.
INT_PTR DefaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
    const DialogState* record = find_record(dialog);
    if (record == nullptr) return 0;
    if ((record->close_flags & CLOSE_DISABLED) != 0) return TRUE;
    end_dialog(dialog, 0);
    return TRUE;
  }
  if (message == WM_SIZE) {
    // Status bars and toolbars lay themselves out again.
    for (DialogState* bar = next_bar_record(dialog, nullptr); bar != nullptr;
         bar = next_bar_record(dialog, bar)) {
      SendMessageA(bar->hwnd, WM_SIZE, wParam, lParam);
    }
  }
  return 0;
}

}  // namespace

INT_PTR handled(HWND dialog, std::int32_t r) {
  if (GetWindowLongPtrW(dialog, DWLP_MSGRESULT) == 0) SetWindowLongPtrW(dialog, DWLP_MSGRESULT, r);
  return r;
}

INT_PTR dialog_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  ToolkitValues& values = toolkit_values();
  switch (message) {
    case WM_INITDIALOG:
      // The creation's own: the program's callback gets its WM_INITDIALOG from the show.
      ++values.live_dialogs;
      return FALSE;
    case WM_DESTROY:
      --values.live_dialogs;
      break;
    case WM_NOTIFY:
      return OnNotify(dialog, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_ACTIVE || LOWORD(wParam) == WA_CLICKACTIVE) {
        values.active_dialog = dialog;
        return 0;
      }
      if (LOWORD(wParam) == WA_INACTIVE) {
        values.active_dialog = nullptr;
        return 0;
      }
      break;
    case WM_COMMAND:
      if (std::int32_t r = OnCommand(dialog, wParam, lParam)) return handled(dialog, r);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (std::int32_t r = CallControl(reinterpret_cast<HWND>(lParam), dialog, message, wParam,
                                       lParam)) {
        return handled(dialog, r);
      }
      break;
    default:
      break;
  }

  const DialogState* record = find_record(dialog);
  if (record != nullptr) {
    if (DialogCallback callback = record->callback) {
      if (std::int32_t r = callback(dialog, message, wParam, lParam)) return handled(dialog, r);
    }
    if (message == WM_NCDESTROY) {
      free_window_record(dialog);
      return TRUE;
    }
    if (message == WM_DRAWITEM) {
      return PaintGraphicControl(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
      return control_color_answer(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
    }
  }
  return DefaultHandling(dialog, message, wParam, lParam);
}

}  // namespace runtime
