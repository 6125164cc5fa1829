// "msctls_progress32": a sunken bar filled from the left with blocks (or smoothly with
// PBS_SMOOTH) in the highlight colour, up to the position within the range.
#include <algorithm>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

class ProgressBar {
 public:
  explicit ProgressBar(HWND window) : window_(window) {}
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case PBM_SETRANGE: {
        LRESULT old = MAKELRESULT(static_cast<WORD>(low_), static_cast<WORD>(high_));
        SetRange(static_cast<SHORT>(LOWORD(lparam)), static_cast<SHORT>(HIWORD(lparam)));
        return old;
      }
      case PBM_SETRANGE32: {
        LRESULT old = MAKELRESULT(static_cast<WORD>(low_), static_cast<WORD>(high_));
        SetRange(static_cast<int>(wparam), static_cast<int>(lparam));
        return old;
      }
      case PBM_GETRANGE: {
        if (auto* out = reinterpret_cast<PBRANGE*>(lparam)) *out = PBRANGE{low_, high_};
        return wparam ? low_ : high_;
      }
      case PBM_SETPOS:
        return SetPos(static_cast<int>(wparam));
      case PBM_DELTAPOS:
        return SetPos(pos_ + static_cast<int>(wparam));
      case PBM_GETPOS:
        return pos_;
      case PBM_SETSTEP: {
        int old = step_;
        step_ = static_cast<int>(wparam);
        return old;
      }
      case PBM_GETSTEP:
        return step_;
      case PBM_STEPIT: {
        // Past the end the bar starts over from the beginning, as in Windows.
        int next = pos_ + step_;
        if (next > high_) next = low_ + (next - high_);
        if (next < low_) next = high_ - (low_ - next);
        return SetPos(next);
      }
      case PBM_SETBARCOLOR:
        return Swap(bar_, static_cast<COLORREF>(lparam));
      case PBM_GETBARCOLOR:
        return bar_;
      case PBM_SETBKCOLOR:
        return Swap(background_, static_cast<COLORREF>(lparam));
      case PBM_GETBKCOLOR:
        return background_;
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT: {
        PaintScope paint(window_, message == WM_PRINTCLIENT ? wparam : 0);
        Paint(paint.dc());
        return 0;
      }
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

 private:
  void SetRange(int low, int high) {
    low_ = low;
    high_ = std::max(high, low);
    pos_ = std::clamp(pos_, low_, high_);
    InvalidateRect(window_, nullptr, TRUE);
  }
  LRESULT SetPos(int pos) {
    int old = pos_;
    pos_ = std::clamp(pos, low_, high_);
    if (pos_ != old) InvalidateRect(window_, nullptr, TRUE);
    return old;
  }
  LRESULT Swap(COLORREF& slot, COLORREF color) {
    COLORREF old = slot;
    slot = color;
    InvalidateRect(window_, nullptr, TRUE);
    return old;
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillColor(dc, client, ResolveColor(background_, COLOR_BTNFACE));
    RECT edge = client;
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    RECT inside = edge;
    InflateRect(&inside, -1, -1);
    if (high_ <= low_ || IsRectEmpty(&inside)) return;
    bool vertical = (GetWindowLongW(window_, GWL_STYLE) & PBS_VERTICAL) != 0;
    bool smooth = (GetWindowLongW(window_, GWL_STYLE) & PBS_SMOOTH) != 0;
    int span = vertical ? inside.bottom - inside.top : inside.right - inside.left;
    int filled = static_cast<int>(static_cast<long long>(span) * (pos_ - low_) / (high_ - low_));
    COLORREF bar = ResolveColor(bar_, COLOR_HIGHLIGHT);
    if (smooth) {
      RECT fill = inside;
      if (vertical) fill.top = fill.bottom - filled;
      else fill.right = fill.left + filled;
      FillColor(dc, fill, bar);
      return;
    }
    // Blocks two thirds as wide as the bar is high, two pixels apart.
    int thickness = vertical ? inside.right - inside.left : inside.bottom - inside.top;
    int block = std::max(2, thickness * 2 / 3);
    for (int at = 0; at < filled; at += block + 2) {
      int end = std::min(at + block, span);
      RECT piece = inside;
      if (vertical) {
        piece.bottom = inside.bottom - at;
        piece.top = inside.bottom - end;
      } else {
        piece.left = inside.left + at;
        piece.right = inside.left + end;
      }
      FillColor(dc, piece, bar);
    }
  }

  HWND window_;
  int low_ = 0;
  int high_ = 100;
  int pos_ = 0;
  int step_ = 10;
  COLORREF bar_ = CLR_DEFAULT;
  COLORREF background_ = CLR_DEFAULT;
};

}  // namespace

bool RegisterProgressBar() {
  return RegisterControlClass(ICC_PROGRESS_CLASS, PROGRESS_CLASSW,
                              StatefulProcedure<ProgressBar>, 0);
}

}  // namespace platform::comctl
