#include "platform/user/caption_layout.h"

#include "platform/user/frame_metrics.h"

namespace platform::user {
namespace {

bool Inside(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

CaptionLayout LayoutCaption(const Window& w) {
  CaptionLayout layout;
  FrameWidths frame = FrameOf(w.style, w.ex_style, false);
  layout.frame = frame.outer;
  if (frame.caption == 0) return layout;
  layout.has_caption = true;
  LONG width = w.window_rect.right - w.window_rect.left;
  int f = frame.outer;
  int bar = frame.caption - 1;
  layout.caption = RECT{f, f, width - f, f + bar};
  bool tool = (w.ex_style & WS_EX_TOOLWINDOW) != 0;
  LONG text_left = layout.caption.left + 2;
  LONG text_right = layout.caption.right - 2;
  if (w.style & WS_SYSMENU) {
    int box_w = tool ? 14 : 16;
    int box_h = tool ? 12 : 14;
    LONG top = layout.caption.top + (bar - box_h) / 2;
    layout.close_box = RECT{layout.caption.right - 2 - box_w, top, layout.caption.right - 2,
                            top + box_h};
    text_right = layout.close_box.left - 2;
    if (!tool && (w.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
      layout.max_box = RECT{layout.close_box.left - 2 - box_w, top, layout.close_box.left - 2, top + box_h};
      layout.min_box = RECT{layout.max_box.left - box_w, top, layout.max_box.left, top + box_h};
      text_right = layout.min_box.left - 2;
    }
    // Dialog frames show no icon, as in Windows.
    bool dialog_frame = (w.ex_style & WS_EX_DLGMODALFRAME) != 0;
    if (!tool && !dialog_frame) {
      LONG icon_top = layout.caption.top + (bar - 16) / 2;
      layout.icon = RECT{layout.caption.left + 2, icon_top, layout.caption.left + 18, icon_top + 16};
      text_left = layout.icon.right + 2;
    }
  }
  layout.text = RECT{text_left, layout.caption.top, text_right, layout.caption.bottom};
  return layout;
}

LRESULT HitTest(const Window& w, POINT screen) {
  if (!Inside(w.window_rect, screen)) return HTNOWHERE;
  if (Inside(w.client_rect, screen)) return HTCLIENT;
  POINT p{screen.x - w.window_rect.left, screen.y - w.window_rect.top};
  CaptionLayout layout = LayoutCaption(w);
  if (layout.has_caption) {
    if (Inside(layout.close_box, p)) return HTCLOSE;
    if (Inside(layout.min_box, p)) return HTMINBUTTON;
    if (Inside(layout.max_box, p)) return HTMAXBUTTON;
    if (Inside(layout.icon, p)) return HTSYSMENU;
    if (Inside(layout.caption, p)) return HTCAPTION;
  }
  LONG width = w.window_rect.right - w.window_rect.left;
  LONG height = w.window_rect.bottom - w.window_rect.top;
  if (w.style & WS_THICKFRAME) {
    int f = layout.frame;
    bool left = p.x < f, right = p.x >= width - f, top = p.y < f, bottom = p.y >= height - f;
    if (top && left) return HTTOPLEFT;
    if (top && right) return HTTOPRIGHT;
    if (bottom && left) return HTBOTTOMLEFT;
    if (bottom && right) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
  }
  POINT client_p{screen.x - w.client_rect.left, screen.y - w.client_rect.top};
  if ((w.style & WS_VSCROLL) && client_p.x >= w.client_width() && client_p.y >= 0 &&
      client_p.y < w.client_height()) {
    return HTVSCROLL;
  }
  if ((w.style & WS_HSCROLL) && client_p.y >= w.client_height() && client_p.x >= 0 &&
      client_p.x < w.client_width()) {
    return HTHSCROLL;
  }
  return HTBORDER;
}

}  // namespace platform::user
