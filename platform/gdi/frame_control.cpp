// DrawFrameControl: push buttons, check boxes, radio buttons, caption buttons, scroll
// arrows and menu marks in the classic 3-D look.
//
// Glyphs are drawn pixel by pixel from small shapes sized from the rectangle, in button
// text colour; an inactive glyph is embossed (3DHILIGHT one pixel down-right, 3DSHADOW on
// top), a pushed one moves one pixel down-right.
#include <algorithm>
#include <functional>

#include "platform/gdi/painter.h"

using namespace platform::gdi;

namespace {

using Plot = std::function<void(LONG x, LONG y, LONG right, LONG bottom)>;

class Canvas {
 public:
  explicit Canvas(DeviceContext& dc) : painter_(dc, R2_COPYPEN) {}
  bool ok() const { return painter_.ok(); }
  void Area(LONG left, LONG top, LONG right, LONG bottom, COLORREF color) {
    const Fill fill = SolidFill(PixelFromColor(color));
    for (LONG y = top; y < bottom; ++y) painter_.Span(y, left, right, fill);
  }
  void SysArea(const RECT& r, int color) { Area(r.left, r.top, r.right, r.bottom, GetSysColor(color)); }
  // 50% checker of two colours (a pressed check-like button's face).
  void Dither(const RECT& r, int even, int odd) {
    const Fill a = SolidFill(PixelFromColor(GetSysColor(even)));
    const Fill b = SolidFill(PixelFromColor(GetSysColor(odd)));
    for (LONG y = r.top; y < r.bottom; ++y) {
      for (LONG x = r.left; x < r.right; ++x) painter_.Span(y, x, x + 1, ((x + y) & 1) ? b : a);
    }
  }

 private:
  Painter painter_;
};

// Draws a glyph through `shape`, which plots rectangles relative to (0, 0) with the
// offset and colour given here.
void DrawGlyph(Canvas& canvas, LONG x, LONG y, bool inactive, bool pushed,
               const std::function<void(const Plot&)>& shape) {
  if (pushed) ++x, ++y;
  auto in = [&](LONG dx, LONG dy, COLORREF color) {
    shape([&](LONG l, LONG t, LONG r, LONG b) { canvas.Area(x + dx + l, y + dy + t, x + dx + r, y + dy + b, color); });
  };
  if (inactive) {
    in(1, 1, GetSysColor(COLOR_3DHILIGHT));
    in(0, 0, GetSysColor(COLOR_3DSHADOW));
  } else {
    in(0, 0, GetSysColor(COLOR_BTNTEXT));
  }
}

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

// The raised, pushed or flat frame of a button, its face filled; returns the face.
RECT ButtonFrame(HDC dc, Canvas& canvas, RECT r, UINT state) {
  if (state & DFCS_FLAT) {
    DrawEdge(dc, &r, BDR_OUTER, BF_RECT | BF_FLAT | BF_ADJUST);
  } else if (state & DFCS_PUSHED) {
    // Pressed: a dark frame around a shadow frame, all four sides alike.
    DrawEdge(dc, &r, BDR_OUTER, BF_RECT | BF_FLAT | BF_ADJUST);
    RECT outer = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    canvas.SysArea({outer.left, outer.top, outer.right, outer.top + 1}, COLOR_3DDKSHADOW);
    canvas.SysArea({outer.left, outer.bottom - 1, outer.right, outer.bottom}, COLOR_3DDKSHADOW);
    canvas.SysArea({outer.left, outer.top, outer.left + 1, outer.bottom}, COLOR_3DDKSHADOW);
    canvas.SysArea({outer.right - 1, outer.top, outer.right, outer.bottom}, COLOR_3DDKSHADOW);
    canvas.SysArea({r.left, r.top, r.right, r.top + 1}, COLOR_3DSHADOW);
    canvas.SysArea({r.left, r.bottom - 1, r.right, r.bottom}, COLOR_3DSHADOW);
    canvas.SysArea({r.left, r.top, r.left + 1, r.bottom}, COLOR_3DSHADOW);
    canvas.SysArea({r.right - 1, r.top, r.right, r.bottom}, COLOR_3DSHADOW);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  } else if (state & DFCS_CHECKED) {
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_SOFT | BF_ADJUST);
    canvas.Dither(r, COLOR_3DHILIGHT, COLOR_3DFACE);
    return r;
  } else {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);
  }
  if (r.left < r.right && r.top < r.bottom) canvas.SysArea(r, COLOR_3DFACE);
  return r;
}

