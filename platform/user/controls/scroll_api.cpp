// SetScrollInfo, GetScrollInfo, SetScrollPos, GetScrollPos, SetScrollRange,
// GetScrollRange, EnableScrollBar, ShowScrollBar: SB_CTL goes to the scroll-bar control
// as its SBM_ message; SB_HORZ / SB_VERT are the window's own bars (window_scroll_bars.h).
#include <climits>
#include <cstdint>
#include <initializer_list>

#include "platform/user/controls/window_scroll_bars.h"
#include "platform/user/painting_state.h"

namespace {

using namespace platform::user::controls;

// The frame (where the bars are) is painted again with the window's next paint, in its
// turn after the parent's: painting it at once could be covered by a parent still to paint.
void RedrawFrame(HWND window) {
  const RECT nothing{0, 0, 0, 0};
  platform::user::Invalidate(window, &nothing, false, true, false);
}

// A window bar after its values changed: shown while it can scroll, hidden when it cannot
// (disabled instead with SIF_DISABLENOSCROLL).
int AfterChange(HWND window, int bar, WindowScrollBar& record, UINT mask, BOOL redraw) {
  const bool can = CanScroll(record.values);
  const int pos = record.values.pos;
  if (mask & SIF_DISABLENOSCROLL) {
    record.disabled_arrows = can ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
    ShowWindowBar(window, bar, true);
  } else {
    ShowWindowBar(window, bar, can);
  }
  if (redraw && IsWindow(window)) RedrawFrame(window);
  return pos;
}

}  // namespace

extern "C" {

int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (bar == SB_CTL) {
    if (!IsWindow(window)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    return static_cast<int>(SendMessageW(window, SBM_SETSCROLLINFO, static_cast<WPARAM>(redraw),
                                         reinterpret_cast<LPARAM>(info)));
  }
  WindowScrollBar* record = WindowBar(window, bar);
  if (record == nullptr) {
    if (IsWindow(window)) SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  ScrollValues values = record->values;
  if (!ApplyScrollInfo(values, *info)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  record->values = values;
  return AfterChange(window, bar, *record, info->fMask, redraw);
}

BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info) {
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (bar == SB_CTL) {
    if (!IsWindow(window)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    return static_cast<BOOL>(SendMessageW(window, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
  }
  WindowScrollBar* record = WindowBar(window, bar);
  if (record == nullptr) return FALSE;
  const DWORD bit = bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
  if (!(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & bit)) {
    SetLastError(ERROR_NO_SCROLLBARS);
    return FALSE;
  }
  if ((info->cbSize != sizeof(SCROLLINFO) && info->cbSize != sizeof(SCROLLINFO) - sizeof(int)) ||
      !(info->fMask & SIF_ALL)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (info->fMask & SIF_RANGE) {
    info->nMin = record->values.min;
    info->nMax = record->values.max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = record->values.page;
  if (info->fMask & SIF_POS) info->nPos = record->values.pos;
  if ((info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof(SCROLLINFO)) {
    info->nTrackPos = record->dragging ? record->track_pos : record->values.pos;
  }
  return TRUE;
}

int SetScrollPos(HWND window, int bar, int pos, BOOL redraw) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  if (!GetScrollInfo(window, bar, &info) && bar != SB_CTL && !IsWindow(window)) return 0;
  const int old = info.nPos;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(window, bar, &info, redraw);
  return old;
}

int GetScrollPos(HWND window, int bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND window, int bar, int min_pos, int max_pos, BOOL redraw) {
  if (static_cast<std::int64_t>(max_pos) - min_pos > INT_MAX) {
    SetLastError(ERROR_INVALID_SCROLLBAR_RANGE);
    return FALSE;
  }
  if (bar == SB_CTL) {
    if (!IsWindow(window)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    SendMessageW(window, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(min_pos),
                 static_cast<LPARAM>(max_pos));
    return TRUE;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE;
  info.nMin = min_pos;
  info.nMax = max_pos;
  if (WindowBar(window, bar) == nullptr) return FALSE;
  SetScrollInfo(window, bar, &info, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND window, int bar, LPINT min_pos, LPINT max_pos) {
  if (min_pos == nullptr || max_pos == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE;
  if (!GetScrollInfo(window, bar, &info)) {
    *min_pos = 0;
    *max_pos = 0;
    return FALSE;
  }
  *min_pos = info.nMin;
  *max_pos = info.nMax;
  return TRUE;
}

BOOL EnableScrollBar(HWND window, UINT bar, UINT arrows) {
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (bar == static_cast<UINT>(SB_CTL)) {
    return static_cast<BOOL>(SendMessageW(window, SBM_ENABLE_ARROWS, arrows, 0));
  }
  bool changed = false;
  for (int which : {SB_HORZ, SB_VERT}) {
    if (bar != static_cast<UINT>(which) && bar != static_cast<UINT>(SB_BOTH)) continue;
    WindowScrollBar* record = WindowBar(window, which);
    if (record == nullptr) continue;
    const UINT wanted = arrows & ESB_DISABLE_BOTH;
    if (record->disabled_arrows != wanted) changed = true;
    record->disabled_arrows = wanted;
  }
  if (changed) RedrawFrame(window);
  return changed ? TRUE : FALSE;
}

BOOL ShowScrollBar(HWND window, int bar, BOOL show) {
  if (bar == SB_CTL) {
    if (!IsWindow(window)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    ShowWindow(window, show ? SW_SHOW : SW_HIDE);
    return TRUE;
  }
  if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return ShowWindowBar(window, bar, show != FALSE) ? TRUE : FALSE;
}

}  // extern "C"
