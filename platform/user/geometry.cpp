// SetWindowPos, MoveWindow, ShowWindow and the queries of places and sizes.
//
// SetWindowPos: WM_WINDOWPOSCHANGING (unless SWP_NOSENDCHANGING) may change the WINDOWPOS;
// then the window moves, sizes (WM_NCCALCSIZE), shows or hides, changes z-order and is
// activated (unless SWP_NOACTIVATE); WM_WINDOWPOSCHANGED follows, whose default handling
// sends WM_MOVE and WM_SIZE. Painting is deferred: what becomes visible is invalidated
// and painted when the queue gets to WM_PAINT.
#include <algorithm>

#include "platform/user/display_link.h"
#include "platform/user/focus.h"
#include "platform/user/message_queue.h"
#include "platform/user/painting_state.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace {

using platform::user::FindWindowRecord;
using platform::user::LiveWindow;
using platform::user::Window;

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void Reorder(Window& w, HWND after) {
  std::vector<HWND>* siblings = nullptr;
  if (w.parent != nullptr) {
    Window* parent = FindWindowRecord(w.parent);
    if (parent == nullptr) return;
    siblings = &parent->children;
  } else {
    siblings = &platform::user::TopLevelWindows();
  }
  if (after == w.handle) return;
  std::erase(*siblings, w.handle);
  if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    siblings->insert(siblings->begin(), w.handle);
  } else if (after == HWND_BOTTOM) {
    siblings->push_back(w.handle);
  } else {
    auto at = std::find(siblings->begin(), siblings->end(), after);
    siblings->insert(at == siblings->end() ? siblings->begin() : at + 1, w.handle);
  }
}

}  // namespace

