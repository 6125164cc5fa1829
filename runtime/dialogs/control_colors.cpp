#include "runtime/dialogs/control_colors.h"

#include "runtime/dialogs/color_rules.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/toolkit_values.h"

namespace runtime {
namespace {

INT_PTR Answer(const DialogState& record, HDC hdc, int text_index, int back_index) {
  if (record.text_color == COLOR_NOT_SET) return 0;
  SetTextColor(hdc, record.text_color == SYSTEM_COLOR
                        ? GetSysColor(text_index)
                        : static_cast<COLORREF>(record.text_color));
  if (record.back_color >= 0) {
    SetBkColor(hdc, static_cast<COLORREF>(record.back_color));
    return reinterpret_cast<INT_PTR>(record.back_brush);
  }
  if (record.back_color == SYSTEM_COLOR) {
    SetBkColor(hdc, GetSysColor(back_index));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(back_index));
  }
  SetBkMode(hdc, TRANSPARENT);  // transparent, or never set
  return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

}  // namespace

INT_PTR control_color_answer(UINT message, HDC hdc, HWND window) {
  if (const DialogState* record = find_record(window)) {
    return Answer(*record, hdc, system_text_color_index(message), system_back_color_index(message));
  }
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX) return 0;
  // A combo box's edit field or drop-down list: the combo box's colours.
  auto owner = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_HWNDPARENT));
  if (owner == nullptr) owner = toolkit_values().dropped_combo;
  const DialogState* combo = find_record(owner);
  if (combo == nullptr || combo->kind != kind::kComboBox) return 0;
  return Answer(*combo, hdc, COLOR_WINDOWTEXT, COLOR_WINDOW);
}

}  // namespace runtime
