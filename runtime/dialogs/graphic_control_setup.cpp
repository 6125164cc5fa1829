#include "runtime/dialogs/graphic_control_setup.h"

#include "runtime/dialogs/control_procedures.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_handles.h"
#include "runtime/dialogs/graphic_engine_hooks.h"
#include "runtime/dialogs/record_list.h"

namespace runtime {
namespace {

void MakeSurface(HWND control, DialogState& record, const SIZE* units_extent) {
  GraphicSurface& surface = record.graphic;
  HDC dc = GetDC(control);
  if (dc != nullptr) {
    RECT client{};
    GetClientRect(control, &client);
    const SIZE size{client.right, client.bottom};
    surface.client_size = surface.bitmap_size = surface.visible_size = size;
    surface.memory_dc = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, size.cx, size.cy);
    surface.first_bitmap = SelectObject(surface.memory_dc, bitmap);
    RECT all{0, 0, size.cx, size.cy};
    FillRect(surface.memory_dc, &all, surface.default_brush);
    ReleaseDC(control, dc);

    select_first_graphic_font(record);  // a failure is the engine's to notice
    SetTextColor(surface.memory_dc, static_cast<COLORREF>(surface.default_text_color));
    SetBkColor(surface.memory_dc, static_cast<COLORREF>(surface.default_back_color));
    SetBkMode(surface.memory_dc, OPAQUE);
  }
  if (units_extent != nullptr) {
    surface.units_scale_x = static_cast<float>(surface.client_size.cx) / units_extent->cx;
    surface.units_scale_y = static_cast<float>(surface.client_size.cy) / units_extent->cy;
  }
}

}  // namespace

void set_up_graphic_control(HWND control, const SIZE* units_extent) {
  LONG_PTR previous = SetWindowLongPtrW(control, GWLP_WNDPROC,
                                        reinterpret_cast<LONG_PTR>(&graphic_input_procedure));
  DialogState* record = find_record(control);
  if (record == nullptr) return;
  record->graphic_old_proc = previous;
  MakeSurface(control, *record, units_extent);
  HWND& target = current_graphic_target();
  if (target == nullptr) target = control;
}

}  // namespace runtime
