// user32: the standard controls' calls and the names user_api.h does not already declare
// (scroll-bar arrows and the scroll-bar functions), as the Windows headers declare them.
// Included at the end of platform/win32.h (after user_api.h).
#pragma once

// EnableScrollBar / SBM_ENABLE_ARROWS: which arrows to disable (ESB_ENABLE_BOTH and
// ESB_DISABLE_BOTH are in user_api.h).
constexpr UINT ESB_DISABLE_LEFT = 0x0001;
constexpr UINT ESB_DISABLE_RIGHT = 0x0002;
constexpr UINT ESB_DISABLE_UP = 0x0001;
constexpr UINT ESB_DISABLE_DOWN = 0x0002;
constexpr UINT ESB_DISABLE_LTUP = ESB_DISABLE_LEFT;
constexpr UINT ESB_DISABLE_RTDN = ESB_DISABLE_RIGHT;

extern "C" {

// Scroll bars: SB_CTL names a scroll-bar control, SB_HORZ / SB_VERT a window's own bars.
int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info);
int SetScrollPos(HWND window, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL SetScrollRange(HWND window, int bar, int min_pos, int max_pos, BOOL redraw);
BOOL GetScrollRange(HWND window, int bar, LPINT min_pos, LPINT max_pos);
BOOL EnableScrollBar(HWND window, UINT bar, UINT arrows);
BOOL ShowScrollBar(HWND window, int bar, BOOL show);

}  // extern "C"
