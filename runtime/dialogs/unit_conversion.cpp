#include "runtime/dialogs/unit_conversion.h"

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/unit_arithmetic.h"

namespace runtime {

HWND dialog_of(HWND window) {
  for (const DialogState* record = find_record(window); record != nullptr;
       record = find_record(record->parent)) {
    if ((record->flags & IS_DIALOG) != 0) return record->hwnd;
    if (record->parent == nullptr) break;
  }
  return nullptr;
}

POINT units_to_pixels(HWND window, std::int32_t x, std::int32_t y) {
  HWND dialog = dialog_of(window);
  if (dialog == nullptr) return {0, 0};
  RECT rect{0, 0, x, y};
  if (!MapDialogRect(dialog, &rect)) return {0, 0};
  return {rect.right, rect.bottom};
}

POINT pixels_to_units(HWND window, std::int32_t x, std::int32_t y) {
  HWND dialog = dialog_of(window);
  if (dialog == nullptr) return {0, 0};
  RECT extent{0, 0, 1024, 1024};
  if (!MapDialogRect(dialog, &extent)) return {0, 0};
  return {scale_pixels_to_units(x, extent.right), scale_pixels_to_units(y, extent.bottom)};
}

std::uint32_t screen_dpi(bool vertical) {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return 96;
  const int dpi = GetDeviceCaps(screen, vertical ? LOGPIXELSY : LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return static_cast<std::uint32_t>(dpi);
}

}  // namespace runtime
