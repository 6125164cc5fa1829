// FillRect, FrameRect, InvertRect and DrawFocusRect: rectangles painted with a brush or
// inverted. They ignore the DC's mix mode (SetROP2), as in GDI.
#include <algorithm>

#include "platform/gdi/painter.h"

using namespace platform::gdi;

namespace {

// A brush handle, or COLOR_xxx + 1 standing for that system colour's brush.
HBRUSH ResolveBrush(HBRUSH brush) {
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value >= 1 && value <= COLOR_MENUBAR + 1) {
    return GetSysColorBrush(static_cast<int>(value) - 1);
  }
  return brush;
}

// Fills [left, right) x [top, bottom) with `fill`.
void FillArea(Painter& painter, LONG left, LONG top, LONG right, LONG bottom, const Fill& fill) {
  painter.Area(left, top, right, bottom, fill);
}

}  // namespace

extern "C" {

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  brush = ResolveBrush(brush);
  if (FindObject(brush) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  Painter painter(*context, R2_COPYPEN);
  if (!painter.ok()) return 0;
  FillArea(painter, rect->left, rect->top, rect->right, rect->bottom, BrushFill(*context, brush));
  return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  brush = ResolveBrush(brush);
  if (FindObject(brush) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  const RECT r = *rect;
  if (r.right <= r.left || r.bottom <= r.top) return 1;
  Painter painter(*context, R2_COPYPEN);
  if (!painter.ok()) return 0;
  const Fill fill = BrushFill(*context, brush);
  FillArea(painter, r.left, r.top, r.right, r.top + 1, fill);
  if (r.bottom - r.top > 1) FillArea(painter, r.left, r.bottom - 1, r.right, r.bottom, fill);
  FillArea(painter, r.left, r.top + 1, r.left + 1, r.bottom - 1, fill);
  if (r.right - r.left > 1) FillArea(painter, r.right - 1, r.top + 1, r.right, r.bottom - 1, fill);
  return 1;
}

BOOL InvertRect(HDC dc, const RECT* rect) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Painter painter(*context, R2_NOT);
  if (!painter.ok()) return FALSE;
  FillArea(painter, rect->left, rect->top, rect->right, rect->bottom, SolidFill(0));
  return TRUE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const RECT r = *rect;
  if (r.right <= r.left || r.bottom <= r.top) return TRUE;
  // Every other pixel of the frame inverted (a 50% checker XORed in), so drawing it twice
  // removes it, as the focus rectangle's owners rely on.
  Painter painter(*context, R2_NOT);
  if (!painter.ok()) return FALSE;
  const Fill fill = SolidFill(0);
  auto dot = [&](LONG x, LONG y) {
    if (((x + y) & 1) == 0) painter.Span(y, x, x + 1, fill);
  };
  for (LONG x = r.left; x < r.right; ++x) {
    dot(x, r.top);
    if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
  }
  for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
    dot(r.left, y);
    if (r.right - 1 > r.left) dot(r.right - 1, y);
  }
  return TRUE;
}

}  // extern "C"
