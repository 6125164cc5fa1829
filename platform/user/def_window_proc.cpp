// DefWindowProcW and DefWindowProcA: what a window does with a message its procedure
// leaves to the system.
#include <algorithm>

#include "platform/user/caption_box_tracking.h"
#include "platform/user/caption_layout.h"
#include "platform/user/controls/window_scroll_tracking.h"
#include "platform/user/default_painting.h"
#include "platform/user/display_link.h"
#include "platform/user/frame_metrics.h"
#include "platform/user/system_menu.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_class.h"
#include "platform/user/window_links.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace {

using namespace platform::user;

LRESULT SetText(HWND window, LPCWSTR text) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return FALSE;
  w->text = text != nullptr ? std::u16string(text) : std::u16string();
  if (w->parent == nullptr) {
    DisplayWindowChanged(window);
    if ((w->style & WS_CAPTION) == WS_CAPTION) w->frame_dirty = true;
  }
  return TRUE;
}

// A greyed close box (CS_NOCLOSE, or Close greyed in the system menu) is not even pushed.
bool CloseBoxEnabled(HWND window) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr || (w->window_class && (w->window_class->style & CS_NOCLOSE))) return false;
  return !SystemCloseDisabled(window);
}

LRESULT GetText(const Window& w, WPARAM capacity, LPARAM buffer) {
  auto* out = reinterpret_cast<WCHAR*>(buffer);
  if (out == nullptr || capacity == 0) return 0;
  std::size_t n = std::min<std::size_t>(w.text.size(), capacity - 1);
  std::copy_n(w.text.data(), n, out);
  out[n] = 0;
  return static_cast<LRESULT>(n);
}

}  // namespace

extern "C" {

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return 0;
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName)) {
        // A name starting with 0xFFFF is a resource ordinal (dialog items): no text.
        if (create->lpszName[0] != 0xFFFF) w->text = create->lpszName;
      }
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      auto* rect = reinterpret_cast<RECT*>(lparam);
      if (rect != nullptr) {
        *rect = ClientFromWindowRect(*rect, w->style, w->ex_style,
                                     w->parent == nullptr && w->id != 0);
      }
      return 0;
    }
    case WM_NCHITTEST:
      return HitTest(*w, POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
    case WM_SETTEXT:
      return SetText(window, reinterpret_cast<LPCWSTR>(lparam));
    case WM_GETTEXT:
      return GetText(*w, wparam, lparam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SYSCOMMAND:
      switch (wparam & 0xFFF0) {
        case SC_MINIMIZE:
          ShowWindow(window, SW_MINIMIZE);
          return 0;
        case SC_MAXIMIZE:
          ShowWindow(window, SW_MAXIMIZE);
          return 0;
        case SC_RESTORE:
          ShowWindow(window, SW_RESTORE);
          return 0;
        default:
          break;
      }
      if ((wparam & 0xFFF0) == SC_CLOSE) {
        if (w->window_class && (w->window_class->style & CS_NOCLOSE)) return 0;
        if (SystemCloseDisabled(window)) return 0;
        SendMessageW(window, WM_CLOSE, 0, 0);
      }
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+F4 closes the top-level window the key went to.
      if (wparam == VK_F4 && (lparam & (1 << 29)) != 0) {
        if (HWND top = RootOf(window)) PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (wparam == HTHSCROLL || wparam == HTVSCROLL) {
        controls::TrackWindowScrollBar(window, wparam == HTHSCROLL ? SB_HORZ : SB_VERT,
                                       POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      } else if (message == WM_NCLBUTTONDBLCLK) {
        return 0;
      } else if (wparam == HTCLOSE) {
        if (CloseBoxEnabled(window) && TrackCaptionBox(window, HTCLOSE)) {
          SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, lparam);
        }
      } else if (wparam == HTMINBUTTON && (w->style & WS_MINIMIZEBOX)) {
        if (TrackCaptionBox(window, HTMINBUTTON)) SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, lparam);
      } else if (wparam == HTMAXBUTTON && (w->style & WS_MAXIMIZEBOX)) {
        if (TrackCaptionBox(window, HTMAXBUTTON)) {
          // The window record may have changed while the box was held.
          Window* now = FindWindowRecord(window);
          if (now != nullptr) {
            SendMessageW(window, WM_SYSCOMMAND, (now->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lparam);
          }
        }
      } else if (w->parent == nullptr) {
        SetActiveWindow(window);
      }
      return 0;
    case WM_NCACTIVATE:
      if (w->caption_active != (wparam != FALSE)) {
        w->caption_active = wparam != FALSE;
        if ((w->style & WS_CAPTION) == WS_CAPTION) w->frame_dirty = true;
      }
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(window);
      return 0;
    case WM_MOUSEACTIVATE:
      if (w->parent != nullptr) {
        LRESULT answer = SendMessageW(w->parent, WM_MOUSEACTIVATE, wparam, lparam);
        if (answer != 0) return answer;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CONTEXTMENU:
      // Children leave these to their parents.
      if (w->parent != nullptr && (w->style & WS_CHILD)) {
        return SendMessageW(w->parent, message, wparam, lparam);
      }
      return 0;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      if (pos == nullptr) return 0;
      POINT origin = ClientOrigin(w->parent);
      RECT client = w->client_rect;
      if (!(pos->flags & SWP_NOMOVE)) {
        SendMessageW(window, WM_MOVE, 0,
                     MAKELPARAM(static_cast<WORD>(client.left - origin.x),
                                static_cast<WORD>(client.top - origin.y)));
      }
      if (!(pos->flags & SWP_NOSIZE) && FindWindowRecord(window) != nullptr) {
        WPARAM kind = (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                      : (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : SIZE_RESTORED;
        SendMessageW(window, WM_SIZE, kind,
                     MAKELPARAM(static_cast<WORD>(client.right - client.left),
                                static_cast<WORD>(client.bottom - client.top)));
      }
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      if (BeginPaint(window, &paint) != nullptr || FindWindowRecord(window) != nullptr) {
        EndPaint(window, &paint);
      }
      return 0;
    }
    case WM_NCPAINT:
      PaintFrame(window);
      return 0;
    case WM_ERASEBKGND:
      return EraseWithClassBrush(window, reinterpret_cast<HDC>(wparam)) ? 1 : 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(DefaultControlColors(reinterpret_cast<HDC>(wparam), message));
    case WM_SETREDRAW:
      w->redraw_enabled = wparam != FALSE;
      return 0;
    case WM_SETICON: {
      HICON& slot = wparam == ICON_SMALL ? w->icon_small : w->icon_big;
      HICON old = slot;
      slot = reinterpret_cast<HICON>(lparam);
      if (w->parent == nullptr) {
        w->frame_dirty = true;
        DisplayWindowChanged(window);
      }
      return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(wparam == ICON_SMALL ? w->icon_small : w->icon_big);
    case WM_CANCELMODE:
      if (GetCapture() == window) ReleaseCapture();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_SHOWWINDOW:
    case WM_GETDLGCODE:
    case WM_PARENTNOTIFY:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    default:
      return 0;
  }
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return platform::user::CallProcedure(DefWindowProcW, false, window, message, wparam, lparam,
                                       true);
}

}  // extern "C"
