// "ToolbarWindow32": a row of buttons showing images of an image list (and text), along the
// top of the parent. A click on an enabled button sends WM_COMMAND with its command id to
// the parent; check buttons toggle. TBSTYLE_FLAT buttons show an edge only while pressed
// or checked. TB_AUTOSIZE fits the bar to the parent's width.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

constexpr int kSeparatorWidth = 8;

class Toolbar {
 public:
  explicit Toolbar(HWND window) : window_(window) {}
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_CREATE:
        AutoSize();
        return 0;
      case TB_BUTTONSTRUCTSIZE:
        struct_size_ = static_cast<UINT>(wparam);
        return 0;
      case TB_ADDBUTTONSW:
      case TB_ADDBUTTONSA:
        return Insert(static_cast<int>(buttons_.size()), static_cast<int>(wparam),
                      reinterpret_cast<const BYTE*>(lparam));
      case TB_INSERTBUTTONW:
      case TB_INSERTBUTTONA: {
        int index = static_cast<int>(wparam);
        if (index < 0 || index > static_cast<int>(buttons_.size())) index = static_cast<int>(buttons_.size());
        return Insert(index, 1, reinterpret_cast<const BYTE*>(lparam));
      }
      case TB_DELETEBUTTON:
        if (!Valid(static_cast<int>(wparam))) return FALSE;
        buttons_.erase(buttons_.begin() + static_cast<long>(wparam));
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      case TB_BUTTONCOUNT:
        return static_cast<LRESULT>(buttons_.size());
      case TB_COMMANDTOINDEX:
        return IndexOf(static_cast<int>(wparam));
      case TB_GETBUTTON: {
        auto* out = reinterpret_cast<TBBUTTON*>(lparam);
        if (out == nullptr || !Valid(static_cast<int>(wparam))) return FALSE;
        *out = buttons_[wparam];
        return TRUE;
      }
      case TB_SETIMAGELIST:
        return Swap(images_, lparam);
      case TB_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(images_);
      case TB_SETDISABLEDIMAGELIST:
        return Swap(disabled_images_, lparam);
      case TB_GETDISABLEDIMAGELIST:
        return reinterpret_cast<LRESULT>(disabled_images_);
      case TB_SETHOTIMAGELIST:
        return Swap(hot_images_, lparam);
      case TB_GETHOTIMAGELIST:
        return reinterpret_cast<LRESULT>(hot_images_);
      case TB_AUTOSIZE:
        AutoSize();
        return 0;
      case TB_SETBUTTONSIZE:
        button_width_ = std::max(1, static_cast<int>(LOWORD(lparam)));
        button_height_ = std::max(1, static_cast<int>(HIWORD(lparam)));
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      case TB_GETBUTTONSIZE:
        return MAKELRESULT(static_cast<WORD>(ButtonWidth()), static_cast<WORD>(ButtonHeight()));
      case TB_SETBITMAPSIZE:
        bitmap_width_ = LOWORD(lparam);
        bitmap_height_ = HIWORD(lparam);
        return TRUE;
      case TB_ENABLEBUTTON:
        return SetStateBit(static_cast<int>(wparam), TBSTATE_ENABLED, LOWORD(lparam) != 0);
      case TB_CHECKBUTTON:
        return SetStateBit(static_cast<int>(wparam), TBSTATE_CHECKED, LOWORD(lparam) != 0);
      case TB_PRESSBUTTON:
        return SetStateBit(static_cast<int>(wparam), TBSTATE_PRESSED, LOWORD(lparam) != 0);
      case TB_HIDEBUTTON:
        return SetStateBit(static_cast<int>(wparam), TBSTATE_HIDDEN, LOWORD(lparam) != 0);
      case TB_INDETERMINATE:
        return SetStateBit(static_cast<int>(wparam), TBSTATE_INDETERMINATE, LOWORD(lparam) != 0);
      case TB_ISBUTTONENABLED:
        return StateBit(static_cast<int>(wparam), TBSTATE_ENABLED);
      case TB_ISBUTTONCHECKED:
        return StateBit(static_cast<int>(wparam), TBSTATE_CHECKED);
      case TB_ISBUTTONPRESSED:
        return StateBit(static_cast<int>(wparam), TBSTATE_PRESSED);
      case TB_ISBUTTONHIDDEN:
        return StateBit(static_cast<int>(wparam), TBSTATE_HIDDEN);
      case TB_ISBUTTONINDETERMINATE:
        return StateBit(static_cast<int>(wparam), TBSTATE_INDETERMINATE);
      case TB_GETSTATE: {
        int index = IndexOf(static_cast<int>(wparam));
        return index < 0 ? -1 : buttons_[index].fsState;
      }
      case TB_SETSTATE: {
        int index = IndexOf(static_cast<int>(wparam));
        if (index < 0) return FALSE;
        buttons_[index].fsState = static_cast<BYTE>(LOWORD(lparam));
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case TB_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lparam);
        if (out == nullptr || !Valid(static_cast<int>(wparam))) return FALSE;
        *out = ButtonRect(static_cast<int>(wparam));
        return TRUE;
      }
      case TB_GETRECT: {
        auto* out = reinterpret_cast<RECT*>(lparam);
        int index = IndexOf(static_cast<int>(wparam));
        if (out == nullptr || index < 0) return FALSE;
        *out = ButtonRect(index);
        return TRUE;
      }
      case TB_HITTEST: {
        auto* point = reinterpret_cast<const POINT*>(lparam);
        return point ? ButtonAt(*point) : -1;
      }
      case TB_ADDSTRINGW:
      case TB_ADDSTRINGA: {
        if (wparam != 0 || lparam == 0) return -1;  // strings from resources are not kept
        int first = static_cast<int>(strings_.size());
        if (message == TB_ADDSTRINGW) {
          // Several strings, each ended by a null, the list by two.
          for (auto* p = reinterpret_cast<const WCHAR*>(lparam); *p; p += strings_.back().size() + 1) {
            strings_.emplace_back(p);
          }
        } else {
          for (auto* p = reinterpret_cast<const char*>(lparam); *p; p += std::strlen(p) + 1) {
            strings_.push_back(TextIn(p, true));
          }
        }
        return first;
      }
      case TB_GETBUTTONTEXTW: {
        int index = IndexOf(static_cast<int>(wparam));
        if (index < 0) return -1;
        std::u16string text = ButtonText(buttons_[index]);
        if (lparam) CopyTextOut(text, reinterpret_cast<void*>(lparam), static_cast<int>(text.size()) + 1, false);
        return static_cast<LRESULT>(text.size());
      }
      case TB_SETSTYLE:
        SetWindowLongW(window_, GWL_STYLE, static_cast<LONG>(lparam));
        return 0;
      case TB_GETSTYLE:
        return GetWindowLongW(window_, GWL_STYLE);
      case TB_SETEXTENDEDSTYLE: {
        DWORD old = extended_;
        extended_ = static_cast<DWORD>(lparam);
        return old;
      }
      case TB_GETEXTENDEDSTYLE:
        return extended_;
      case TB_SETMAXTEXTROWS:
        return TRUE;
      case TB_GETTOOLTIPS:
        return 0;
      case TB_SETPARENT: {
        HWND old = notify_;
        notify_ = reinterpret_cast<HWND>(wparam);
        return reinterpret_cast<LRESULT>(old ? old : GetParent(window_));
      }
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_LBUTTONDOWN: {
        int index = ButtonAt(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        if (index < 0 || !Enabled(index) || (buttons_[index].fsStyle & BTNS_SEP)) return 0;
        pressed_ = index;
        SetCapture(window_);
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      }
      case WM_LBUTTONUP: {
        int pressed = pressed_;
        pressed_ = -1;
        if (GetCapture() == window_) ReleaseCapture();
        InvalidateRect(window_, nullptr, TRUE);
        int index = ButtonAt(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        if (pressed < 0 || index != pressed || !Enabled(index)) return 0;
        Click(index);
        return 0;
      }
      case WM_CAPTURECHANGED:
        if (pressed_ >= 0) {
          pressed_ = -1;
          InvalidateRect(window_, nullptr, TRUE);
        }
        return 0;
      case WM_SIZE:
        return 0;
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
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(buttons_.size()); }
  bool Enabled(int index) const { return (buttons_[index].fsState & TBSTATE_ENABLED) != 0; }
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)); }
  int IndexOf(int command) const {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
      if (buttons_[i].idCommand == command) return i;
    }
    return -1;
  }
  LRESULT Swap(HIMAGELIST& slot, LPARAM lparam) {
    HIMAGELIST old = slot;
    slot = reinterpret_cast<HIMAGELIST>(lparam);
    InvalidateRect(window_, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(old);
  }
  LRESULT StateBit(int command, BYTE bit) const {
    int index = IndexOf(command);
    return index >= 0 && (buttons_[index].fsState & bit) != 0;
  }
  LRESULT SetStateBit(int command, BYTE bit, bool on) {
    int index = IndexOf(command);
    if (index < 0) return FALSE;
    buttons_[index].fsState = static_cast<BYTE>(on ? buttons_[index].fsState | bit
                                                   : buttons_[index].fsState & ~bit);
    InvalidateRect(window_, nullptr, TRUE);
    return TRUE;
  }

  // Reads `count` TBBUTTONs laid out `struct_size_` bytes apart (older, shorter layouts
  // leave the rest zero).
  LRESULT Insert(int index, int count, const BYTE* source) {
    if (source == nullptr || count <= 0 || count > 4096 || struct_size_ == 0 ||
        struct_size_ > 4096) {
      return FALSE;
    }
    std::size_t copy = std::min<std::size_t>(struct_size_, sizeof(TBBUTTON));
    for (int i = 0; i < count; ++i) {
      TBBUTTON button{};
      std::memcpy(&button, source + static_cast<std::size_t>(i) * struct_size_, copy);
      buttons_.insert(buttons_.begin() + index + i, button);
    }
    InvalidateRect(window_, nullptr, TRUE);
    return TRUE;
  }

  std::u16string ButtonText(const TBBUTTON& b) const {
    if (b.iString == 0 || b.iString == -1) return {};
    if (b.iString > 0 && b.iString < 0x10000) {
      return b.iString < static_cast<INT_PTR>(strings_.size()) ? strings_[b.iString] : std::u16string();
    }
    if (b.iString >= 0 && b.iString < static_cast<INT_PTR>(strings_.size())) return strings_[b.iString];
    return std::u16string(reinterpret_cast<const WCHAR*>(b.iString));
  }

  int ImageWidth() const {
    int cx = bitmap_width_, cy = bitmap_height_;
    if (images_) ImageList_GetIconSize(images_, &cx, &cy);
    return cx;
  }
  int ImageHeight() const {
    int cx = bitmap_width_, cy = bitmap_height_;
    if (images_) ImageList_GetIconSize(images_, &cx, &cy);
    return cy;
  }
  bool AnyText() const {
    return std::any_of(buttons_.begin(), buttons_.end(),
                       [this](const TBBUTTON& b) { return !ButtonText(b).empty(); });
  }
  int TextHeight() const {
    HDC dc = GetDC(window_);
    TEXTMETRICW tm{};
    {
      FontScope scope(dc, ControlFont(font_));
      GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(window_, dc);
    return tm.tmHeight;
  }
  int ButtonWidth() const {
    if (button_width_ > 0) return button_width_;
    int width = ImageWidth() + 7;
    if (AnyText()) {
      HDC dc = GetDC(window_);
      {
        FontScope scope(dc, ControlFont(font_));
        for (const TBBUTTON& b : buttons_) width = std::max<int>(width, TextSize(dc, ButtonText(b)).cx + 8);
      }
      ReleaseDC(window_, dc);
    }
    return width;
  }
  int ButtonHeight() const {
    if (button_height_ > 0) return button_height_;
    return ImageHeight() + 7 + (AnyText() ? TextHeight() + 2 : 0);
  }
  int Top() const { return (Style() & CCS_NODIVIDER) ? 2 : 4; }

  RECT ButtonRect(int index) const {
    int x = 0;
    int width = ButtonWidth();
    for (int i = 0; i < index; ++i) {
      if (buttons_[i].fsState & TBSTATE_HIDDEN) continue;
      x += (buttons_[i].fsStyle & BTNS_SEP) ? std::max(kSeparatorWidth, buttons_[i].iBitmap) : width;
    }
    int w = (buttons_[index].fsStyle & BTNS_SEP) ? std::max(kSeparatorWidth, buttons_[index].iBitmap) : width;
    return RECT{x, Top(), x + w, Top() + ButtonHeight()};
  }
  int ButtonAt(POINT p) const {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
      if (buttons_[i].fsState & TBSTATE_HIDDEN) continue;
      RECT r = ButtonRect(i);
      if (PtInRect(&r, p)) return i;
    }
    return -1;
  }

  void AutoSize() {
    HWND parent = GetParent(window_);
    if (parent == nullptr || (Style() & (CCS_NORESIZE | CCS_NOPARENTALIGN))) return;
    RECT area;
    GetClientRect(parent, &area);
    SetWindowPos(window_, nullptr, 0, 0, area.right, ButtonHeight() + Top() + 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void Click(int index) {
    TBBUTTON& b = buttons_[index];
    if (b.fsStyle & BTNS_CHECK) {
      if ((b.fsStyle & BTNS_GROUP) == BTNS_GROUP && (b.fsStyle & BTNS_CHECKGROUP) == BTNS_CHECKGROUP) {
        for (TBBUTTON& other : buttons_) {
          if ((other.fsStyle & BTNS_CHECKGROUP) == BTNS_CHECKGROUP) other.fsState &= ~TBSTATE_CHECKED;
        }
        b.fsState |= TBSTATE_CHECKED;
      } else {
        b.fsState ^= TBSTATE_CHECKED;
      }
    }
    int command = b.idCommand;
    HWND target = notify_ ? notify_ : GetParent(window_);
    if (target) {
      SendMessageW(target, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED),
                   reinterpret_cast<LPARAM>(window_));
    }
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (!(Style() & CCS_NODIVIDER)) {
      RECT divider{0, 0, client.right, 2};
      DrawEdge(dc, &divider, EDGE_ETCHED, BF_TOP);
    }
    FontScope scope(dc, ControlFont(font_));
    bool flat = (Style() & TBSTYLE_FLAT) != 0;
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
      const TBBUTTON& b = buttons_[i];
      if (b.fsState & TBSTATE_HIDDEN) continue;
      RECT r = ButtonRect(i);
      if (b.fsStyle & BTNS_SEP) {
        if (flat) {
          RECT line{r.left + (r.right - r.left) / 2 - 1, r.top, r.left + (r.right - r.left) / 2 + 1, r.bottom};
          DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT);
        }
        continue;
      }
      bool down = i == pressed_ || (b.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED));
      if (down) {
        RECT edge = r;
        DrawEdge(dc, &edge, flat ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
      } else if (!flat) {
        RECT edge = r;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT | BF_SOFT);
      }
      int shift = down ? 1 : 0;
      bool enabled = (b.fsState & TBSTATE_ENABLED) != 0;
      HIMAGELIST list = !enabled && disabled_images_ ? disabled_images_ : images_;
      if (list && b.iBitmap >= 0) {
        int x = r.left + (r.right - r.left - ImageWidth()) / 2 + shift;
        ImageList_Draw(list, b.iBitmap, dc, x, r.top + 3 + shift, ILD_TRANSPARENT);
      }
      std::u16string text = ButtonText(b);
      if (!text.empty()) {
        RECT label{r.left + shift, r.top + 3 + ImageHeight() + 1 + shift, r.right + shift, r.bottom};
        if (!enabled) {
          RECT etched = label;
          OffsetRect(&etched, 1, 1);
          DrawLabel(dc, text, etched, DT_CENTER | DT_TOP | DT_SINGLELINE, GetSysColor(COLOR_BTNHIGHLIGHT));
        }
        DrawLabel(dc, text, label, DT_CENTER | DT_TOP | DT_SINGLELINE,
                  GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
      }
    }
  }

  HWND window_;
  HWND notify_ = nullptr;
  HFONT font_ = nullptr;
  UINT struct_size_ = 0;
  std::vector<TBBUTTON> buttons_;
  std::vector<std::u16string> strings_;
  HIMAGELIST images_ = nullptr;
  HIMAGELIST disabled_images_ = nullptr;
  HIMAGELIST hot_images_ = nullptr;
  int button_width_ = 0;
  int button_height_ = 0;
  int bitmap_width_ = 16;
  int bitmap_height_ = 15;
  DWORD extended_ = 0;
  int pressed_ = -1;
};

}  // namespace

bool RegisterToolbar() {
  return RegisterControlClass(ICC_BAR_CLASSES, TOOLBARCLASSNAMEW, StatefulProcedure<Toolbar>);
}

}  // namespace platform::comctl
