#include "runtime/dialogs/add_control.h"

#include "runtime/dialogs/control_classes.h"
#include "runtime/dialogs/control_images.h"
#include "runtime/dialogs/control_operations.h"
#include "runtime/dialogs/control_procedures.h"
#include "runtime/dialogs/graphic_control_setup.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/resource_names.h"
#include "runtime/dialogs/wide_text.h"
#include "runtime/frame/process_state.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/frame/thread_record.h"

namespace runtime {
namespace {

constexpr DWORD kDefaultPushButton = 0x1;  // BS_DEFPUSHBUTTON
constexpr DWORD kTreeCheckBoxes = 0x100;   // TVS_CHECKBOXES

bool IsCommonControlKind(std::int32_t k) { return k >= kind::kHeader && k <= kind::kTabControl; }

void AddInitialItems(HWND window, std::int32_t k, std::span<const DynString> items) {
  const UINT message = k == kind::kComboBox ? CB_ADDSTRING : LB_ADDSTRING;
  ErrorState ignored;
  for (const DynString& item : items) {
    if (item.empty()) break;
    StringWorkStack strings(ignored);
    strings.PushBorrowed(item);
    strings.SlotToWide(0);
    send_text_message(window, message, 0, strings.Text(0));
    strings.PopDiscard();
  }
}

void SetUpScrollBar(HWND window) {
  SCROLLINFO info{};
  info.cbSize = sizeof(SCROLLINFO);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = 100;
  info.nPage = 10;
  info.nPos = 0;
  SendMessageA(window, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
}

void SetUpCommonControl(HWND window, std::int32_t k) {
  SendMessageW(window, CCM_SETUNICODEFORMAT, TRUE, 0);
  if (k == kind::kToolbar) SendMessageA(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (k == kind::kTabControl) {
    LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC,
                                          reinterpret_cast<LONG_PTR>(&tab_control_procedure));
    if (DialogState* record = find_record(window)) record->tab_old_proc = previous;
  }
}

}  // namespace

HWND add_control(RoutineFrame& frame, std::int32_t k, HWND dialog, std::int32_t id,
                 std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                 DWORD style, DWORD ex_style, DialogCallback callback,
                 std::span<const DynString> initial_items) {
  StringWorkStack& strings = frame.strings;
  auto release_strings = [&] {
    strings.PopDiscard();  // the text
    strings.PopDiscard();  // the class name
  };
  RECT rect{x, y, x + width, y + height};
  const DialogState* dialog_record = find_record(dialog);
  if (dialog_record == nullptr) {
    release_strings();
    return nullptr;
  }
  std::uint32_t flags = (dialog_record->flags & COORDINATE_BITS) | IS_CONTROL;
  HFONT dialog_font = dialog_record->dialog_font;
  const bool units = (dialog_record->flags & USES_DIALOG_UNITS) != 0;

  const SIZE units_extent{width + 1, height + 1};  // for a graphic control's scale
  if (units) {
    MapDialogRect(dialog, &rect);
    x = rect.left;
    y = rect.top;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }

  ControlCreation creation = control_creation(k, strings.WideText(1), style,
                                              ex_style, width, height);
  LPCWSTR text = WideOrEmpty(strings.Text(0));
  std::u16string_view image_name;
  if (IsImageKind(k)) {
    image_name = WideView(strings.Text(0));
    text = nullptr;
    if (resource_exists(RT_BITMAP, image_name) != 0) {
      flags |= IMAGE_IS_BITMAP;
    } else {
      flags |= IMAGE_IS_ICON;
      creation.style = icon_style_for_image_kind(k, creation.style);
      creation.final_style = creation.style;
    }
  }

  HWND window = CreateWindowExW(creation.ex_style, WideOrEmpty(creation.class_name), text,
                                creation.style, x, y, width, height, dialog,
                                reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id)),
                                Process().instance, nullptr);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font), TRUE);
  if (window != nullptr) {
    ErrorState not_passed_on;
    if (DialogState* record = register_record(not_passed_on, window, dialog, flags, k)) {
      record->callback = callback;
      record->style = creation.style;
      record->ex_style = creation.ex_style;
    }
  }
  if (window == nullptr) {
    release_strings();
    return nullptr;
  }

  if (!initial_items.empty()) AddInitialItems(window, k, initial_items);
  if ((k == kind::kPushButton || k == kind::kImageButton || k == kind::kImageButtonFitted) &&
      (creation.style & kDefaultPushButton) != 0) {
    SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
  }
  if (IsImageKind(k)) {
    SIZE size{0, 0};
    if (k == kind::kImageFitted) {
      RECT client{};
      GetClientRect(window, &client);
      size = {client.right, client.bottom};
    } else if (k == kind::kImageButtonFitted) {
      size = {width, height};
    }
    // A name that loads nothing leaves the control empty.
    set_control_image(window, k, flags, image_name, size, /*send_when_missing=*/false);
  }
  if (k == kind::kGraphicControl) set_up_graphic_control(window, units ? &units_extent : nullptr);
  if (IsCommonControlKind(k)) SetUpCommonControl(window, k);
  if (k == kind::kTreeView && (creation.final_style & kTreeCheckBoxes) != 0) {
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(creation.final_style));
    if (DialogState* record = find_record(window)) record->style |= kTreeCheckBoxes;
  }
  if (k == kind::kScrollBar) SetUpScrollBar(window);
  release_strings();
  return window;
}

BOOL enable_control(HWND dialog, std::int32_t id, BOOL enable) {
  HWND window = id == DIALOG_ITSELF ? dialog : GetDlgItem(dialog, id);
  return EnableWindow(window, enable);
}

}  // namespace runtime