extern "C" {

BOOL SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height,
                  UINT flags) {
  using namespace platform::user;
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  if (insert_after != nullptr && insert_after != HWND_BOTTOM && insert_after != HWND_TOPMOST &&
      insert_after != HWND_NOTOPMOST && FindWindowRecord(insert_after) == nullptr) {
    if (!(flags & SWP_NOZORDER)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
  }
  RECT current = ParentRelative(*w, w->window_rect);
  if (w->visible() && (flags & SWP_SHOWWINDOW)) flags &= ~SWP_SHOWWINDOW;
  if (!w->visible() && (flags & SWP_HIDEWINDOW)) flags &= ~SWP_HIDEWINDOW;
  WINDOWPOS pos{window,           insert_after,      ClampCoordinate(x), ClampCoordinate(y),
                ClampSize(width), ClampSize(height), flags};
  if (flags & SWP_NOMOVE) {
    pos.x = current.left;
    pos.y = current.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = current.right - current.left;
    pos.cy = current.bottom - current.top;
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    SendMessageW(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    w = FindWindowRecord(window);
    if (w == nullptr) return FALSE;
  }
  pos.x = ClampCoordinate(pos.x);
  pos.y = ClampCoordinate(pos.y);
  pos.cx = ClampSize(pos.cx);
  pos.cy = ClampSize(pos.cy);
  flags = pos.flags;

  POINT origin = ClientOrigin(w->parent);
  RECT target{origin.x + pos.x, origin.y + pos.y, origin.x + pos.x + pos.cx,
              origin.y + pos.y + pos.cy};
  RECT before = w->window_rect;
  bool moved = target.left != before.left || target.top != before.top;
  bool sized = (target.right - target.left) != (before.right - before.left) ||
               (target.bottom - target.top) != (before.bottom - before.top);
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  bool was_visible = w->visible();
  if (w->visible() && !SameRect(before, target) && w->parent != nullptr) {
    InvalidateParentArea(*w);  // what it uncovers
  }
  PlaceWindowRect(*w, target);
  if (sized || (flags & SWP_FRAMECHANGED)) {
    if (!RecalculateClient(window)) return FALSE;
    w = FindWindowRecord(window);
  }

  if (!(flags & SWP_NOZORDER)) Reorder(*w, pos.hwndInsertAfter);
  if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) {
    if (w->parent != nullptr) InvalidateParentArea(*w);
    w->style &= ~WS_VISIBLE;
  }
  bool shown_now = !was_visible && w->visible();
  bool hidden_now = was_visible && !w->visible();
  if (w->visible() && (shown_now || sized || moved || (flags & SWP_FRAMECHANGED)) &&
      !(flags & SWP_NOREDRAW)) {
    InvalidateWholeWindow(window);
  }
  if (hidden_now && w->parent == nullptr) {
    DisplayWindowHidden(window);
    WindowLeaving(window);
  } else if (hidden_now) {
    MessageQueue& queue = CurrentQueue();
    if (queue.focus != nullptr && IsSelfOrAncestor(window, queue.focus)) {
      SetFocus(w->parent);
    }
  }
  w = FindWindowRecord(window);
  if (w == nullptr) return FALSE;
  if (shown_now && w->parent == nullptr) DisplayWindowShown(window);
  else if ((moved || sized) && w->parent == nullptr) DisplayWindowChanged(window);

  if (!(flags & SWP_NOACTIVATE) && w->parent == nullptr && w->visible() &&
      !(w->ex_style & WS_EX_NOACTIVATE)) {
    ActivateWindow(window, WA_ACTIVE);
    if (FindWindowRecord(window) == nullptr) return FALSE;
  }
  if (shown_now && w->parent == nullptr) DisplayWindowActivated(CurrentQueue().active);

  WINDOWPOS changed = pos;
  SendMessageW(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(window, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND window, int command) {
  using namespace platform::user;
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  bool was_visible = w->visible();
  if (command < SW_HIDE || command > SW_MAX) {
    SetLastError(ERROR_INVALID_SHOWWIN_COMMAND);
    return FALSE;
  }
  if (command == SW_HIDE) {
    if (!was_visible) return FALSE;
    SendMessageW(window, WM_SHOWWINDOW, FALSE, 0);
    if (FindWindowRecord(window) == nullptr) return TRUE;
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
  }
  bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                  command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE &&
                  command != SW_FORCEMINIMIZE;
  // Minimizing and maximizing are states only: there is no task bar to minimize to and
  // the windows of this program keep their size.
  if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE ||
      command == SW_FORCEMINIMIZE) {
    w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
  } else if (command == SW_SHOWMAXIMIZED) {
    w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
  } else if (command == SW_RESTORE || command == SW_SHOWNORMAL) {
    w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  }
  if (!was_visible) {
    SendMessageW(window, WM_SHOWWINDOW, TRUE, 0);
    if (FindWindowRecord(window) == nullptr) return FALSE;
  }
  UINT flags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
  if (!activate || (w->style & WS_CHILD)) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  if (was_visible && (flags & SWP_NOACTIVATE)) return TRUE;
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, flags);
  return was_visible ? TRUE : FALSE;
}

BOOL IsIconic(HWND window) {
  Window* w = LiveWindow(window);
  return w != nullptr && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND window) {
  Window* w = LiveWindow(window);
  return w != nullptr && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL BringWindowToTop(HWND window) {
  return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
  if (window == platform::user::DesktopWindow()) window = platform::user::DesktopWindow();
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *rect = w->window_rect;
  return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *rect = RECT{0, 0, w->client_width(), w->client_height()};
  return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
  Window* w = LiveWindow(window);
  if (w == nullptr || point == nullptr) return FALSE;
  point->x += w->client_rect.left;
  point->y += w->client_rect.top;
  return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
  Window* w = LiveWindow(window);
  if (w == nullptr || point == nullptr) return FALSE;
  point->x -= w->client_rect.left;
  point->y -= w->client_rect.top;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT a{0, 0}, b{0, 0};
  if (from != nullptr) {
    Window* w = LiveWindow(from);
    if (w == nullptr) return 0;
    a = {w->client_rect.left, w->client_rect.top};
  }
  if (to != nullptr) {
    Window* w = LiveWindow(to);
    if (w == nullptr) return 0;
    b = {w->client_rect.left, w->client_rect.top};
  }
  LONG dx = a.x - b.x;
  LONG dy = a.y - b.y;
  if (points != nullptr) {
    for (UINT i = 0; i < count; ++i) {
      points[i].x += dx;
      points[i].y += dy;
    }
  }
  SetLastError(ERROR_SUCCESS);  // a zero answer is then not an error
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

}  // extern "C"
