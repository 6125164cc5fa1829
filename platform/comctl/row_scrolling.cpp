#include "platform/comctl/row_scrolling.h"

#include <algorithm>

namespace platform::comctl {

int ClampTopRow(int wanted, int count, int visible) {
  return std::clamp(wanted, 0, std::max(0, count - visible));
}

void SyncRowScrollBar(HWND window, int count, int visible, int top) {
  SCROLLINFO wanted{sizeof wanted, SIF_ALL, 0, std::max(0, count - 1),
                    static_cast<UINT>(visible), top, 0};
  SCROLLINFO now{sizeof now, SIF_ALL, 0, 0, 0, 0, 0};
  const bool shown = (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) != 0;
  if (shown && GetScrollInfo(window, SB_VERT, &now) && now.nMax == wanted.nMax &&
      now.nPage == wanted.nPage && now.nPos == wanted.nPos) {
    return;
  }
  if (shown || count > visible) SetScrollInfo(window, SB_VERT, &wanted, TRUE);
}

int TopRowForScrollCode(HWND window, WORD code, int top, int visible, int count) {
  switch (code) {
    case SB_LINEUP: return top - 1;
    case SB_LINEDOWN: return top + 1;
    case SB_PAGEUP: return top - visible;
    case SB_PAGEDOWN: return top + visible;
    case SB_TOP: return 0;
    case SB_BOTTOM: return count;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      return GetScrollInfo(window, SB_VERT, &info) ? info.nTrackPos : top;
    }
    default: return top;
  }
}

}  // namespace platform::comctl