// --- Check box and radio button ---------------------------------------------------------

// The 7 x 7 check mark: three pixels tall in every column.
void CheckMark(const Plot& plot) {
  static constexpr int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int x = 0; x < 7; ++x) plot(x, kTop[x], x + 1, kTop[x] + 3);
}

void CheckBox(HDC dc, Canvas& canvas, const RECT& rect, UINT state) {
  const LONG side = std::min(Width(rect), Height(rect));
  RECT box{rect.left, rect.top + (Height(rect) - side) / 2, rect.left + side,
           rect.top + (Height(rect) - side) / 2 + side};
  RECT inside = box;
  if (state & DFCS_FLAT) {
    DrawEdge(dc, &inside, BDR_OUTER, BF_RECT | BF_FLAT | BF_ADJUST);
  } else {
    DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  const bool grey_face = state & (DFCS_PUSHED | DFCS_INACTIVE);
  const bool indeterminate = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
  if (indeterminate && !grey_face) {
    canvas.Dither(inside, COLOR_3DHILIGHT, COLOR_3DFACE);
  } else {
    canvas.SysArea(inside, grey_face ? COLOR_3DFACE : COLOR_WINDOW);
  }
  if (!(state & DFCS_CHECKED)) return;
  const LONG x = inside.left + (Width(inside) - 7) / 2;
  const LONG y = inside.top + (Height(inside) - 7) / 2;
  const COLORREF ink = GetSysColor((indeterminate || (state & DFCS_INACTIVE)) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
  CheckMark([&](LONG l, LONG t, LONG r, LONG b) { canvas.Area(x + l, y + t, x + r, y + b, ink); });
}

// The 12 x 12 radio button: o = outer ring, i = inner ring, w = inside.
constexpr const char* kRadio[12] = {
    "....oooo....", "..ooiiiioo..", ".oiiwwwwiio.", ".oiwwwwwwio.",
    "oiwwwwwwwwio", "oiwwwwwwwwio", "oiwwwwwwwwio", "oiwwwwwwwwio",
    ".oiwwwwwwio.", ".oiiwwwwiio.", "..ooiiiioo..", "....oooo....",
};

void RadioButton(Canvas& canvas, const RECT& rect, UINT state) {
  const LONG x0 = rect.left + std::max<LONG>(0, (Width(rect) - 12) / 2);
  const LONG y0 = rect.top + std::max<LONG>(0, (Height(rect) - 12) / 2);
  const bool mask = (state & 0xFF) == DFCS_BUTTONRADIOMASK;
  const bool grey_face = state & (DFCS_PUSHED | DFCS_INACTIVE);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const char c = kRadio[y][x];
      if (c == '.') continue;
      const bool top_left = x + y <= 10;
      COLORREF color;
      if (mask) {
        color = RGB(0, 0, 0);
      } else if (c == 'o') {
        color = GetSysColor((state & DFCS_FLAT) ? COLOR_3DSHADOW : top_left ? COLOR_3DSHADOW : COLOR_3DHILIGHT);
      } else if (c == 'i') {
        color = GetSysColor((state & DFCS_FLAT) ? (grey_face ? COLOR_3DFACE : COLOR_WINDOW)
                            : top_left ? COLOR_3DDKSHADOW : COLOR_3DLIGHT);
      } else {
        color = GetSysColor(grey_face ? COLOR_3DFACE : COLOR_WINDOW);
      }
      canvas.Area(x0 + x, y0 + y, x0 + x + 1, y0 + y + 1, color);
    }
  }
  if ((state & DFCS_CHECKED) && !mask) {
    const COLORREF dot = GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    canvas.Area(x0 + 5, y0 + 4, x0 + 7, y0 + 8, dot);
    canvas.Area(x0 + 4, y0 + 5, x0 + 8, y0 + 7, dot);
  }
}

