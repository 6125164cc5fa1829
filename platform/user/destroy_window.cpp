// DestroyWindow and IsWindow.
//
// Order: WM_PARENTNOTIFY(WM_DESTROY) up the parent chain; the window is hidden
// (WM_WINDOWPOSCHANGING/CHANGED); windows it owns are destroyed; activation, focus and
// capture leave it; WM_DESTROY goes to it and then to its descendants, parents before
// children; WM_NCDESTROY goes to the descendants, children before parents, and last to it.
// Then the handles die: messages for them are dropped and every call given one fails
// with ERROR_INVALID_WINDOW_HANDLE.
#include "platform/user/controls/window_scroll_bars.h"
#include "platform/user/display_link.h"
#include "platform/user/focus.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
void SendParentNotify(HWND window, UINT event);  // create_window.cpp
}  // namespace platform::user

namespace {

using namespace platform::user;

void SendDestroy(HWND window) {
  if (FindWindowRecord(window) == nullptr) return;
  SendMessageW(window, WM_DESTROY, 0, 0);
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return;
  for (HWND child : std::vector<HWND>(w->children)) {
    if (Window* c = FindWindowRecord(child)) c->destroying = true;
    SendDestroy(child);
  }
}

void SendNcDestroyAndRemove(HWND window) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return;
  for (HWND child : std::vector<HWND>(w->children)) SendNcDestroyAndRemove(child);
  if (FindWindowRecord(window) == nullptr) return;
  SendMessageW(window, WM_NCDESTROY, 0, 0);
  w = FindWindowRecord(window);
  if (w == nullptr) return;
  MessageQueue& queue = CurrentQueue();
  ForgetWindowMessages(queue, window);
  if (queue.focus == window) queue.focus = nullptr;
  if (queue.active == window) queue.active = nullptr;
  if (queue.capture == window) queue.capture = nullptr;
  // Children that survived (created during destruction) go with it.
  for (HWND child : std::vector<HWND>(w->children)) {
    if (Window* c = FindWindowRecord(child)) {
      c->parent = nullptr;
      controls::ForgetWindowBars(child);
      RemoveWindow(child);
    }
  }
  UnlinkWindow(*w);
  // Per-window state kept outside the record goes with the handle.
  controls::ForgetWindowBars(window);
  RemoveWindow(window);
}

}  // namespace

extern "C" {

BOOL DestroyWindow(HWND window) {
  Window* w = LiveWindow(window);
  if (w == nullptr || window == DesktopWindow()) {
    if (w != nullptr) SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (w->thread_id != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (w->destroying) return TRUE;  // already on its way (destroyed from its own handler)
  w->destroying = true;

  if (w->created) SendParentNotify(window, WM_DESTROY);
  if (FindWindowRecord(window) == nullptr) return TRUE;

  if (Window* again = FindWindowRecord(window); again != nullptr && again->visible()) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  }
  for (HWND owned : OwnedWindows(window)) DestroyWindow(owned);
  if (FindWindowRecord(window) == nullptr) return TRUE;

  if (Window* again = FindWindowRecord(window); again != nullptr && again->parent == nullptr) {
    DisplayWindowHidden(window);
  }
  WindowLeaving(window);

  SendDestroy(window);
  SendNcDestroyAndRemove(window);
  return TRUE;
}

BOOL IsWindow(HWND window) { return FindWindowRecord(window) != nullptr ? TRUE : FALSE; }

}  // extern "C"
