#include "runtime/dialogs/font_handles.h"

#include "runtime/dialogs/font_table.h"
#include "runtime/dialogs/record_list.h"

namespace runtime {
namespace {

bool SelectFailed(HGDIOBJ previous) { return previous == nullptr || previous == HGDI_ERROR; }

// The entry's handle, made at the window's display resolution when it has none yet.
HFONT HandleFor(FontRecord& entry, HWND window) {
  if (entry.handle != nullptr) return entry.handle;
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  entry.font.lfHeight = font_height_for(dpi, entry.size);
  entry.handle = CreateFontIndirectW(&entry.font);
  return entry.handle;
}

void KeepMetrics(GraphicSurface& surface) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(surface.memory_dc, &metrics);
  surface.char_width = metrics.tmAveCharWidth;
  surface.char_height = metrics.tmHeight;
  surface.external_leading = metrics.tmExternalLeading;
}

void DropCount(FontNumber number) {
  if (FontRecord* previous = find_font(number)) --previous->use_count;
}

}  // namespace

void set_control_font(HWND dialog, std::int32_t id, FontNumber number) {
  HWND control = GetDlgItem(dialog, id);
  DialogState* record = find_record(control);
  if (record == nullptr) return;
  if (number == 0) number = 1;
  FontRecord* entry = find_font(number);
  if (entry == nullptr) return;
  HFONT handle = HandleFor(*entry, control);
  if (handle == nullptr) return;

  if (record->kind == kind::kGraphicControl || record->kind == kind::kMemoryBitmap) {
    if (SelectFailed(SelectObject(record->graphic.memory_dc, handle))) return;
    const FontNumber previous = record->font_number;
    record->font_number = number;
    ++entry->use_count;
    DropCount(previous);
    KeepMetrics(record->graphic);
    return;
  }
  if (record->saved_font == nullptr) {
    auto current = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    record->saved_font = current != nullptr ? current : kNoSavedFont;
  }
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
  // The window's records are read again: its callbacks ran inside WM_SETFONT.
  record = find_record(control);
  if (record == nullptr) return;
  const FontNumber previous = record->font_number;
  ++entry->use_count;
  record->font_number = number;
  DropCount(previous);
}

void release_font(FontNumber number) {
  if (number >= 1 && number <= 3) return;
  FontRecord* entry = find_font(number);
  if (entry == nullptr || entry->use_count != 0) return;
  if (entry->handle != nullptr) DeleteObject(entry->handle);
  if (entry->extra_handles[1] != nullptr) DeleteObject(entry->extra_handles[1]);
  entry->handle = nullptr;
  entry->extra_handles[1] = nullptr;
}

void release_window_font(DialogState& record) {
  const FontNumber number = record.font_number;
  record.font_number = 0;
  DropCount(number);
  if (record.saved_font == nullptr) return;
  HFONT saved = record.saved_font == kNoSavedFont ? nullptr : record.saved_font;
  if (IsGraphicKind(record.kind)) {
    if (record.graphic.memory_dc != nullptr) SelectObject(record.graphic.memory_dc, saved);
  } else {
    SendMessageA(record.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(saved), FALSE);
  }
}

std::int32_t select_first_graphic_font(DialogState& record) {
  FontRecord* entry = find_font(1);
  if (entry == nullptr) return 5;
  GraphicSurface& surface = record.graphic;
  if (entry->handle == nullptr) {
    entry->font.lfHeight = first_graphic_font_height(GetDeviceCaps(surface.memory_dc, LOGPIXELSY));
    entry->handle = CreateFontIndirectW(&entry->font);
  }
  HGDIOBJ previous = SelectObject(surface.memory_dc, entry->handle);
  if (SelectFailed(previous)) return 5;
  record.saved_font = static_cast<HFONT>(previous);
  record.font_number = 1;
  ++entry->use_count;
  KeepMetrics(surface);
  SetTextAlign(surface.memory_dc, TA_UPDATECP);
  return 0;
}

}  // namespace runtime
