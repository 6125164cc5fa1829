#include "runtime/dialogs/window_metrics.h"

#include <string>

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/graphic_engine_hooks.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/unit_conversion.h"
#include "runtime/frame/process_state.h"

namespace runtime {
namespace {

HWND TargetOf(HWND dialog, std::int32_t id) {
  return id == DIALOG_ITSELF ? dialog : GetDlgItem(dialog, id);
}

bool InUnits(HWND window) {
  const DialogState* record = find_record(window);
  return record != nullptr && (record->flags & USES_DIALOG_UNITS) != 0;
}

SIZE ToUnitsIfNeeded(HWND window, SIZE size) {
  if (!InUnits(window)) return size;
  POINT p = pixels_to_units(window, size.cx, size.cy);
  return {p.x, p.y};
}

SIZE ToPixelsIfNeeded(HWND window, std::int32_t w, std::int32_t h) {
  if (!InUnits(window)) return {w, h};
  POINT p = units_to_pixels(window, w, h);
  return {p.x, p.y};
}

bool IsGraphicControl(HWND window) {
  const DialogState* record = find_record(window);
  return record != nullptr && (record->flags & IS_CONTROL) != 0 &&
         record->kind == kind::kGraphicControl;
}

HICON LoadIcon(std::u16string_view name, int size) {
  const std::u16string zero_terminated(name);
  return static_cast<HICON>(
      LoadImageW(Process().instance, zero_terminated.c_str(), IMAGE_ICON, size, size, 0));
}

void SetIcon(HWND dialog, WPARAM which, HICON icon) {
  SendMessageA(dialog, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  DialogState* record = find_record(dialog);
  if (record == nullptr) return;
  HICON& kept = which == ICON_BIG ? record->big_icon : record->small_icon;
  HICON previous = kept;
  kept = icon;
  if (previous != nullptr) DestroyIcon(previous);
}

}  // namespace

void set_dialog_icon(HWND dialog, std::u16string_view name) {
  const DialogState* record = find_record(dialog);
  if (record == nullptr || (record->flags & IS_CONTROL) != 0) return;
  HICON big = LoadIcon(name, 32);
  if (big == nullptr) return;
  SetIcon(dialog, ICON_BIG, big);
  HICON small = LoadIcon(name, 16);
  if (small == nullptr) return;
  SetIcon(dialog, ICON_SMALL, small);
}

void redraw_window(HWND window) {
  constexpr UINT kEverything = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
  RedrawWindow(window, nullptr, nullptr, kEverything);
  for (const DialogState* record = find_record(window);
       record != nullptr && record->back_color == TRANSPARENT_COLOR && record->parent != nullptr;
       record = find_record(record->parent)) {
    RECT rect{};
    GetWindowRect(record->hwnd, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(record->parent, &corner);
    rect = {corner.x, corner.y, corner.x + (rect.right - rect.left),
            corner.y + (rect.bottom - rect.top)};
    RedrawWindow(record->parent, &rect, nullptr, kEverything);
  }
}

SIZE get_client_size(HWND dialog, std::int32_t id) {
  HWND target = TargetOf(dialog, id);
  RECT client{};
  GetClientRect(target, &client);
  return ToUnitsIfNeeded(target, {client.right, client.bottom});
}

SIZE get_window_size(HWND dialog, std::int32_t id) {
  HWND target = TargetOf(dialog, id);
  RECT rect{};
  GetWindowRect(target, &rect);
  return ToUnitsIfNeeded(target, {rect.right - rect.left, rect.bottom - rect.top});
}

void set_client_size(HWND dialog, std::int32_t id, std::int32_t width, std::int32_t height) {
  HWND target = TargetOf(dialog, id);
  if (IsGraphicControl(target)) return graphic_engine_resize(target, width, height);
  SIZE size = ToPixelsIfNeeded(target, width, height);
  RECT rect{}, client{};
  GetWindowRect(target, &rect);
  GetClientRect(target, &client);
  size.cx += (rect.right - rect.left) - client.right;
  size.cy += (rect.bottom - rect.top) - client.bottom;
  SetWindowPos(target, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void set_window_size(HWND dialog, std::int32_t id, std::int32_t width, std::int32_t height) {
  HWND target = TargetOf(dialog, id);
  if (IsGraphicControl(target)) return graphic_engine_resize(target, width, height);
  SIZE size = ToPixelsIfNeeded(target, width, height);
  SetWindowPos(target, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

POINT get_window_location(HWND dialog, std::int32_t id) {
  HWND target = TargetOf(dialog, id);
  RECT rect{};
  GetWindowRect(target, &rect);
  POINT at{rect.left, rect.top};
  auto owner = reinterpret_cast<HWND>(GetWindowLongPtrW(target, GWLP_HWNDPARENT));
  const DialogState* record = find_record(target);
  const bool is_dialog = record != nullptr && (record->flags & IS_DIALOG) != 0;
  if (owner != nullptr) {
    const bool absolute = is_dialog && (record->style & 0x1) != 0;  // DS_ABSALIGN
    if (!absolute) ScreenToClient(owner, &at);
  }
  // A dialog's position is in its own units; a control's in its dialog's.
  HWND reference = is_dialog ? target : owner;
  if (!InUnits(reference)) return at;
  return pixels_to_units(reference, at.x, at.y);
}

void set_window_location(HWND dialog, std::int32_t id, std::int32_t x, std::int32_t y) {
  HWND target = TargetOf(dialog, id);
  SIZE at = ToPixelsIfNeeded(target, x, y);
  if (id == DIALOG_ITSELF) {
    auto owner = reinterpret_cast<HWND>(GetWindowLongPtrW(target, GWLP_HWNDPARENT));
    const DialogState* record = find_record(target);
    const bool child = record != nullptr && (record->style & WS_CHILD) != 0;
    if (owner != nullptr && !child) {
      POINT origin{0, 0};
      ClientToScreen(owner, &origin);
      at.cx += origin.x;
      at.cy += origin.y;
    }
  }
  SetWindowPos(target, nullptr, at.cx, at.cy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

SIZE window_for_client(std::int32_t cx, std::int32_t cy, DWORD style, DWORD ex_style) {
  RECT rect{100, 100, cx + 99, cy + 99};
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  SIZE size{rect.right - rect.left + 1, rect.bottom - rect.top + 1};
  if ((style & WS_THICKFRAME) != 0) {
    const int min_width = GetSystemMetrics(SM_CXMINTRACK);
    const int min_height = GetSystemMetrics(SM_CYMINTRACK);
    if (size.cx < min_width) size.cx = min_width;
    if (size.cy < min_height) size.cy = min_height;
  }
  return size;
}

SIZE client_for_window(std::int32_t cx, std::int32_t cy, DWORD style, DWORD ex_style) {
  if ((style & WS_THICKFRAME) == 0) return {cx, cy};
  RECT rect{100, 100, cx + 99, cy + 99};
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  const int width = rect.right - rect.left + 1;
  const int height = rect.bottom - rect.top + 1;
  const int min_width = GetSystemMetrics(SM_CXMINTRACK);
  const int min_height = GetSystemMetrics(SM_CYMINTRACK);
  if (width < min_width) cx += min_width - width;
  if (height < min_height) cy += min_height - height;
  return {cx, cy};
}

void set_accelerators(HWND dialog, std::span<const ACCEL> entries) {
  DialogState* record = find_record(dialog);
  if (record == nullptr) return;
  if (record->accelerators != nullptr) {
    DestroyAcceleratorTable(static_cast<HACCEL>(record->accelerators));
    record->accelerators = nullptr;
  }
  if (entries.empty()) return;
  HACCEL table = CreateAcceleratorTableW(const_cast<LPACCEL>(entries.data()),
                                         static_cast<int>(entries.size()));
  if (DialogState* live = find_record(dialog)) live->accelerators = table;
}

}  // namespace runtime
