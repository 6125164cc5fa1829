#include "runtime/dialogs/create_dialog.h"

#include "runtime/dialogs/dialog_placement.h"
#include "runtime/dialogs/dialog_procedure.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/dialog_template.h"
#include "runtime/dialogs/font_table.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/wide_text.h"
#include "runtime/frame/process_state.h"
#include "runtime/frame/routine_frame.h"

namespace runtime {
namespace {

// The calling thread's default dialog font; entry 1's description when the table does
// not hold it (a program started without the built-in fonts).
FontRecord TemplateFont() {
  if (const FontRecord* f = find_font(default_dialog_font())) return *f;
  if (const FontRecord* f = find_font(1)) return *f;
  FontRecord fallback{};
  const char16_t face[] = u"MS Sans Serif";
  for (int i = 0; face[i] != 0; ++i) fallback.font.lfFaceName[i] = face[i];
  fallback.size = 8.0f;
  fallback.font.lfWeight = 400;
  return fallback;
}

// Pixel mode: the given size is the client size, and the position is the dialog's own.
void PlaceInPixels(HWND dialog, HWND parent, DWORD style, std::int32_t x, std::int32_t y,
                   std::int32_t width, std::int32_t height) {
  RECT window{}, client{};
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  width += (window.right - window.left) - client.right;
  height += (window.bottom - window.top) - client.bottom;
  if ((style & dialog_style::kCenter) != 0) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    x = centred_coordinate(work.left, work.right, width);
    y = centred_coordinate(work.top, work.bottom, height);
  } else if ((style & (dialog_style::kChild | dialog_style::kAbsAlign)) == 0) {
    POINT origin{0, 0};
    if (parent != nullptr) ClientToScreen(parent, &origin);
    x += origin.x;
    y += origin.y;
  } else {
    x = clamped_coordinate(style, x);
    y = clamped_coordinate(style, y);
  }
  SetWindowPos(dialog, nullptr, x, y, width, height,
               SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS |
                   SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
}

}  // namespace

HWND create_dialog(RoutineFrame& frame, std::uint32_t coordinate_mode, HWND parent,
                   std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   DWORD style, DWORD ex_style) {
  const bool pixels = (coordinate_mode & kPixelMode) != 0;
  style = adjust_dialog_style(style, x, y, parent);
  alignas(4) BYTE buffer[kTemplateBufferSize];
  write_dialog_template(buffer, style, ex_style, x, y, width, height, TemplateFont());
  HWND dialog = CreateDialogIndirectParamW(Process().instance,
                                           reinterpret_cast<LPCDLGTEMPLATEW>(buffer), parent,
                                           &dialog_procedure, 0);
  if (dialog != nullptr && pixels) PlaceInPixels(dialog, parent, style, x, y, width, height);

  // Made even without a dialog, where it has no effect; the template's " " is replaced.
  SetWindowTextW(dialog, WideOrEmpty(frame.strings.Text(0)));
  frame.strings.PopDiscard();
  if (dialog == nullptr) return nullptr;

  ErrorState not_passed_on;
  DialogState* record = register_record(not_passed_on, dialog, parent,
                                        IS_DIALOG | (pixels ? USES_PIXELS : USES_DIALOG_UNITS),
                                        kind::kNamedClass);
  if (record == nullptr) return nullptr;
  record->style = style;
  record->show_command = show_command_for_style(style);
  record->ex_style = ex_style;
  record->dialog_font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  return dialog;
}

}  // namespace runtime
