// Dressing and measuring a live dialog or control: icons, colours, repainting, sizes and
// locations in the dialog's own units, outer sizes for client sizes, accelerators. A
// target is a dialog and a control id, DIALOG_ITSELF naming the dialog.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/win32.h"

namespace runtime {

// The dialog's 32 x 32 and 16 x 16 icons from the icon resource `name`; the icons they
// replace are destroyed. Nothing for a control or a window without a record.
void set_dialog_icon(HWND dialog, std::u16string_view name);

// Text: a COLORREF or -1 (system). Background: a COLORREF, -1 (system) or -2
// (transparent). Shown at the window's next paint.
void set_window_colors(HWND dialog, std::int32_t id, std::int32_t text, std::int32_t back);

// Repaints the window and its children now; a transparent window repaints the part of
// its parent behind it, up to the first opaque ancestor.
void redraw_window(HWND window);

// Sizes and locations: dialog units when the record carries USES_DIALOG_UNITS, else pixels.
SIZE get_client_size(HWND dialog, std::int32_t id);
void set_client_size(HWND dialog, std::int32_t id, std::int32_t width, std::int32_t height);
SIZE get_window_size(HWND dialog, std::int32_t id);
void set_window_size(HWND dialog, std::int32_t id, std::int32_t width, std::int32_t height);
POINT get_window_location(HWND dialog, std::int32_t id);
void set_window_location(HWND dialog, std::int32_t id, std::int32_t x, std::int32_t y);

// The window size a client size needs (at least the minimum tracking size for a thick
// frame), and the client size that fills at least that minimum.
SIZE window_for_client(std::int32_t cx, std::int32_t cy, DWORD style, DWORD ex_style);
SIZE client_for_window(std::int32_t cx, std::int32_t cy, DWORD style, DWORD ex_style);

// Replaces the dialog's accelerator table; an empty array only removes it.
void set_accelerators(HWND dialog, std::span<const ACCEL> entries);

}  // namespace runtime
