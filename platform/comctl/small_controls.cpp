// The classes ICC_BAR_CLASSES and ICC_UPDOWN_CLASS bring besides the toolbar and the status
// bar, kept small: "tooltips_class32" (a hidden pop-up that accepts its messages and shows
// nothing), "msctls_trackbar32" (a channel and a thumb; TBM_ position and range) and
// "msctls_updown32" (two arrow buttons; UDM_ position and range, UDN_DELTAPOS, the buddy's
// number with UDS_SETBUDDYINT).
#include <algorithm>
#include <string>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;

class ToolTips {
 public:
  explicit ToolTips(HWND window) : window_(window) {}
  void OnDestroy() {}
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message >= WM_USER && message < WM_USER + 0x100) return 0;
    return DefWindowProcW(window_, message, wparam, lparam);
  }

 private:
  HWND window_;
};

class TrackBar {
 public:
  explicit TrackBar(HWND window) : window_(window) {}
  void OnDestroy() {}
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case TBM_GETPOS: return pos_;
      case TBM_GETRANGEMIN: return low_;
      case TBM_GETRANGEMAX: return high_;
      case TBM_SETPOS:
        pos_ = std::clamp(static_cast<int>(lparam), low_, high_);
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case TBM_SETRANGE:
        low_ = static_cast<SHORT>(LOWORD(lparam));
        high_ = std::max(low_, static_cast<int>(static_cast<SHORT>(HIWORD(lparam))));
        pos_ = std::clamp(pos_, low_, high_);
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PaintScope paint(window_, 0);
        RECT client;
        GetClientRect(window_, &client);
        FillRect(paint.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
        int middle = client.bottom / 2;
        RECT channel{8, middle - 2, client.right - 8, middle + 2};
        DrawEdge(paint.dc(), &channel, EDGE_SUNKEN, BF_RECT);
        int span = std::max(1, high_ - low_);
        int x = 8 + static_cast<int>(static_cast<long long>(client.right - 16) * (pos_ - low_) / span);
        RECT thumb{x - 5, middle - 10, x + 6, middle + 10};
        DrawEdge(paint.dc(), &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        return 0;
      }
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

 private:
  HWND window_;
  int low_ = 0;
  int high_ = 100;
  int pos_ = 0;
};

class UpDown {
 public:
  explicit UpDown(HWND window) : window_(window) {}
  void OnDestroy() {}
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case UDM_SETRANGE:
        high_ = static_cast<SHORT>(LOWORD(lparam));
        low_ = static_cast<SHORT>(HIWORD(lparam));
        return 0;
      case UDM_SETRANGE32:
        low_ = static_cast<int>(wparam);
        high_ = static_cast<int>(lparam);
        return 0;
      case UDM_GETRANGE:
        return MAKELRESULT(static_cast<WORD>(high_), static_cast<WORD>(low_));
      case UDM_GETRANGE32:
        if (wparam) *reinterpret_cast<int*>(wparam) = low_;
        if (lparam) *reinterpret_cast<int*>(lparam) = high_;
        return 0;
      case UDM_SETPOS:
      case UDM_SETPOS32: {
        int old = pos_;
        SetPos(message == UDM_SETPOS ? static_cast<SHORT>(LOWORD(lparam)) : static_cast<int>(lparam));
        return old;
      }
      case UDM_GETPOS:
        return MAKELRESULT(static_cast<WORD>(pos_), 0);
      case UDM_GETPOS32:
        if (lparam) *reinterpret_cast<BOOL*>(lparam) = FALSE;
        return pos_;
      case UDM_SETBUDDY: {
        HWND old = buddy_;
        buddy_ = reinterpret_cast<HWND>(wparam);
        return reinterpret_cast<LRESULT>(old);
      }
      case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(buddy_);
      case WM_LBUTTONDOWN: {
        RECT client;
        GetClientRect(window_, &client);
        Step(GET_Y_LPARAM(lparam) < client.bottom / 2 ? 1 : -1);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PaintScope paint(window_, 0);
        RECT client;
        GetClientRect(window_, &client);
        RECT up = client, down = client;
        up.bottom = down.top = client.bottom / 2;
        DrawFrameControl(paint.dc(), &up, DFC_SCROLL, DFCS_SCROLLUP);
        DrawFrameControl(paint.dc(), &down, DFC_SCROLL, DFCS_SCROLLDOWN);
        return 0;
      }
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

 private:
  void SetPos(int pos) {
    pos_ = std::clamp(pos, std::min(low_, high_), std::max(low_, high_));
    if (buddy_ && (GetWindowLongW(window_, GWL_STYLE) & UDS_SETBUDDYINT)) {
      std::string digits = std::to_string(pos_);
      SetWindowTextA(buddy_, digits.c_str());
    }
  }
  void Step(int direction) {
    int delta = low_ <= high_ ? direction : -direction;
    NMUPDOWN notice{};
    notice.iPos = pos_;
    notice.iDelta = delta;
    HWND self = window_;
    if (SendNotify(window_, UDN_DELTAPOS, &notice.hdr) != 0 || !IsWindow(self)) return;
    SetPos(pos_ + notice.iDelta);
    if (HWND parent = GetParent(window_)) {
      SendMessageW(parent, (GetWindowLongW(window_, GWL_STYLE) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL,
                   MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(pos_)),
                   reinterpret_cast<LPARAM>(window_));
    }
  }

  HWND window_;
  HWND buddy_ = nullptr;
  int low_ = 100;  // Windows' default range runs from 100 down to 0
  int high_ = 0;
  int pos_ = 0;
};

}  // namespace

bool RegisterToolTips() {
  return RegisterControlClass(ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES,
                              TOOLTIPS_CLASSW, StatefulProcedure<ToolTips>, 0);
}
bool RegisterTrackBar() {
  return RegisterControlClass(ICC_BAR_CLASSES, TRACKBAR_CLASSW, StatefulProcedure<TrackBar>, 0);
}
bool RegisterUpDown() {
  return RegisterControlClass(ICC_UPDOWN_CLASS, UPDOWN_CLASSW, StatefulProcedure<UpDown>, 0);
}

}  // namespace platform::comctl
