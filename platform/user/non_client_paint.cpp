// WM_NCPAINT's default: the classic (Windows 2000) frame.
//
//   sizing frame     raised 3-D edge (2 px) + 2 px of button face
//   dialog frame     raised 3-D edge (2 px) + 1 px of button face
//   border           1 px of COLOR_WINDOWFRAME
//   client edge      sunken 3-D edge (2 px) inside that; static edge: 1 px sunken
//   caption          a horizontal gradient from COLOR_ACTIVECAPTION to
//                    COLOR_GRADIENTACTIVECAPTION (the inactive pair when the window is not
//                    active), the small icon (the window's, its class's or the system's
//                    application icon), the title in the bold caption font, the close box, and a
//                    1 px button-face line below
// Where each part lies comes from caption_layout.h, like hit testing.
#include <algorithm>

#include "platform/user/caption_layout.h"
#include "platform/user/system_menu.h"
#include "platform/user/controls/window_scroll_bars.h"
#include "platform/user/default_painting.h"
#include "platform/user/frame_metrics.h"
#include "platform/user/window_class.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

COLORREF Mix(COLORREF a, COLORREF b, int step, int steps) {
  auto channel = [&](int shift) {
    int x = (a >> shift) & 0xFF;
    int y = (b >> shift) & 0xFF;
    return static_cast<COLORREF>(x + (y - x) * step / std::max(steps, 1)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// One 3-D border ring: top and left in `light`, bottom and right in `dark`; the rectangle
// shrinks by one pixel. (The frame draws its own edges: it is not a control.)
void Ring(HDC dc, RECT& r, COLORREF light, COLORREF dark) {
  FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, light);
  FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, light);
  FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, dark);
  FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, dark);
  InflateRect(&r, -1, -1);
}

void RaisedEdge(HDC dc, RECT& r) {
  Ring(dc, r, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
  Ring(dc, r, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW));
}

void SunkenEdge(HDC dc, RECT& r, bool thin) {
  Ring(dc, r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
  if (!thin) Ring(dc, r, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
}

// The close box: a small raised button with a 2-pixel-wide X; held down, sunken with the
// X one pixel down and right.
void CloseBox(HDC dc, RECT box, bool enabled, bool pushed) {
  RECT r = box;
  if (pushed) {
    SunkenEdge(dc, r, false);
  } else {
    RaisedEdge(dc, r);
  }
  FillSolid(dc, r, GetSysColor(COLOR_BTNFACE));
  int w = box.right - box.left;
  int h = box.bottom - box.top;
  int size = std::min(w, h) - 7;  // 9 x 9 X in a 16 x 14 box (7 x 7 in 14 x 12)
  int x0 = box.left + (w - size) / 2 - 1 + (pushed ? 1 : 0);
  int y0 = box.top + (h - size) / 2 + (pushed ? 1 : 0);
  auto draw = [&](int dx, COLORREF color) {
    for (int i = 0; i < size; ++i) {
      FillSolid(dc, RECT{x0 + dx + i, y0 + dx + i, x0 + dx + i + 2, y0 + dx + i + 1}, color);
      FillSolid(dc, RECT{x0 + dx + size - 2 - i + 1, y0 + dx + i, x0 + dx + size - i + 1, y0 + dx + i + 1}, color);
    }
  };
  if (!enabled) draw(1, GetSysColor(COLOR_3DHILIGHT));
  draw(0, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

void PaintCaption(HDC dc, const Window& w, const CaptionLayout& layout) {
  bool active = w.caption_active;
  COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
  RECT bar = layout.caption;
  LONG width = bar.right - bar.left;
  // Runs of one colour: at most 256 steps whatever the width.
  for (LONG x = 0; x < width;) {
    COLORREF color = Mix(from, to, static_cast<int>(x), static_cast<int>(width - 1));
    LONG run = 1;
    while (x + run < width && Mix(from, to, static_cast<int>(x + run), static_cast<int>(width - 1)) == color) ++run;
    FillSolid(dc, RECT{bar.left + x, bar.top, bar.left + x + run, bar.bottom}, color);
    x += run;
  }
  FillSolid(dc, RECT{bar.left, bar.bottom, bar.right, bar.bottom + 1}, GetSysColor(COLOR_BTNFACE));

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (w.ex_style & WS_EX_TOOLWINDOW) metrics.lfCaptionFont = metrics.lfSmCaptionFont;
  HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  RECT text = layout.text;
  DrawTextW(dc, w.text.c_str(), static_cast<int>(w.text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old_font);
  DeleteObject(font);

  // The small icon: the window's, else its class's, else the system's application icon.
  if (layout.icon.right > layout.icon.left) {
    HICON icon = w.icon_small != nullptr ? w.icon_small : w.icon_big;
    if (icon == nullptr) icon = LoadIconW(nullptr, IDI_APPLICATION);
    if (icon != nullptr) {
      DrawIconEx(dc, layout.icon.left, layout.icon.top, icon, 16, 16, 0, nullptr, DI_NORMAL);
    }
  }

  if (layout.close_box.right > layout.close_box.left) {
    bool no_close = (w.window_class && (w.window_class->style & CS_NOCLOSE)) || SystemCloseDisabled(w.handle);
    CloseBox(dc, layout.close_box, !no_close, w.pushed_caption_box == HTCLOSE);
  }
  if (layout.min_box.right > layout.min_box.left) {
    RECT min_box = layout.min_box;
    RECT max_box = layout.max_box;
    auto pushed = [&](LRESULT hit) { return w.pushed_caption_box == hit ? DFCS_PUSHED : 0u; };
    DrawFrameControl(dc, &min_box, DFC_CAPTION,
                     DFCS_CAPTIONMIN | ((w.style & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE) |
                         pushed(HTMINBUTTON));
    DrawFrameControl(dc, &max_box, DFC_CAPTION,
                     ((w.style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) |
                         ((w.style & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE) | pushed(HTMAXBUTTON));
  }
}

}  // namespace

void PaintFrame(HWND window) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return;
  w->frame_dirty = false;
  FrameWidths frame = FrameOf(w->style, w->ex_style, false);
  if (frame.left == 0 && frame.top == 0 && !(w->style & (WS_VSCROLL | WS_HSCROLL))) return;
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  RECT r{0, 0, w->window_rect.right - w->window_rect.left, w->window_rect.bottom - w->window_rect.top};
  if (frame.outer >= 3) {
    RaisedEdge(dc, r);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    for (int i = 2; i < frame.outer; ++i) {
      FrameRect(dc, &r, face);
      InflateRect(&r, -1, -1);
    }
  } else if (frame.outer == 1) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  CaptionLayout layout = LayoutCaption(*w);
  if (layout.has_caption) {
    PaintCaption(dc, *w, layout);
    r.top += frame.caption;
  }
  if (w->ex_style & WS_EX_CLIENTEDGE) {
    SunkenEdge(dc, r, false);
  } else if (w->ex_style & WS_EX_STATICEDGE) {
    SunkenEdge(dc, r, true);
  }
  // The corner between two scroll bars; the bars themselves belong to the scroll-bar code.
  if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
    RECT corner{w->client_rect.right - w->window_rect.left, w->client_rect.bottom - w->window_rect.top,
                w->client_rect.right - w->window_rect.left + GetSystemMetrics(SM_CXVSCROLL),
                w->client_rect.bottom - w->window_rect.top + GetSystemMetrics(SM_CYHSCROLL)};
    FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
  }
  controls::PaintWindowScrollBars(window, dc);
  ReleaseDC(window, dc);
}

}  // namespace platform::user
