#include "app/start_day_dialog.h"

#include "app/log_file.h"
#include "app/program_state.h"
#include "runtime/dialogs/add_control.h"
#include "runtime/dialogs/control_operations.h"
#include "runtime/dialogs/create_dialog.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_handles.h"
#include "runtime/dialogs/font_table.h"
#include "runtime/dialogs/modal_loop.h"
#include "runtime/dialogs/window_metrics.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/text/static_text.h"

namespace app {

namespace {

constexpr runtime::StaticText kProgramName{"Vestralino"};
constexpr runtime::StaticText kNoClass{""};
constexpr runtime::StaticText kDatePickerClass{"SysDateTimePick32"};
constexpr runtime::StaticText kDatePickerText{"SysDateTimePick32_1"};
constexpr runtime::StaticText kLabelText{"Dia de Inicio"};
constexpr runtime::StaticText kCancelText{"Cancelar"};
constexpr runtime::StaticText kAcceptText{"Aceptar"};
constexpr char16_t kIconName[] = u"#200";
constexpr char16_t kFontFace[] = u"MS Sans Serif";

// Kinds of the toolkit's control-class table, and 0 for a class named by the caller.
constexpr std::int32_t kNamedClass = 0;
constexpr std::int32_t kPushButton = 1;
constexpr std::int32_t kLabel = 5;

constexpr std::uint32_t kDialogUnits = 1;
constexpr DWORD kDatePickerStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;  // short date, drop-down
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr std::uint32_t kBold = runtime::font_style::kBold;

// A control's place in dialog units.
struct UnitBox {
  std::int32_t x, y, width, height;
};

template <std::size_t C, std::size_t T>
void AddControl(runtime::RoutineFrame& frame, std::int32_t kind, HWND dialog, std::int32_t id,
                const runtime::StaticText<C>& class_name, const runtime::StaticText<T>& text,
                UnitBox box, DWORD style, DWORD ex_style) {
  auto& s = frame.strings;
  s.PushBorrowed(class_name);
  s.SlotToWide(0);
  s.PushBorrowed(text);
  s.SlotToWide(0);
  runtime::add_control(frame, kind, dialog, id, box.x, box.y, box.width,
                       box.height, style, ex_style, nullptr);
}

// "Aceptar": the picker's text as it is displayed becomes the start day. An empty text
// leaves the dialog open; otherwise the first record is written (a failure shows its own
// box) and the dialog ends either way.
void AcceptStartDay(HWND dialog, ProgramState& program) {
  runtime::RoutineFrame frame;
  auto& s = frame.strings;
  s.PushOwned(runtime::read_control_text(runtime::get_control_handle(dialog, IDC_START_DATE)));
  s.SlotToNarrow(0);
  if (s.Length(0) == 0) return;
  s.PopAssign(program.start_text);
  AppendLogRecord(program);
  runtime::end_dialog(dialog, 0);
}

}  // namespace

std::int32_t ShowStartDayDialog(HWND owner) {
  ProgramState& program = Program();
  runtime::RoutineFrame frame;
  frame.strings.PushBorrowed(kProgramName);
  frame.strings.SlotToWide(0);
  program.start_dialog = runtime::create_dialog(frame, kDialogUnits, owner,
                                                runtime::CENTRE_DEFAULT,
                                                runtime::CENTRE_DEFAULT, 122, 59, 0, 0);
  const HWND dialog = program.start_dialog;
  runtime::set_dialog_icon(dialog, kIconName);

  AddControl(frame, kNamedClass, dialog, IDC_START_DATE, kDatePickerClass, kDatePickerText,
             {10, 15, 105, 20}, kDatePickerStyle, WS_EX_CLIENTEDGE);
  AddControl(frame, kLabel, dialog, IDC_START_LABEL, kNoClass, kLabelText, {10, 5, 105, 10},
             kLabelStyle, 0);
  AddControl(frame, kPushButton, dialog, IDC_CANCEL_BUTTON, kNoClass, kCancelText,
             {11, 40, 40, 15}, 0, 0);
  AddControl(frame, kPushButton, dialog, IDC_ACCEPT_BUTTON, kNoClass, kAcceptText,
             {73, 40, 40, 15}, 0, 0);

  const runtime::FontNumber large = runtime::create_font(frame.errors, kFontFace, 18, kBold, 0, 0, 0);
  const runtime::FontNumber medium = runtime::create_font(frame.errors, kFontFace, 10, kBold, 0, 0, 0);
  const runtime::FontNumber small = runtime::create_font(frame.errors, kFontFace, 8, kBold, 0, 0, 0);
  runtime::set_control_font(dialog, IDC_START_DATE, large);
  runtime::set_control_font(dialog, IDC_START_LABEL, medium);
  runtime::set_control_font(dialog, IDC_CANCEL_BUTTON, small);
  runtime::set_control_font(dialog, IDC_ACCEPT_BUTTON, small);

  std::int32_t result = 0;
  runtime::show_dialog_modal(dialog, &StartDayCallback, &result);

  runtime::release_font(large);
  runtime::release_font(medium);
  runtime::release_font(small);
  return result;
}

std::int32_t StartDayCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  ProgramState& program = Program();
  switch (message) {
    case WM_NCACTIVATE:
      // Keep the focused control while another window is active, give it back after.
      if (wParam == 0) {
        program.saved_focus = GetFocus();
      } else if (program.saved_focus != nullptr) {
        SetFocus(program.saved_focus);
        program.saved_focus = nullptr;
      }
      break;
    case WM_COMMAND: {
      const WORD code = HIWORD(wParam);
      if (code != BN_CLICKED && code != 1) break;
      const WORD id = LOWORD(wParam);
      if (id == IDC_CANCEL_BUTTON) {
        runtime::end_dialog(dialog, 0);
      } else if (id == IDC_ACCEPT_BUTTON) {
        AcceptStartDay(dialog, program);
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

}  // namespace app
