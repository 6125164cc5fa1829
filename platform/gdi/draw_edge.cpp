// DrawEdge: the classic 3-D borders.
//
// An edge is up to two one-pixel borders, outer then inner. Each border paints its top and
// left sides in one colour and its bottom and right sides in another; the bottom-right
// colour owns the top-right and bottom-left corner pixels, which is what gives classic
// buttons their crisp corners.
//
//            top-left (normal / BF_SOFT)        bottom-right
//  raised    outer 3DLIGHT  / 3DHILIGHT         outer 3DDKSHADOW
//            inner 3DHILIGHT / 3DLIGHT          inner 3DSHADOW
//  sunken    outer 3DSHADOW / 3DDKSHADOW        outer 3DHILIGHT
//            inner 3DDKSHADOW / 3DSHADOW        inner 3DLIGHT
//
// BF_FLAT paints the outer border 3DSHADOW and the inner one 3DFACE on every side, BF_MONO
// WINDOWFRAME and WINDOW.
//
// BF_DIAGONAL draws a 45-degree edge across the largest square that fits in the rectangle,
// placed in the corner the line starts from: BF_TOP / BF_BOTTOM and BF_LEFT / BF_RIGHT name
// the corner it ends in (bottom and right when not named). The edge is the sloping side of
// a body that lies below it: a '/' edge is that body's top-left side and takes the top-left
// colours, a '\' edge its top-right side and takes the bottom-right colours. The outer
// border is the diagonal itself, the inner one the diagonal moved one pixel into the body;
// BF_MIDDLE fills the rest of the body's triangle with the face colour.
#include <algorithm>

#include "platform/gdi/painter.h"

using namespace platform::gdi;

namespace {

struct BorderColors {
  int top_left;
  int bottom_right;
};

BorderColors OuterColors(UINT edge, UINT flags) {
  if (flags & BF_MONO) return {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
  if (flags & BF_FLAT) return {COLOR_3DSHADOW, COLOR_3DSHADOW};
  const bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDOUTER) return {soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
  return {soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW, COLOR_3DHILIGHT};
}

BorderColors InnerColors(UINT edge, UINT flags) {
  if (flags & BF_MONO) return {COLOR_WINDOW, COLOR_WINDOW};
  if (flags & BF_FLAT) return {COLOR_3DFACE, COLOR_3DFACE};
  const bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDINNER) return {soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT, COLOR_3DSHADOW};
  return {soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void Line(Painter& painter, LONG left, LONG top, LONG right, LONG bottom, int color) {
  const Fill fill = SolidFill(PixelFromColor(GetSysColor(color)));
  for (LONG y = top; y < bottom; ++y) painter.Span(y, left, right, fill);
}

// Paints one border inside `r` on the sides `flags` names, and moves those sides in.
void Border(Painter& painter, RECT& r, BorderColors colors, UINT flags) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const LONG top_right = (flags & BF_RIGHT) ? r.right - 1 : r.right;
  const LONG left_bottom = (flags & BF_BOTTOM) ? r.bottom - 1 : r.bottom;
  if (flags & BF_TOP) Line(painter, r.left, r.top, top_right, r.top + 1, colors.top_left);
  if (flags & BF_LEFT) Line(painter, r.left, r.top, r.left + 1, left_bottom, colors.top_left);
  if (flags & BF_BOTTOM) Line(painter, r.left, r.bottom - 1, r.right, r.bottom, colors.bottom_right);
  if (flags & BF_RIGHT) Line(painter, r.right - 1, r.top, r.right, r.bottom, colors.bottom_right);
  if (flags & BF_LEFT) ++r.left;
  if (flags & BF_TOP) ++r.top;
  if (flags & BF_RIGHT) --r.right;
  if (flags & BF_BOTTOM) --r.bottom;
}

void Pixel(Painter& painter, LONG x, LONG y, int color) { Line(painter, x, y, x + 1, y + 1, color); }

void Diagonal(Painter& painter, const RECT& r, UINT edge, UINT flags) {
  const LONG n = std::min(r.right - r.left, r.bottom - r.top);
  if (n <= 0) return;
  const bool ends_top = flags & BF_TOP;
  const bool ends_left = flags & BF_LEFT;
  // Rising lines ('/') run from bottom-left to top-right or back.
  const bool rising = ends_top != ends_left;
  const LONG sx = ends_left ? r.right - n : r.left;  // the square, at the starting corner
  const LONG sy = ends_top ? r.bottom - n : r.top;
  const BorderColors outer = OuterColors(edge, flags), inner = InnerColors(edge, flags);
  const int outer_color = rising ? outer.top_left : outer.bottom_right;
  const int inner_color = rising ? inner.top_left : inner.bottom_right;
  const int face = (flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE;
  // Row by row from the top of the square: the diagonal's column, and the body beside it
  // (to the right of a rising line, to the left of a falling one).
  for (LONG i = 0; i < n; ++i) {
    const LONG y = sy + i;
    const LONG x = rising ? sx + n - 1 - i : sx + i;
    const LONG into = rising ? 1 : -1;
    LONG body = x;
    if (edge & BDR_OUTER) Pixel(painter, x, y, outer_color);
    if ((edge & BDR_INNER) && (rising ? x + 1 < sx + n : x - 1 >= sx)) {
      body += into;
      Pixel(painter, body, y, inner_color);
    }
    if (flags & BF_MIDDLE) {
      if (rising) {
        Line(painter, body + 1, y, sx + n, y + 1, face);
      } else {
        Line(painter, sx, y, body, y + 1, face);
      }
    }
  }
}

}  // namespace

extern "C" BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Painter painter(*context, R2_COPYPEN);
  if (!painter.ok()) return FALSE;
  RECT r = *rect;
  if (flags & BF_DIAGONAL) {
    Diagonal(painter, r, edge, flags);
    return TRUE;
  }
  if (edge & BDR_OUTER) Border(painter, r, OuterColors(edge, flags), flags);
  if (edge & BDR_INNER) Border(painter, r, InnerColors(edge, flags), flags);
  if ((flags & BF_MIDDLE) && r.left < r.right && r.top < r.bottom) {
    Line(painter, r.left, r.top, r.right, r.bottom,
         (flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE);
  }
  if (flags & BF_ADJUST) *rect = r;
  return TRUE;
}
