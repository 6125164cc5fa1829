#include "runtime/dialogs/control_operations.h"

#include "runtime/dialogs/control_images.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/record_release.h"
#include "runtime/dialogs/resource_names.h"
#include "runtime/dialogs/wide_text.h"

namespace runtime {
namespace {

DynString WideString(const WCHAR* text, UINT units) {
  return DynString::Adopt(reinterpret_cast<char*>(SysAllocStringLen(text, units)));
}

}  // namespace

HWND get_control_handle(HWND dialog, std::int32_t id) { return GetDlgItem(dialog, id); }

DynString read_control_text(HWND window) {
  const int n = GetWindowTextLengthW(window);
  BSTR buffer = SysAllocStringLen(nullptr, static_cast<UINT>(n + 1));
  if (buffer == nullptr) return {};
  const int copied = GetWindowTextW(window, buffer, n + 1);
  DynString text = copied > 0 ? WideString(buffer, static_cast<UINT>(copied)) : DynString{};
  SysFreeString(buffer);
  return text;
}

void write_control_text(HWND window, const void* text) {
  SetWindowTextW(window, WideOrEmpty(text));
}

LRESULT send_to_window(HWND w, UINT m, WPARAM wp, LPARAM lp) { return SendMessageA(w, m, wp, lp); }
LRESULT send_to_window_wide(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return SendMessageW(w, m, wp, lp);
}
LRESULT post_to_window(HWND w, UINT m, WPARAM wp, LPARAM lp) { return PostMessageA(w, m, wp, lp); }
LRESULT post_to_window_wide(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return PostMessageW(w, m, wp, lp);
}

LRESULT send_to_control(HWND dialog, std::int32_t id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

LRESULT send_text_message(HWND window, UINT message, WPARAM wParam, const void* text) {
  // The narrow form exists only for narrow_mode, which is never set: every text goes wide.
  return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(WideOrEmpty(text)));
}

DynString query_text_by_messages(HWND window, WPARAM wParam, UINT text_message,
                                 UINT length_message) {
  const LRESULT n = SendMessageW(window, length_message, wParam, 0);
  if (n <= 0) return {};
  DynString text = WideString(nullptr, static_cast<UINT>(n));
  if (text.empty()) return text;
  SendMessageW(window, text_message, wParam, reinterpret_cast<LPARAM>(text.data()));
  return text;
}

std::int32_t get_control_check(HWND dialog, std::int32_t id) {
  return static_cast<std::int32_t>(send_to_control(dialog, id, BM_GETCHECK));
}

void set_control_check(HWND dialog, std::int32_t id, std::int32_t state) {
  send_to_control(dialog, id, BM_SETCHECK, static_cast<WPARAM>(state));
}

void check_radio_range(HWND dialog, std::int32_t first, std::int32_t last, std::int32_t checked) {
  CheckRadioButton(dialog, first, last, checked);
}

void focus_control(HWND dialog, std::int32_t id) {
  HWND control = GetDlgItem(dialog, id);
  const DialogState* record = find_record(control);
  if (record == nullptr) return;
  // Up to the record of the window that stands on its own: a dialog, a graphic window,
  // or the last one whose parent has no record.
  while ((record->flags & (IS_DIALOG | IS_GRAPHIC_WINDOW)) == 0 && record->parent != nullptr) {
    const DialogState* parent = find_record(record->parent);
    if (parent == nullptr) break;
    record = parent;
  }
  SetForegroundWindow(record->hwnd);
  SetFocus(control);
}

void set_control_callback(HWND dialog, std::int32_t id, DialogCallback callback) {
  if (DialogState* record = find_record(GetDlgItem(dialog, id))) record->callback = callback;
}

std::int32_t get_user_value(HWND window, std::int32_t slot) {
  const DialogState* record = find_record(window);
  return record != nullptr ? record->user_values[user_value_index(slot)] : 0;
}

void set_user_value(HWND window, std::int32_t slot, std::int32_t value) {
  if (DialogState* record = find_record(window)) record->user_values[user_value_index(slot)] = value;
}

void replace_control_image(HWND dialog, std::int32_t id, std::u16string_view name,
                           std::int32_t variant) {
  HWND control = GetDlgItem(dialog, id);
  const DialogState* record = find_record(control);
  if (record == nullptr || record->kind != kind::kImage + variant) return;
  SIZE size{0, 0};
  if ((variant & 1) != 0) {
    RECT client{};
    GetClientRect(control, &client);
    size = {client.right, client.bottom};
  }
  const bool bitmap = resource_exists(RT_BITMAP, name) != 0;
  const std::uint32_t wanted = bitmap ? IMAGE_IS_BITMAP : IMAGE_IS_ICON;
  if ((record->flags & (IMAGE_IS_BITMAP | IMAGE_IS_ICON)) != wanted) return;
  set_control_image(control, record->kind, record->flags, name, size, /*send_when_missing=*/true);
}

void destroy_control(HWND dialog, std::int32_t id) {
  if (id == DIALOG_ITSELF) return;
  HWND control = GetDlgItem(dialog, id);
  DestroyWindow(control);
  free_window_record(control);
}

LONG get_window_long(HWND window, int index) { return GetWindowLongW(window, index); }
LONG set_window_long(HWND window, int index, LONG value) {
  return SetWindowLongW(window, index, value);
}
BOOL destroy_window(HWND window) { return DestroyWindow(window); }

}  // namespace runtime
