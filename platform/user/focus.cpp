// SetFocus, GetFocus, SetActiveWindow, GetActiveWindow, SetForegroundWindow,
// GetForegroundWindow, SetCapture, ReleaseCapture, GetCapture, EnableWindow.
#include "platform/user/focus.h"

#include <vector>

#include "platform/user/display_link.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

bool Eligible(HWND top, HWND excluded) {
  Window* w = FindWindowRecord(top);
  return w != nullptr && top != excluded && !w->destroying && w->visible() && w->enabled() &&
         w->thread_id == GetCurrentThreadId();
}

void ChangeFocus(MessageQueue& queue, HWND window) {
  HWND old = queue.focus;
  if (old == window) return;
  if (old != nullptr && FindWindowRecord(old) != nullptr) {
    SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  }
  if (window != nullptr && FindWindowRecord(window) == nullptr) {
    queue.focus = nullptr;
    return;
  }
  queue.focus = window;
  if (window != nullptr) {
    SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  }
}

// The program becomes or stops being the active application: every top-level window of
// the thread hears it (WM_ACTIVATEAPP; lParam, the other application's thread, is 0 for
// none here).
void TellApplicationActivation(bool active) {
  std::vector<HWND> tops;
  const DWORD thread = GetCurrentThreadId();
  for (HWND top : TopLevelWindows()) {
    Window* w = FindWindowRecord(top);
    if (w != nullptr && w->thread_id == thread && !w->destroying) tops.push_back(top);
  }
  for (HWND top : tops) {
    if (FindWindowRecord(top) != nullptr) SendMessageW(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
  }
}

}  // namespace

void ActivateWindow(HWND top, WORD how) {
  MessageQueue& queue = CurrentQueue();
  HWND old = queue.active;
  if (old == top) return;
  queue.active = top;
  if (old != nullptr && FindWindowRecord(old) != nullptr) {
    SendMessageW(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(top));
    SendMessageW(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(top));
  }
  if (old != nullptr && top == nullptr && queue.active == nullptr) TellApplicationActivation(false);
  if (queue.active != top) return;  // a handler activated something else meanwhile
  Window* w = FindWindowRecord(top);
  if (w == nullptr) {
    queue.active = nullptr;
    return;
  }
  if (old == nullptr) {
    TellApplicationActivation(true);
    if (queue.active != top || FindWindowRecord(top) == nullptr) return;
  }
  // The active window comes to the top of the z-order.
  auto& order = TopLevelWindows();
  std::erase(order, top);
  order.insert(order.begin(), top);
  DisplayWindowActivated(top);
  SendMessageW(top, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
  SendMessageW(top, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(old));
  // A focus left in another top-level window goes.
  if (queue.active == top && queue.focus != nullptr && RootOf(queue.focus) != top) {
    ChangeFocus(queue, nullptr);
  }
}

void WindowLeaving(HWND leaving) {
  MessageQueue& queue = CurrentQueue();
  if (queue.capture != nullptr && IsSelfOrAncestor(leaving, queue.capture)) queue.capture = nullptr;
  if (queue.active == leaving) {
    HWND next = nullptr;
    Window* w = FindWindowRecord(leaving);
    if (w != nullptr && w->owner != nullptr && Eligible(w->owner, leaving)) next = w->owner;
    if (next == nullptr) {
      for (HWND top : TopLevelWindows()) {
        if (Eligible(top, leaving)) {
          next = top;
          break;
        }
      }
    }
    if (next != nullptr) {
      ActivateWindow(next, WA_ACTIVE);
    } else {
      if (FindWindowRecord(leaving) != nullptr) {
        SendMessageW(leaving, WM_NCACTIVATE, FALSE, 0);
        SendMessageW(leaving, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
      }
      queue.active = nullptr;
      TellApplicationActivation(false);
    }
  }
  // The focus inside a window that goes is dropped without WM_KILLFOCUS.
  if (queue.focus != nullptr && IsSelfOrAncestor(leaving, queue.focus)) queue.focus = nullptr;
}

}  // namespace platform::user

extern "C" {

HWND SetFocus(HWND window) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  HWND old = queue.focus;
  if (window == nullptr) {
    ChangeFocus(queue, nullptr);
    return old;
  }
  Window* w = LiveWindow(window);
  if (w == nullptr) return nullptr;
  if (w->thread_id != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  // A window inside a disabled or minimized ancestor cannot take the focus.
  for (Window* up = w; up != nullptr; up = FindWindowRecord(up->parent)) {
    if (!up->enabled() || (up->style & WS_MINIMIZE)) return nullptr;
  }
  HWND top = RootOf(window);
  if (queue.active != top) {
    ActivateWindow(top, WA_ACTIVE);
    if (FindWindowRecord(window) == nullptr) return nullptr;
  }
  ChangeFocus(queue, window);
  return old;
}

HWND GetFocus() { return platform::user::CurrentQueue().focus; }

HWND SetActiveWindow(HWND window) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  HWND old = queue.active;
  if (window != nullptr) {
    if (LiveWindow(window) == nullptr) return nullptr;
    window = RootOf(window);
  }
  ActivateWindow(window, WA_ACTIVE);
  return old;
}

HWND GetActiveWindow() { return platform::user::CurrentQueue().active; }

BOOL SetForegroundWindow(HWND window) {
  if (platform::user::LiveWindow(window) == nullptr) return FALSE;
  SetActiveWindow(window);
  return TRUE;
}

HWND GetForegroundWindow() { return platform::user::CurrentQueue().active; }

HWND SetCapture(HWND window) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  HWND old = queue.capture;
  if (window != nullptr && LiveWindow(window) == nullptr) return nullptr;
  queue.capture = window;
  if (old != nullptr && old != window && FindWindowRecord(old) != nullptr) {
    SendMessageW(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
  }
  return old;
}

BOOL ReleaseCapture() {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  HWND old = queue.capture;
  queue.capture = nullptr;
  if (old != nullptr && FindWindowRecord(old) != nullptr) {
    SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
  }
  return TRUE;
}

HWND GetCapture() { return platform::user::CurrentQueue().capture; }

BOOL EnableWindow(HWND window, BOOL enable) {
  using namespace platform::user;
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  bool was_disabled = !w->enabled();
  if (enable && was_disabled) {
    w->style &= ~WS_DISABLED;
    SendMessageW(window, WM_ENABLE, TRUE, 0);
  } else if (!enable && !was_disabled) {
    w->style |= WS_DISABLED;
    MessageQueue& queue = CurrentQueue();
    // A disabled window loses the focus (and the capture) it held.
    if (queue.focus != nullptr && IsSelfOrAncestor(window, queue.focus)) SetFocus(nullptr);
    if (queue.capture != nullptr && IsSelfOrAncestor(window, queue.capture)) ReleaseCapture();
    if (FindWindowRecord(window) != nullptr) SendMessageW(window, WM_ENABLE, FALSE, 0);
  }
  return was_disabled ? TRUE : FALSE;
}

}  // extern "C"
