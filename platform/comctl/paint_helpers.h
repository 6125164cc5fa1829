// Small drawing helpers the common controls share (platform-internal).
#pragma once

#include <string_view>

#include "platform/win32.h"

namespace platform::comctl {

// Fills with a colour (a COLORREF, not a system colour index).
void FillColor(HDC dc, const RECT& rect, COLORREF color);
// A one-pixel line in a colour from (x0, y0) to (x1, y1), end point excluded.
void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF color);
// Text in a rectangle with DrawTextW flags, transparent background, in a colour.
void DrawLabel(HDC dc, std::u16string_view text, RECT rect, UINT format, COLORREF color);
// A colour given as CLR_DEFAULT (or CLR_NONE) resolved to a system colour.
COLORREF ResolveColor(COLORREF color, int system_color);

// Selects the control's font for the life of the object.
class FontScope {
 public:
  FontScope(HDC dc, HFONT font);
  ~FontScope();
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint/EndPaint, or the DC of WM_PRINTCLIENT when wparam carries one.
class PaintScope {
 public:
  PaintScope(HWND window, WPARAM given_dc);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
  bool began_ = false;
};

}  // namespace platform::comctl
