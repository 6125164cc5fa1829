// The scroll bars of windows (see window_scroll_bars.h). Records are kept by handle and
// dropped by DestroyWindow; a sweep for dead handles backs that up.
#include "platform/user/controls/window_scroll_bars.h"

#include <initializer_list>
#include <map>
#include <utility>

#include "platform/user/controls/scroll_bar_painting.h"

namespace platform::user::controls {
namespace {

std::map<std::pair<HWND, int>, WindowScrollBar>& Bars() {
  static std::map<std::pair<HWND, int>, WindowScrollBar> bars;
  return bars;
}

void DropDeadWindows() {
  auto& bars = Bars();
  for (auto it = bars.begin(); it != bars.end();) {
    it = IsWindow(it->first.first) ? std::next(it) : bars.erase(it);
  }
}

}  // namespace

WindowScrollBar* WindowBar(HWND window, int bar) {
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (bar != SB_HORZ && bar != SB_VERT) return nullptr;
  if (Bars().size() > 256) DropDeadWindows();
  return &Bars()[{window, bar}];
}

void ForgetWindowBars(HWND window) {
  Bars().erase({window, SB_HORZ});
  Bars().erase({window, SB_VERT});
}

bool ShowWindowBar(HWND window, int bar, bool show) {
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return false;
  }
  DWORD bits = bar == SB_HORZ ? WS_HSCROLL : bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL | WS_VSCROLL;
  DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  DWORD wanted = show ? style | bits : style & ~bits;
  if (wanted == style) return true;
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(wanted));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

bool WindowBarOnScreen(HWND window, int bar, RECT* screen) {
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  if (!(style & (bar == SB_HORZ ? WS_HSCROLL : bar == SB_VERT ? WS_VSCROLL : 0))) return false;
  RECT client;
  if (!GetClientRect(window, &client)) return false;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  *screen = bar == SB_HORZ
                ? RECT{client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)}
                : RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
  return true;
}

ScrollLayout LayoutWindowBar(HWND window, int bar, const WindowScrollBar& record, const RECT& screen) {
  return LayoutScrollBar(screen, bar == SB_VERT, record.values,
                         record.dragging ? record.track_pos : record.values.pos,
                         IsWindowEnabled(window) != FALSE);
}

void PaintWindowScrollBars(HWND window, HDC dc) {
  RECT outer;
  GetWindowRect(window, &outer);
  for (int bar : {SB_HORZ, SB_VERT}) {
    RECT screen;
    if (!WindowBarOnScreen(window, bar, &screen)) continue;
    WindowScrollBar* record = WindowBar(window, bar);
    if (record == nullptr) return;
    OffsetRect(&screen, -outer.left, -outer.top);  // window coordinates
    ScrollLook look;
    look.disabled_arrows = record->disabled_arrows;
    look.enabled = IsWindowEnabled(window) != FALSE;
    look.pressed = record->pressed;
    PaintScrollBar(dc, LayoutWindowBar(window, bar, *record, screen), look);
  }
}

}  // namespace platform::user::controls
