// "SysTabControl32": a row of tabs over a raised panel. The selected tab stands two pixels
// taller and opens into the panel. A click on a tab or Left/Right moves the selection,
// asking the parent first (TCN_SELCHANGING; nonzero refuses) and telling it after
// (TCN_SELCHANGE); TCM_SETCURSEL changes it without notifications, as in Windows.
//
// With TCS_MULTILINE the tabs wrap into as many rows as the width needs, each row but a
// lone one stretched to the full width (unless TCS_RAGGEDRIGHT); the row holding the
// selected tab is always the one next to the panel, the others keep their order above it.
#include <algorithm>
#include <vector>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

struct Tab {
  std::u16string text;
  int image = -1;
  LPARAM param = 0;
  DWORD state = 0;
};

class TabControl {
 public:
  explicit TabControl(HWND window) : window_(window) {}
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    const bool ansi = message == TCM_INSERTITEMA || message == TCM_SETITEMA || message == TCM_GETITEMA;
    switch (message) {
      case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(tabs_.size());
      case TCM_INSERTITEMW:
      case TCM_INSERTITEMA: {
        auto* item = reinterpret_cast<const TCITEMW*>(lparam);
        if (item == nullptr || static_cast<int>(wparam) < 0) return -1;
        int index = std::min(static_cast<int>(wparam), static_cast<int>(tabs_.size()));
        Tab tab;
        Apply(tab, *item, ansi);
        tabs_.insert(tabs_.begin() + index, tab);
        if (selected_ < 0) selected_ = 0;
        else if (index <= selected_ && tabs_.size() > 1) ++selected_;
        if (focus_ < 0) focus_ = selected_;
        InvalidateRect(window_, nullptr, TRUE);
        return index;
      }
      case TCM_SETITEMW:
      case TCM_SETITEMA: {
        auto* item = reinterpret_cast<const TCITEMW*>(lparam);
        if (item == nullptr || !Valid(static_cast<int>(wparam))) return FALSE;
        Apply(tabs_[wparam], *item, ansi);
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case TCM_GETITEMW:
      case TCM_GETITEMA: {
        auto* item = reinterpret_cast<TCITEMW*>(lparam);
        if (item == nullptr || !Valid(static_cast<int>(wparam))) return FALSE;
        const Tab& tab = tabs_[wparam];
        if (item->mask & TCIF_TEXT) CopyTextOut(tab.text, item->pszText, item->cchTextMax, ansi);
        if (item->mask & TCIF_IMAGE) item->iImage = tab.image;
        if (item->mask & TCIF_PARAM) item->lParam = tab.param;
        if (item->mask & TCIF_STATE) item->dwState = tab.state & item->dwStateMask;
        return TRUE;
      }
      case TCM_DELETEITEM: {
        int index = static_cast<int>(wparam);
        if (!Valid(index)) return FALSE;
        tabs_.erase(tabs_.begin() + index);
        if (selected_ == index) selected_ = -1;
        else if (selected_ > index) --selected_;
        focus_ = selected_;
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case TCM_DELETEALLITEMS:
        tabs_.clear();
        selected_ = focus_ = -1;
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      case TCM_GETCURSEL:
        return selected_;
      case TCM_SETCURSEL: {
        int index = static_cast<int>(wparam);
        if (!Valid(index)) return -1;
        int old = selected_;
        selected_ = focus_ = index;
        InvalidateRect(window_, nullptr, TRUE);
        return old;
      }
      case TCM_GETCURFOCUS:
        return focus_;
      case TCM_SETCURFOCUS:
        if (Valid(static_cast<int>(wparam))) UserSelect(static_cast<int>(wparam));
        return 0;
      case TCM_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lparam);
        if (out == nullptr || !Valid(static_cast<int>(wparam))) return FALSE;
        *out = TabRect(static_cast<int>(wparam));
        return TRUE;
      }
      case TCM_HITTEST: {
        auto* hit = reinterpret_cast<TCHITTESTINFO*>(lparam);
        if (hit == nullptr) return -1;
        int index = TabAt(hit->pt);
        hit->flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
        return index;
      }
      case TCM_ADJUSTRECT: {
        auto* rect = reinterpret_cast<RECT*>(lparam);
        if (rect == nullptr) return 0;
        int row = RowHeight() * Rows();
        if (wparam) {  // a display area -> the window that holds it
          rect->left -= 4;
          rect->top -= row + 4;
          rect->right += 4;
          rect->bottom += 4;
        } else {  // the window -> its display area
          rect->left += 4;
          rect->top += row + 4;
          rect->right -= 4;
          rect->bottom -= 4;
        }
        return 0;
      }
      case TCM_SETIMAGELIST: {
        HIMAGELIST old = images_;
        images_ = reinterpret_cast<HIMAGELIST>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
      }
      case TCM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(images_);
      case TCM_GETROWCOUNT:
        return Rows();
      case TCM_SETITEMSIZE:
        return MAKELRESULT(static_cast<WORD>(tabs_.empty() ? 0 : TabRect(0).right - TabRect(0).left),
                           static_cast<WORD>(RowHeight()));
      case TCM_SETPADDING:
      case TCM_SETMINTABWIDTH:
        return 0;
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_LBUTTONDOWN: {
        int index = TabAt(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        if (index >= 0) {
          HWND self = window_;
          if (!(GetWindowLongW(window_, GWL_STYLE) & TCS_FOCUSNEVER)) SetFocus(window_);
          if (IsWindow(self)) UserSelect(index);
        }
        return 0;
      }
      case WM_KEYDOWN:
        if (wparam == VK_LEFT && selected_ > 0) UserSelect(selected_ - 1);
        if (wparam == VK_RIGHT && selected_ + 1 < static_cast<int>(tabs_.size())) UserSelect(selected_ + 1);
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
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(tabs_.size()); }

  static void Apply(Tab& tab, const TCITEMW& item, bool ansi) {
    if (item.mask & TCIF_TEXT) tab.text = TextIn(item.pszText, ansi);
    if (item.mask & TCIF_IMAGE) tab.image = item.iImage;
    if (item.mask & TCIF_PARAM) tab.param = item.lParam;
    if (item.mask & TCIF_STATE) tab.state = (tab.state & ~item.dwStateMask) | (item.dwState & item.dwStateMask);
  }

  void UserSelect(int index) {
    if (index == selected_) return;
    NMHDR notice{};
    HWND self = window_;
    if (SendNotify(window_, TCN_SELCHANGING, &notice) != 0 || !IsWindow(self)) return;
    if (!Valid(index)) return;
    selected_ = focus_ = index;
    InvalidateRect(window_, nullptr, TRUE);
    SendNotify(window_, TCN_SELCHANGE, &notice);
  }

  int RowHeight() const {
    HDC dc = GetDC(window_);
    TEXTMETRICW tm{};
    {
      FontScope scope(dc, ControlFont(font_));
      GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(window_, dc);
    return tm.tmHeight + 6;
  }

  // Every tab's rectangle, and how many rows they take.
  struct Layout {
    std::vector<RECT> tabs;
    int rows = 1;
  };
  Layout LayOut() const {
    Layout layout;
    const int count = static_cast<int>(tabs_.size());
    std::vector<int> widths(static_cast<std::size_t>(count));
    HDC dc = GetDC(window_);
    int cx = 0, cy = 0;
    bool images = images_ && ImageList_GetIconSize(images_, &cx, &cy);
    {
      FontScope scope(dc, ControlFont(font_));
      for (int i = 0; i < count; ++i) {
        widths[i] = TextSize(dc, tabs_[i].text).cx + 12 + (images && tabs_[i].image >= 0 ? cx + 4 : 0);
      }
    }
    ReleaseDC(window_, dc);
    // Rows of consecutive tabs, each as many as fit in the width (at least one).
    RECT client;
    GetClientRect(window_, &client);
    const int room = std::max(1, static_cast<int>(client.right) - 4);
    const bool multiline = (GetWindowLongW(window_, GWL_STYLE) & TCS_MULTILINE) != 0;
    std::vector<std::vector<int>> rows(1);
    int used = 0;
    for (int i = 0; i < count; ++i) {
      if (multiline && !rows.back().empty() && used + widths[i] > room) {
        rows.emplace_back();
        used = 0;
      }
      rows.back().push_back(i);
      used += widths[i];
    }
    layout.rows = static_cast<int>(rows.size());
    layout.tabs.assign(static_cast<std::size_t>(count), RECT{});
    // The selected tab's row goes next to the panel.
    int selected_row = 0;
    for (int r = 0; r < layout.rows; ++r) {
      if (std::find(rows[r].begin(), rows[r].end(), selected_) != rows[r].end()) selected_row = r;
    }
    const bool stretch = layout.rows > 1 && !(GetWindowLongW(window_, GWL_STYLE) & TCS_RAGGEDRIGHT);
    const int height = RowHeight();
    int place = 0;
    for (int r = 0; r < layout.rows; ++r) {
      const int line = r == selected_row ? layout.rows - 1 : place++;
      int total = 0;
      for (int i : rows[r]) total += widths[i];
      const int spare = stretch ? std::max(0, room - total) : 0;
      const int n = static_cast<int>(rows[r].size());
      int x = 2;
      for (int k = 0; k < n; ++k) {
        const int i = rows[r][k];
        // The spare width shared out, the first tabs taking the remainder.
        const int width = widths[i] + spare / n + (k < spare % n ? 1 : 0);
        layout.tabs[i] = RECT{x, 2 + line * height, x + width, 2 + (line + 1) * height};
        x += width;
      }
    }
    return layout;
  }
  int Rows() const { return LayOut().rows; }
  RECT TabRect(int index) const { return LayOut().tabs[static_cast<std::size_t>(index)]; }

  int TabAt(POINT p) const {
    Layout layout = LayOut();
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i) {
      if (PtInRect(&layout.tabs[i], p)) return i;
    }
    return -1;
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    FontScope scope(dc, ControlFont(font_));
    int row = RowHeight();
    Layout layout = LayOut();
    RECT panel{0, row * layout.rows + 2, client.right, client.bottom};
    DrawEdge(dc, &panel, EDGE_RAISED, BF_RECT | BF_SOFT);
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i) {
      RECT tab = layout.tabs[i];
      bool selected = i == selected_;
      if (selected) {
        InflateRect(&tab, 2, 0);
        tab.top -= 2;
        tab.bottom += 1;  // over the panel's top edge: the tab opens into the panel
      }
      RECT face = tab;
      face.left += 1;
      face.top += 1;
      face.right -= 1;
      FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
      // Left and top in the light colour with cut corners, right in the shadows.
      Line(dc, tab.left, tab.bottom - (selected ? 0 : 1), tab.left, tab.top + 2, light);
      Line(dc, tab.left + 1, tab.top + 1, tab.left + 2, tab.top, light);
      Line(dc, tab.left + 2, tab.top, tab.right - 2, tab.top, light);
      Line(dc, tab.right - 2, tab.top + 1, tab.right - 2, tab.bottom - (selected ? 0 : 1), shadow);
      Line(dc, tab.right - 2, tab.top + 1, tab.right - 1, tab.top + 2, dark);
      Line(dc, tab.right - 1, tab.top + 2, tab.right - 1, tab.bottom - (selected ? 0 : 1), dark);
      RECT text = tab;
      text.top += selected ? 1 : 2;
      if (images_ && tabs_[i].image >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images_, &cx, &cy);
        ImageList_Draw(images_, tabs_[i].image, dc, text.left + 6, text.top + (row - 2 - cy) / 2,
                       ILD_TRANSPARENT);
        text.left += cx + 4;
      }
      DrawLabel(dc, tabs_[i].text, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                GetSysColor(COLOR_BTNTEXT));
      if (selected && focused_) {
        RECT focus = tab;
        InflateRect(&focus, -3, -3);
        focus.bottom -= 1;
        DrawFocusRect(dc, &focus);
      }
    }
  }

  HWND window_;
  HFONT font_ = nullptr;
  HIMAGELIST images_ = nullptr;
  std::vector<Tab> tabs_;
  int selected_ = -1;
  int focus_ = -1;
  bool focused_ = false;
};

}  // namespace

bool RegisterTabControl() {
  return RegisterControlClass(ICC_TAB_CLASSES, WC_TABCONTROLW, StatefulProcedure<TabControl>);
}

}  // namespace platform::comctl