// --- Caption buttons ----------------------------------------------------------------------

void CaptionGlyph(Canvas& canvas, const RECT& face, UINT kind, UINT state) {
  // The glyph box: about half the button, the classic 16 x 14 button gives 8 x 7.
  const LONG gh = std::max<LONG>(3, (Height(face) * 7 + 5) / 10);
  const LONG gw = gh + 1;
  const LONG x = face.left + (Width(face) - gw) / 2;
  const LONG y = face.top + (Height(face) - gh) / 2;
  const bool inactive = state & DFCS_INACTIVE;
  const bool pushed = state & DFCS_PUSHED;
  switch (kind) {
    case DFCS_CAPTIONCLOSE:
      DrawGlyph(canvas, x, y, inactive, pushed, [&](const Plot& plot) {
        for (LONG i = 0; i < gh; ++i) {
          const LONG at = gh > 1 ? (i * (gw - 2) + (gh - 1) / 2) / (gh - 1) : 0;
          plot(at, i, at + 2, i + 1);
          plot(gw - 2 - at, i, gw - at, i + 1);
        }
      });
      break;
    case DFCS_CAPTIONMIN:
      DrawGlyph(canvas, x, y, inactive, pushed, [&](const Plot& plot) {
        plot(1, gh - 2, gw - 2, gh);
      });
      break;
    case DFCS_CAPTIONMAX:
      DrawGlyph(canvas, x - 1, y - 1, inactive, pushed, [&](const Plot& plot) {
        const LONG w = gw + 1, h = gh + 1;
        plot(0, 0, w, 2);
        plot(0, 0, 1, h);
        plot(w - 1, 0, w, h);
        plot(0, h - 1, w, h);
      });
      break;
    case DFCS_CAPTIONRESTORE:
      DrawGlyph(canvas, x - 1, y - 1, inactive, pushed, [&](const Plot& plot) {
        const LONG w = gw - 2, h = gh - 2;
        auto window = [&](LONG ox, LONG oy) {
          plot(ox, oy, ox + w, oy + 2);
          plot(ox, oy, ox + 1, oy + h);
          plot(ox + w - 1, oy, ox + w, oy + h);
          plot(ox, oy + h - 1, ox + w, oy + h);
        };
        window(3, 0);
        plot(0, 3, w, 3 + h);  // the front window hides the back one
        window(0, 3);
      });
      break;
    case DFCS_CAPTIONHELP:
      DrawGlyph(canvas, x, y, inactive, pushed, [&](const Plot& plot) {
        const LONG c = gw / 2;
        plot(c - 2, 0, c + 2, 1);
        plot(c - 3, 1, c - 1, 3);
        plot(c + 1, 1, c + 3, 3);
        plot(c, 3, c + 2, 4);
        plot(c - 1, 4, c + 1, gh - 3);
        plot(c - 1, gh - 2, c + 1, gh);
      });
      break;
    default:
      break;
  }
}

// --- Scroll arrows ------------------------------------------------------------------------

// A filled triangle pointing `kind`'s way, centred in `face`.
void Arrow(Canvas& canvas, const RECT& face, UINT kind, UINT state) {
  const LONG size = std::min(Width(face), Height(face));
  const LONG depth = std::max<LONG>(1, (size + 2) / 3);  // 16-pixel buttons: 4 rows, 7 wide
  const bool vertical = kind == DFCS_SCROLLUP || kind == DFCS_SCROLLDOWN || kind == DFCS_SCROLLCOMBOBOX;
  const LONG span = 2 * depth - 1;
  const LONG w = vertical ? span : depth, h = vertical ? depth : span;
  const LONG x = face.left + (Width(face) - w) / 2;
  const LONG y = face.top + (Height(face) - h) / 2;
  DrawGlyph(canvas, x, y, state & DFCS_INACTIVE, state & DFCS_PUSHED, [&](const Plot& plot) {
    for (LONG i = 0; i < depth; ++i) {
      // Row i from the tip: 2i + 1 pixels wide.
      switch (kind) {
        case DFCS_SCROLLUP: plot(depth - 1 - i, i, depth + i, i + 1); break;
        case DFCS_SCROLLLEFT: plot(i, depth - 1 - i, i + 1, depth + i); break;
        case DFCS_SCROLLRIGHT: plot(depth - 1 - i, depth - 1 - i, depth - i, depth + i); break;
        default: plot(depth - 1 - i, depth - 1 - i, depth + i, depth - i); break;  // down
      }
    }
  });
}

