#include "runtime/dialogs/modal_loop.h"

#include "runtime/dialogs/dialog_template.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/toolkit_values.h"
#include "runtime/dialogs/window_metrics.h"

namespace runtime {
namespace {

// The callback's own WM_INITDIALOG and WM_SIZE, before the dialog is visible.
void GreetCallback(HWND dialog, DialogCallback callback) {
  if (callback == nullptr) return;
  callback(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
  const DialogState* record = find_record(dialog);
  const std::int32_t command = record != nullptr ? record->show_command : SW_SHOW;
  RECT client{};
  GetClientRect(dialog, &client);
  const WPARAM kind_of_size = command == SW_MAXIMIZE   ? SIZE_MAXIMIZED
                              : command == SW_MINIMIZE ? SIZE_MINIMIZED
                                                       : SIZE_RESTORED;
  callback(dialog, WM_SIZE, kind_of_size,
           MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
}

// The record with the callback attached and WAS_SHOWN set; null without a record.
DialogState* Attach(HWND dialog, DialogCallback callback, std::int32_t* result) {
  DialogState* record = find_record(dialog);
  if (record == nullptr) return nullptr;
  record->callback = callback;
  record->flags |= WAS_SHOWN;
  record->result_target = result;
  return record;
}

HACCEL AcceleratorsOf(HWND dialog) {
  const DialogState* record = find_record(dialog);
  return record != nullptr ? static_cast<HACCEL>(record->accelerators) : nullptr;
}

}  // namespace

void show_dialog_modal(HWND dialog, DialogCallback callback, std::int32_t* result) {
  SetForegroundWindow(dialog);
  GreetCallback(dialog, callback);
  DialogState* record = Attach(dialog, callback, result);
  if (record == nullptr) return;
  // Nothing is read from the record once the dialog may be gone, but the accelerator
  // table, looked up again for each message while the dialog exists.
  const HWND parent = record->parent;
  const bool idle_messages = (record->style & dialog_style::kNoIdleMessage) == 0;
  const int show_command = record->show_command;
  if (parent != nullptr) {
    SendMessageA(parent, WM_CANCELMODE, 0, 0);
    EnableWindow(parent, FALSE);
  }
  ShowWindow(dialog, show_command);

  MSG msg;
  for (;;) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (idle_messages && parent != nullptr) {
        SendMessageA(parent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
      }
      Sleep(1);
      continue;
    }
    if (IsWindow(dialog)) {
      HACCEL table = AcceleratorsOf(dialog);
      if (table != nullptr && TranslateAcceleratorW(dialog, table, &msg) && IsWindow(dialog)) {
        continue;
      }
      // After a translation that ended the dialog, the message still goes through the
      // dialog manager and to its window, as any other.
      if (IsDialogMessageW(dialog, &msg) && IsWindow(dialog)) continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (!IsWindow(dialog)) break;
  }
  if (parent != nullptr) SetFocus(parent);
}

void show_dialog_modeless(HWND dialog, DialogCallback callback, std::int32_t* result) {
  GreetCallback(dialog, callback);
  DialogState* record = Attach(dialog, callback, result);
  if (record == nullptr) return;
  const int command = record->show_command;
  ShowWindow(dialog, command);
  if (command != SW_HIDE && command != SW_MINIMIZE && command != SW_SHOWMINIMIZED) {
    redraw_window(dialog);
  }
}

std::int32_t set_dialog_show_state(HWND window, std::int32_t command) {
  DialogState* record = find_record(window);
  if (record == nullptr) return 0;
  if ((record->flags & (WAS_SHOWN | IS_CONTROL)) != 0) {
    ShowWindow(window, command);
    redraw_window(window);
    return 0;
  }
  const bool kept = command == SW_HIDE || command == SW_MAXIMIZE || command == SW_MINIMIZE;
  record->show_command = kept ? command : SW_SHOW;
  return 0;
}

void end_dialog(HWND dialog, std::int32_t result) {
  DialogState* record = find_record(dialog);
  if (record == nullptr) return;
  if (record->result_target != nullptr) *record->result_target = result;
  record->close_flags &= ~CLOSE_DISABLED;
  const HWND parent = record->parent;
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  if (parent != nullptr) EnableWindow(parent, TRUE);  // before the dialog goes
  if (DialogState* live = find_record(dialog); live != nullptr && live->accelerators != nullptr) {
    DestroyAcceleratorTable(static_cast<HACCEL>(live->accelerators));
    live->accelerators = nullptr;
  }
  DestroyWindow(dialog);
}

std::int32_t pump_messages_once() {
  ToolkitValues& values = toolkit_values();
  MSG msg;
  if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    HWND active = values.active_dialog;
    bool consumed = false;
    if (active != nullptr && IsWindow(active)) {
      HACCEL table = AcceleratorsOf(active);
      consumed = (table != nullptr && TranslateAcceleratorW(active, table, &msg)) ||
                 IsDialogMessageW(active, &msg);
    }
    if (!consumed) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  } else {
    Sleep(1);
  }
  return values.live_dialogs;
}

void idle_sleep(DWORD milliseconds) { Sleep(milliseconds); }

}  // namespace runtime
