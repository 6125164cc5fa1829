#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {

void FillColor(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void DrawLabel(HDC dc, std::u16string_view text, RECT rect, UINT format, COLORREF color) {
  int mode = SetBkMode(dc, TRANSPARENT);
  COLORREF old = SetTextColor(dc, color);
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
  SetTextColor(dc, old);
  SetBkMode(dc, mode);
}

COLORREF ResolveColor(COLORREF color, int system_color) {
  return color == CLR_DEFAULT || color == CLR_NONE ? GetSysColor(system_color) : color;
}

FontScope::FontScope(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
FontScope::~FontScope() { SelectObject(dc_, previous_); }

PaintScope::PaintScope(HWND window, WPARAM given_dc) : window_(window) {
  dc_ = reinterpret_cast<HDC>(given_dc);
  if (dc_ == nullptr) {
    dc_ = BeginPaint(window, &ps_);
    began_ = true;
  }
}
PaintScope::~PaintScope() {
  if (began_) EndPaint(window_, &ps_);
}

}  // namespace platform::comctl
