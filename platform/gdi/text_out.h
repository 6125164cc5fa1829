// Drawing a run of text into a DC (platform-internal): the work of ExtTextOutW, shared
// with DrawText.
#pragma once

#include <string_view>

#include "platform/gdi/device_context.h"

namespace platform::gdi {

// Draws `text` with the DC's font, colours, background mode and text alignment, as
// ExtTextOutW does (`options`: ETO_OPAQUE, ETO_CLIPPED with `rect`; `dx`: the advance of
// each unit, or null for the font's). False when the DC has no surface.
bool DrawTextRun(DeviceContext& dc, int x, int y, UINT options, const RECT* rect,
                 std::u16string_view text, const INT* dx);

// Fills [x0, x1) x [y0, y1) with one pixel value, clipped to `bounds` when not null and
// to the DC, ignoring ROP2 (text backgrounds and text lines).
void FillTextBox(DeviceContext& dc, LONG x0, LONG y0, LONG x1, LONG y1, std::uint32_t pixel,
                 const RECT* bounds);

}  // namespace platform::gdi
