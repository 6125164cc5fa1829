#include "runtime/dialogs/shared_brushes.h"

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/record_list.h"

namespace runtime {

HBRUSH share_or_create_brush(std::int32_t color) {
  HBRUSH brush = find_shared_brush(color);
  if (brush == nullptr) brush = CreateSolidBrush(static_cast<COLORREF>(color));
  return brush;
}

void let_go_of_brush(HBRUSH brush, std::int32_t color) {
  if (brush != nullptr && !color_in_use(color)) DeleteObject(brush);
}

void give_graphic_defaults(DialogState& record) {
  record.graphic.default_text_color = static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT));
  record.graphic.default_back_color = static_cast<std::int32_t>(GetSysColor(COLOR_BTNFACE));
  record.graphic.default_brush = share_or_create_brush(record.graphic.default_back_color);
}

}  // namespace runtime
