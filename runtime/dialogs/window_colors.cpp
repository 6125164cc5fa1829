#include "runtime/dialogs/window_metrics.h"

#include "runtime/dialogs/color_rules.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/shared_brushes.h"

namespace runtime {
namespace {

constexpr std::int32_t kNoColor = -1;  // CLR_NONE for list and tree views

void Send(HWND window, UINT message, WPARAM wParam, std::int32_t value) {
  SendMessageA(window, message, wParam, static_cast<LPARAM>(static_cast<std::uint32_t>(value)));
}

// List views, tree views and progress bars draw with colours of their own.
void HandToControl(DialogState& record, std::int32_t text, std::int32_t back) {
  record.text_color = text;
  record.back_color = back;
  HWND w = record.hwnd;
  switch (record.kind) {
    case kind::kListView:
      Send(w, LVM_SETTEXTCOLOR, 0, text);
      Send(w, LVM_SETTEXTBKCOLOR, 0, back);
      Send(w, LVM_SETBKCOLOR, 0, back);
      break;
    case kind::kTreeView:
      Send(w, TVM_SETBKCOLOR, 0, back);
      Send(w, TVM_SETTEXTCOLOR, 0, text);
      Send(w, TVM_SETLINECOLOR, 0, text);
      break;
    default:  // progress bar
      Send(w, PBM_SETBARCOLOR, 0, text);
      Send(w, PBM_SETBKCOLOR, 0, back);
      break;
  }
}

}  // namespace

void set_window_colors(HWND dialog, std::int32_t id, std::int32_t text, std::int32_t back) {
  text = normalized_text_color(text);
  back = normalized_back_color(back);
  const DialogState* dialog_record = find_record(dialog);
  if (dialog_record == nullptr) return;
  const std::int32_t dialog_color = dialog_record->back_color;
  DialogState* record = find_record(id == DIALOG_ITSELF ? dialog : GetDlgItem(dialog, id));
  if (record == nullptr) return;

  if (record->kind == kind::kListView || record->kind == kind::kTreeView ||
      record->kind == kind::kProgressBar) {
    if (back == SYSTEM_COLOR) {
      back = dialog_color;
    } else if (back == TRANSPARENT_COLOR) {
      back = kNoColor;
    }
    return HandToControl(*record, text, back);
  }

  HBRUSH brush = nullptr;
  bool make_brush = back >= 0;
  if (back < 0 && record->kind == kind::kScrollBar) {
    back = dialog_color;
    make_brush = true;  // whatever its sign
  }
  if (make_brush) {
    brush = back >= 0 ? find_shared_brush(back) : nullptr;
    if (brush == nullptr) brush = CreateSolidBrush(static_cast<COLORREF>(back));
    if (brush == nullptr) back = SYSTEM_COLOR;
  }
  const HBRUSH replaced = record->back_brush;
  const std::int32_t replaced_color = record->back_color;
  record->back_brush = brush;
  record->text_color = text;
  record->back_color = back;
  if (replaced != nullptr && replaced != brush && !color_in_use(replaced_color)) {
    DeleteObject(replaced);
  }
}

}  // namespace runtime
