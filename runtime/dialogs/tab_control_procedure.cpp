#include "runtime/dialogs/control_procedures.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/window_metrics.h"

namespace runtime {
namespace {

RECT DisplayArea(HWND tab) {
  RECT area{};
  GetClientRect(tab, &area);
  SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

void MovePages(HWND tab) {
  RECT area = DisplayArea(tab);
  RECT placed{};
  GetWindowRect(tab, &placed);
  POINT corner{placed.left, placed.top};
  auto owner = reinterpret_cast<HWND>(GetWindowLongPtrW(tab, GWLP_HWNDPARENT));
  ScreenToClient(owner, &corner);
  const int left = area.left + corner.x;
  const int top = area.top + corner.y;
  for (DialogState* page = next_child_record(tab, nullptr); page != nullptr;
       page = next_child_record(tab, page)) {
    SetWindowPos(page->hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
}

void SizePages(HWND tab) {
  RECT area = DisplayArea(tab);
  for (DialogState* page = next_child_record(tab, nullptr); page != nullptr;
       page = next_child_record(tab, page)) {
    SetWindowPos(page->hwnd, nullptr, 0, 0, area.right - area.left, area.bottom - area.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  }
}

}  // namespace

LRESULT tab_control_procedure(HWND tab, UINT message, WPARAM wParam, LPARAM lParam) {
  const DialogState* record = find_record(tab);
  if (record == nullptr) return 0;
  const bool is_tab = record->kind == kind::kTabControl;
  auto previous = reinterpret_cast<WNDPROC>(record->tab_old_proc);
  if (message == WM_MOVE && is_tab) {
    MovePages(tab);
    if (const DialogState* live = find_record(tab)) redraw_window(live->parent);
    return 0;  // the tab's own procedure does not see WM_MOVE
  }
  if (message == WM_SIZE && is_tab) SizePages(tab);
  return CallWindowProcW(previous, tab, message, wParam, lParam);
}

}  // namespace runtime