void SizeGrip(Canvas& canvas, const RECT& r) {
  canvas.SysArea(r, COLOR_3DFACE);
  // Three diagonal ridges: a highlight line, two shadow lines, a gap.
  const LONG size = std::min(Width(r), Height(r));
  for (LONG d = 0; d < size - 1; ++d) {
    const int phase = static_cast<int>(d % 4);
    if (phase == 3 || d < 1) continue;
    const int color = phase == 0 ? COLOR_3DHILIGHT : COLOR_3DSHADOW;
    for (LONG i = 0; i <= d; ++i) {
      const LONG x = r.right - 1 - d + i, y = r.bottom - 1 - i;
      canvas.Area(x, y, x + 1, y + 1, GetSysColor(color));
    }
  }
}

// --- Menu marks ---------------------------------------------------------------------------

void MenuMark(Canvas& canvas, const RECT& r, UINT kind) {
  // Menu marks are masks: black on white, as GDI draws them.
  canvas.Area(r.left, r.top, r.right, r.bottom, RGB(255, 255, 255));
  const COLORREF ink = RGB(0, 0, 0);
  const LONG cx = r.left + Width(r) / 2, cy = r.top + Height(r) / 2;
  auto plot = [&](LONG l, LONG t, LONG rr, LONG b) { canvas.Area(l, t, rr, b, ink); };
  switch (kind) {
    case DFCS_MENUCHECK:
      CheckMark([&](LONG l, LONG t, LONG rr, LONG b) { plot(cx - 3 + l, cy - 3 + t, cx - 3 + rr, cy - 3 + b); });
      break;
    case DFCS_MENUBULLET:
      plot(cx - 1, cy - 2, cx + 1, cy + 2);
      plot(cx - 2, cy - 1, cx + 2, cy + 1);
      break;
    default:  // arrows point right
      for (LONG i = 0; i < 4; ++i) plot(cx - 2 + i, cy - 3 + i, cx - 1 + i, cy + 4 - i);
      break;
  }
}

}  // namespace

extern "C" BOOL DrawFrameControl(HDC dc, LPRECT rect, UINT type, UINT state) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Canvas canvas(*context);
  if (!canvas.ok()) return FALSE;
  const UINT kind = state & 0xFF;
  switch (type) {
    case DFC_BUTTON:
      if (kind & DFCS_BUTTONPUSH) {
        RECT face = ButtonFrame(dc, canvas, *rect, state);
        if (state & DFCS_ADJUSTRECT) *rect = face;
      } else if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
        RadioButton(canvas, *rect, state);
      } else {
        CheckBox(dc, canvas, *rect, state);
      }
      return TRUE;
    case DFC_CAPTION: {
      // A held caption button is sunken, not framed in black like a pressed push button.
      RECT face = *rect;
      if ((state & DFCS_PUSHED) && !(state & DFCS_FLAT)) {
        DrawEdge(dc, &face, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        if (face.left < face.right && face.top < face.bottom) canvas.SysArea(face, COLOR_3DFACE);
      } else {
        face = ButtonFrame(dc, canvas, *rect, state & ~DFCS_CHECKED);
      }
      CaptionGlyph(canvas, face, kind, state);
      return TRUE;
    }
    case DFC_SCROLL: {
      if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
        SizeGrip(canvas, *rect);
        return TRUE;
      }
      // A pressed scroll arrow is flat with its arrow moved, as classic scroll bars do.
      const UINT frame = (state & DFCS_PUSHED) ? (state | DFCS_FLAT) : state;
      RECT face = ButtonFrame(dc, canvas, *rect, frame & ~DFCS_CHECKED);
      Arrow(canvas, face, kind, state);
      return TRUE;
    }
    case DFC_MENU:
    case DFC_POPUPMENU:
      MenuMark(canvas, *rect, kind);
      return TRUE;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
}
