// "msctls_statusbar32": a strip along the bottom of its parent, cut into parts each with a
// sunken text, and a size grip in the corner with SBARS_SIZEGRIP. It places itself along
// the parent's bottom (or top with CCS_TOP) when created and on every WM_SIZE, which the
// parent forwards when it is resized.
#include <algorithm>
#include <vector>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

struct Part {
  int right = -1;  // client x of the right edge; -1 runs to the end
  std::u16string text;
  UINT flags = 0;  // SBT_*
};

class StatusBar {
 public:
  explicit StatusBar(HWND window) : window_(window), parts_(1) {}
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_CREATE:
        Layout();
        return 0;
      case WM_SIZE:
        Layout();
        return 0;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        Layout();
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_SETTEXT:
        DefWindowProcW(window_, message, wparam, lparam);
        return SetText(0, reinterpret_cast<const WCHAR*>(lparam), false);
      case SB_SETTEXTW:
      case SB_SETTEXTA:
        return SetText(static_cast<UINT>(wparam), reinterpret_cast<const void*>(lparam),
                       message == SB_SETTEXTA);
      case SB_GETTEXTW:
      case SB_GETTEXTA:
      case SB_GETTEXTLENGTHW:
      case SB_GETTEXTLENGTHA: {
        const Part* part = Find(static_cast<UINT>(wparam));
        if (part == nullptr) return 0;
        if ((message == SB_GETTEXTW || message == SB_GETTEXTA) && lparam != 0) {
          CopyTextOut(part->text, reinterpret_cast<void*>(lparam), 0x7FFFFFFF,
                      message == SB_GETTEXTA);
        }
        return MAKELRESULT(static_cast<WORD>(part->text.size()), static_cast<WORD>(part->flags));
      }
      case SB_SETPARTS: {
        int count = static_cast<int>(wparam);
        auto* rights = reinterpret_cast<const int*>(lparam);
        if (count <= 0 || count > 256 || rights == nullptr) return FALSE;
        parts_.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) parts_[i].right = rights[i];
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case SB_GETPARTS: {
        auto* rights = reinterpret_cast<int*>(lparam);
        int count = static_cast<int>(wparam);
        for (int i = 0; rights != nullptr && i < count && i < static_cast<int>(parts_.size()); ++i) {
          rights[i] = parts_[i].right;
        }
        return static_cast<LRESULT>(parts_.size());
      }
      case SB_GETBORDERS: {
        if (auto* out = reinterpret_cast<int*>(lparam)) {
          out[0] = 0;
          out[1] = 2;
          out[2] = 2;
        }
        return TRUE;
      }
      case SB_SETMINHEIGHT:
        min_height_ = static_cast<int>(wparam);
        return 0;
      case SB_SIMPLE:
        simple_ = wparam != 0;
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case SB_ISSIMPLE:
        return simple_;
      case SB_GETRECT: {
        auto* out = reinterpret_cast<RECT*>(lparam);
        int index = static_cast<int>(wparam);
        if (out == nullptr || index < 0 || index >= static_cast<int>(parts_.size())) return FALSE;
        *out = PartRect(index);
        return TRUE;
      }
      case SB_SETBKCOLOR: {
        COLORREF old = background_;
        background_ = static_cast<COLORREF>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return old;
      }
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
      case WM_NCHITTEST: {
        // The grip sizes the parent.
        POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        ScreenToClient(window_, &p);
        RECT grip = GripRect();
        if (HasGrip() && PtInRect(&grip, p)) return HTBOTTOMRIGHT;
        return DefWindowProcW(window_, message, wparam, lparam);
      }
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

 private:
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)); }
  bool HasGrip() const { return (Style() & SBARS_SIZEGRIP) != 0; }

  Part* Find(UINT index) {
    index &= 0xFF;
    if (simple_ && index == SB_SIMPLEID) return &simple_part_;
    if (index >= parts_.size()) return nullptr;
    return &parts_[index];
  }

  LRESULT SetText(UINT wparam, const void* text, bool ansi) {
    Part* part = Find(wparam & 0xFF);
    if (part == nullptr) return FALSE;
    part->text = TextIn(text, ansi);
    part->flags = wparam & 0xFF00;
    InvalidateRect(window_, nullptr, TRUE);
    return TRUE;
  }

  int BarHeight() const {
    HDC dc = GetDC(window_);
    TEXTMETRICW tm{};
    {
      FontScope scope(dc, ControlFont(font_));
      GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(window_, dc);
    return std::max<int>(min_height_, tm.tmHeight + 8);
  }

  void Layout() {
    HWND parent = GetParent(window_);
    DWORD style = Style();
    if (parent == nullptr || (style & CCS_NOPARENTALIGN) || (style & CCS_NORESIZE)) return;
    RECT area;
    GetClientRect(parent, &area);
    int height = BarHeight();
    int top = (style & CCS_TOP) == CCS_TOP && (style & CCS_BOTTOM) != CCS_BOTTOM
                  ? 0
                  : area.bottom - height;
    SetWindowPos(window_, nullptr, 0, top, area.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  RECT GripRect() const {
    RECT client;
    GetClientRect(window_, &client);
    int size = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{client.right - size, client.bottom - size, client.right, client.bottom};
  }

  RECT PartRect(int index) const {
    RECT client;
    GetClientRect(window_, &client);
    int left = index == 0 ? 0 : parts_[index - 1].right + 2;
    int right = parts_[index].right < 0 ? client.right : parts_[index].right;
    if (parts_[index].right < 0 && HasGrip()) right -= GetSystemMetrics(SM_CXVSCROLL) - 2;
    return RECT{left, 2, std::max(left, right), client.bottom};
  }

  void PaintPart(HDC dc, const Part& part, RECT rect) {
    if ((part.flags & SBT_NOBORDERS) == 0) {
      DrawEdge(dc, &rect, (part.flags & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
               BF_RECT | BF_ADJUST);
    }
    RECT text = rect;
    InflateRect(&text, -2, 0);
    // Tabs split the text into left, centred and right-aligned pieces.
    static constexpr UINT kAlign[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    std::size_t start = 0;
    for (int piece = 0; piece < 3 && start <= part.text.size(); ++piece) {
      std::size_t tab = part.text.find(u'\t', start);
      std::u16string_view slice(part.text.data() + start,
                                (tab == std::u16string::npos ? part.text.size() : tab) - start);
      DrawLabel(dc, slice, text, kAlign[piece] | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                GetSysColor(COLOR_BTNTEXT));
      if (tab == std::u16string::npos) break;
      start = tab + 1;
    }
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillColor(dc, client, ResolveColor(background_, COLOR_BTNFACE));
    FontScope scope(dc, ControlFont(font_));
    if (simple_) {
      RECT whole{0, 2, client.right, client.bottom};
      if (HasGrip()) whole.right -= GetSystemMetrics(SM_CXVSCROLL) - 2;
      PaintPart(dc, simple_part_, whole);
    } else {
      for (int i = 0; i < static_cast<int>(parts_.size()); ++i) PaintPart(dc, parts_[i], PartRect(i));
    }
    if (HasGrip()) {
      RECT grip = GripRect();
      DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
  }

  HWND window_;
  HFONT font_ = nullptr;
  std::vector<Part> parts_;
  Part simple_part_;
  bool simple_ = false;
  int min_height_ = 0;
  COLORREF background_ = CLR_DEFAULT;
};

}  // namespace

bool RegisterStatusBar() {
  return RegisterControlClass(ICC_BAR_CLASSES, STATUSCLASSNAMEW, StatefulProcedure<StatusBar>, 0);
}

}  // namespace platform::comctl
