// "SysListView32" in report mode: a header child with the columns, then one row per item
// with its subitems' texts under them. Items carry a state (LVIS_SELECTED, LVIS_FOCUSED),
// a parameter and an image; state changes send LVN_ITEMCHANGING / LVN_ITEMCHANGED. A click
// selects the row under it (with LVS_SINGLESEL or without Ctrl, only that row); Up and
// Down move the selection. The other views are drawn as the report without its header.
// Rows scroll a whole row at a time: the window's vertical bar (unless LVS_NOSCROLL), the
// mouse wheel (three rows a notch), and the keys keeping the focused row in view.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"
#include "platform/comctl/row_scrolling.h"

namespace platform::comctl {
namespace {

struct Item {
  std::vector<std::u16string> texts;  // [0] the item, then its subitems
  UINT state = 0;
  LPARAM param = 0;
  int image = 0;
};

class ListView {
 public:
  explicit ListView(HWND window) : window_(window) {}
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_CREATE:
        header_ = CreateWindowExW(0, WC_HEADERW, nullptr, WS_CHILD | HDS_HORZ | HDS_BUTTONS, 0, 0,
                                  0, 0, window_, nullptr, nullptr, nullptr);
        LayoutHeader();
        return header_ ? 0 : -1;
      case WM_SIZE:
      case WM_STYLECHANGED:
        LayoutHeader();
        SetTop(top_);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_MOUSEWHEEL:
        SetTop(top_ - 3 * GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA);
        return 0;
      case WM_VSCROLL:
        OnVScroll(LOWORD(wparam));
        return 0;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (header_) SendMessageW(header_, WM_SETFONT, wparam, lparam);
        LayoutHeader();
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        OnClick(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, (wparam & MK_CONTROL) != 0,
                message == WM_LBUTTONDBLCLK);
        return 0;
      case WM_KEYDOWN:
        OnKey(static_cast<UINT>(wparam));
        return 0;
      case WM_NOTIFY: {
        // Header clicks become column clicks.
        auto* header = reinterpret_cast<NMHEADERW*>(lparam);
        if (header != nullptr && header->hdr.hwndFrom == header_ &&
            header->hdr.code == HDN_ITEMCLICKW) {
          NMLISTVIEW notice{};
          notice.iItem = -1;
          notice.iSubItem = header->iItem;
          SendNotify(window_, LVN_COLUMNCLICK, &notice.hdr);
        }
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT: {
        PaintScope paint(window_, message == WM_PRINTCLIENT ? wparam : 0);
        Paint(paint.dc());
        return 0;
      }
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
      default: {
        LRESULT result = ListMessage(message, wparam, lparam);
        if (message == LVM_INSERTITEMW || message == LVM_INSERTITEMA || message == LVM_DELETEITEM ||
            message == LVM_DELETEALLITEMS || message == LVM_SETEXTENDEDLISTVIEWSTYLE) {
          SetTop(top_);
        }
        return result;
      }
    }
  }

 private:
  LRESULT ListMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    const bool ansi = message == LVM_INSERTCOLUMNA || message == LVM_SETCOLUMNA ||
                      message == LVM_GETCOLUMNA || message == LVM_INSERTITEMA ||
                      message == LVM_SETITEMA || message == LVM_GETITEMA ||
                      message == LVM_GETITEMTEXTA || message == LVM_SETITEMTEXTA;
    switch (message) {
      case LVM_INSERTCOLUMNW:
      case LVM_INSERTCOLUMNA:
      case LVM_SETCOLUMNW:
      case LVM_SETCOLUMNA: {
        auto* column = reinterpret_cast<const LVCOLUMNW*>(lparam);
        if (column == nullptr || header_ == nullptr) return -1;
        HDITEMW item{};
        if (column->mask & LVCF_WIDTH) item.mask |= HDI_WIDTH, item.cxy = column->cx;
        if (column->mask & LVCF_FMT) item.mask |= HDI_FORMAT, item.fmt = column->fmt | HDF_STRING;
        if (column->mask & LVCF_TEXT) item.mask |= HDI_TEXT, item.pszText = column->pszText;
        bool insert = message == LVM_INSERTCOLUMNW || message == LVM_INSERTCOLUMNA;
        UINT header_message = insert ? (ansi ? HDM_INSERTITEMA : HDM_INSERTITEMW)
                                     : (ansi ? HDM_SETITEMA : HDM_SETITEMW);
        LRESULT result = SendMessageW(header_, header_message, wparam,
                                      reinterpret_cast<LPARAM>(&item));
        InvalidateRect(window_, nullptr, TRUE);
        return insert ? result : (result != 0);
      }
      case LVM_GETCOLUMNW:
      case LVM_GETCOLUMNA: {
        auto* column = reinterpret_cast<LVCOLUMNW*>(lparam);
        if (column == nullptr) return FALSE;
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_FORMAT | ((column->mask & LVCF_TEXT) ? HDI_TEXT : 0);
        item.pszText = column->pszText;
        item.cchTextMax = column->cchTextMax;
        if (!SendMessageW(header_, ansi ? HDM_GETITEMA : HDM_GETITEMW, wparam,
                          reinterpret_cast<LPARAM>(&item))) {
          return FALSE;
        }
        if (column->mask & LVCF_WIDTH) column->cx = item.cxy;
        if (column->mask & LVCF_FMT) column->fmt = item.fmt & LVCFMT_JUSTIFYMASK;
        if (column->mask & LVCF_SUBITEM) column->iSubItem = static_cast<int>(wparam);
        return TRUE;
      }
      case LVM_DELETECOLUMN:
        InvalidateRect(window_, nullptr, TRUE);
        return SendMessageW(header_, HDM_DELETEITEM, wparam, 0);
      case LVM_GETCOLUMNWIDTH:
        return ColumnWidth(static_cast<int>(wparam));
      case LVM_SETCOLUMNWIDTH: {
        HDITEMW item{};
        item.mask = HDI_WIDTH;
        item.cxy = static_cast<SHORT>(LOWORD(lparam));
        if (item.cxy < 0) item.cxy = AutoWidth(static_cast<int>(wparam));
        InvalidateRect(window_, nullptr, TRUE);
        return SendMessageW(header_, HDM_SETITEMW, wparam, reinterpret_cast<LPARAM>(&item));
      }
      case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(header_);
      case LVM_GETITEMCOUNT:
        return static_cast<LRESULT>(items_.size());
      case LVM_INSERTITEMW:
      case LVM_INSERTITEMA: {
        auto* item = reinterpret_cast<const LVITEMW*>(lparam);
        if (item == nullptr || item->iSubItem != 0) return -1;
        int index = std::clamp(item->iItem, 0, static_cast<int>(items_.size()));
        Item added;
        added.texts.resize(1);
        if (item->mask & LVIF_TEXT) added.texts[0] = TextIn(item->pszText, ansi);
        if (item->mask & LVIF_PARAM) added.param = item->lParam;
        if (item->mask & LVIF_IMAGE) added.image = item->iImage;
        if (item->mask & LVIF_STATE) added.state = item->state & item->stateMask;
        if (GetStyle() & LVS_SINGLESEL && (added.state & LVIS_SELECTED)) ClearSelection(-1);
        items_.insert(items_.begin() + index, added);
        NMLISTVIEW notice{};
        notice.iItem = index;
        SendNotify(window_, LVN_INSERTITEM, &notice.hdr);
        InvalidateRect(window_, nullptr, TRUE);
        return index;
      }
      case LVM_SETITEMW:
      case LVM_SETITEMA: {
        auto* item = reinterpret_cast<const LVITEMW*>(lparam);
        if (item == nullptr || !Valid(item->iItem) || item->iSubItem < 0) return FALSE;
        Item& target = items_[item->iItem];
        if (item->mask & LVIF_TEXT) SetText(target, item->iSubItem, TextIn(item->pszText, ansi));
        if (item->iSubItem == 0) {
          if (item->mask & LVIF_PARAM) target.param = item->lParam;
          if (item->mask & LVIF_IMAGE) target.image = item->iImage;
          if (item->mask & LVIF_STATE) ChangeState(item->iItem, item->state, item->stateMask);
        }
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case LVM_SETITEMTEXTW:
      case LVM_SETITEMTEXTA: {
        auto* item = reinterpret_cast<const LVITEMW*>(lparam);
        if (item == nullptr || !Valid(static_cast<int>(wparam)) || item->iSubItem < 0) return FALSE;
        SetText(items_[wparam], item->iSubItem, TextIn(item->pszText, ansi));
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case LVM_GETITEMW:
      case LVM_GETITEMA: {
        auto* item = reinterpret_cast<LVITEMW*>(lparam);
        if (item == nullptr || !Valid(item->iItem) || item->iSubItem < 0) return FALSE;
        const Item& source = items_[item->iItem];
        if (item->mask & LVIF_TEXT) {
          CopyTextOut(Text(source, item->iSubItem), item->pszText, item->cchTextMax, ansi);
        }
        if (item->mask & LVIF_PARAM) item->lParam = source.param;
        if (item->mask & LVIF_IMAGE) item->iImage = source.image;
        if (item->mask & LVIF_STATE) item->state = source.state & item->stateMask;
        return TRUE;
      }
      case LVM_GETITEMTEXTW:
      case LVM_GETITEMTEXTA: {
        auto* item = reinterpret_cast<LVITEMW*>(lparam);
        if (item == nullptr || !Valid(static_cast<int>(wparam)) || item->iSubItem < 0) return 0;
        return CopyTextOut(Text(items_[wparam], item->iSubItem), item->pszText,
                           item->cchTextMax, ansi);
      }
      case LVM_DELETEITEM: {
        int index = static_cast<int>(wparam);
        if (!Valid(index)) return FALSE;
        NMLISTVIEW notice{};
        notice.iItem = index;
        notice.lParam = items_[index].param;
        SendNotify(window_, LVN_DELETEITEM, &notice.hdr);
        if (Valid(index)) items_.erase(items_.begin() + index);
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case LVM_DELETEALLITEMS: {
        NMLISTVIEW notice{};
        notice.iItem = -1;
        SendNotify(window_, LVN_DELETEALLITEMS, &notice.hdr);
        items_.clear();
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case LVM_GETNEXTITEM:
        return NextItem(static_cast<int>(wparam), LOWORD(lparam));
      case LVM_SETITEMSTATE: {
        auto* item = reinterpret_cast<const LVITEMW*>(lparam);
        int index = static_cast<int>(wparam);
        if (item == nullptr) return FALSE;
        if (index == -1) {
          for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
            ChangeState(i, item->state, item->stateMask);
          }
          return TRUE;
        }
        if (!Valid(index)) return FALSE;
        ChangeState(index, item->state, item->stateMask);
        return TRUE;
      }
      case LVM_GETITEMSTATE:
        return Valid(static_cast<int>(wparam)) ? items_[wparam].state & static_cast<UINT>(lparam)
                                               : 0;
      case LVM_GETSELECTEDCOUNT:
        return std::count_if(items_.begin(), items_.end(),
                             [](const Item& i) { return (i.state & LVIS_SELECTED) != 0; });
      case LVM_GETSELECTIONMARK:
        return NextItem(-1, LVNI_FOCUSED);
      case LVM_SETBKCOLOR:
        background_ = static_cast<COLORREF>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      case LVM_GETBKCOLOR:
        return ResolveColor(background_, COLOR_WINDOW);
      case LVM_SETTEXTCOLOR:
        text_color_ = static_cast<COLORREF>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      case LVM_GETTEXTCOLOR:
        return ResolveColor(text_color_, COLOR_WINDOWTEXT);
      case LVM_SETTEXTBKCOLOR:
        text_background_ = static_cast<COLORREF>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      case LVM_GETTEXTBKCOLOR:
        return text_background_ == CLR_DEFAULT ? ResolveColor(background_, COLOR_WINDOW)
                                               : text_background_;
      case LVM_SETIMAGELIST: {
        HIMAGELIST& slot = wparam == LVSIL_NORMAL ? normal_images_
                           : wparam == LVSIL_SMALL ? small_images_
                                                   : state_images_;
        HIMAGELIST old = slot;
        slot = reinterpret_cast<HIMAGELIST>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
      }
      case LVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(wparam == LVSIL_NORMAL  ? normal_images_
                                         : wparam == LVSIL_SMALL ? small_images_
                                                                 : state_images_);
      case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        DWORD old = extended_;
        DWORD mask = wparam ? static_cast<DWORD>(wparam) : 0xFFFFFFFF;
        extended_ = (extended_ & ~mask) | (static_cast<DWORD>(lparam) & mask);
        InvalidateRect(window_, nullptr, TRUE);
        return old;
      }
      case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return extended_;
      case LVM_ENSUREVISIBLE:
        if (!Valid(static_cast<int>(wparam))) return FALSE;
        EnsureVisible(static_cast<int>(wparam));
        return TRUE;
      case LVM_GETTOPINDEX:
        return top_;
      case LVM_GETCOUNTPERPAGE: {
        RECT client;
        GetClientRect(window_, &client);
        return std::max<LONG>(0, (client.bottom - ListTop()) / RowHeight());
      }
      case LVM_SCROLL:
        // dy in pixels, rounded to whole rows away from zero.
        if (const int dy = static_cast<int>(lparam); dy != 0) {
          const int rows = (std::abs(dy) + RowHeight() - 1) / RowHeight();
          SetTop(top_ + (dy > 0 ? rows : -rows));
        }
        return TRUE;
      case LVM_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lparam);
        if (out == nullptr || !Valid(static_cast<int>(wparam))) return FALSE;
        *out = RowRect(static_cast<int>(wparam));
        return TRUE;
      }
      case LVM_HITTEST:
      case LVM_SUBITEMHITTEST: {
        auto* hit = reinterpret_cast<LVHITTESTINFO*>(lparam);
        if (hit == nullptr) return -1;
        hit->iItem = RowAt(hit->pt);
        hit->iSubItem = 0;
        hit->flags = hit->iItem < 0 ? LVHT_NOWHERE : LVHT_ONITEMLABEL;
        return hit->iItem;
      }
      case LVM_REDRAWITEMS:
      case LVM_UPDATE:
      case LVM_ARRANGE:
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

  DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)); }
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }
  bool IsReport() const { return (GetStyle() & LVS_TYPEMASK) == LVS_REPORT; }

  static void SetText(Item& item, int sub, std::u16string text) {
    if (static_cast<int>(item.texts.size()) <= sub) item.texts.resize(static_cast<std::size_t>(sub) + 1);
    item.texts[sub] = std::move(text);
  }
  static std::u16string Text(const Item& item, int sub) {
    return sub < static_cast<int>(item.texts.size()) ? item.texts[sub] : std::u16string();
  }

  // Changes an item's state bits, asking first (LVN_ITEMCHANGING) and telling after.
  void ChangeState(int index, UINT state, UINT mask) {
    UINT old = items_[index].state;
    UINT next = (old & ~mask) | (state & mask);
    if (next == old) return;
    if ((next & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (GetStyle() & LVS_SINGLESEL)) {
      ClearSelection(index);
    }
    if ((next & LVIS_FOCUSED) && !(old & LVIS_FOCUSED)) {
      for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        if (i != index && (items_[i].state & LVIS_FOCUSED)) ChangeState(i, 0, LVIS_FOCUSED);
      }
    }
    NMLISTVIEW notice{};
    notice.iItem = index;
    notice.uNewState = next;
    notice.uOldState = old;
    notice.uChanged = LVIF_STATE;
    notice.lParam = items_[index].param;
    HWND self = window_;
    if (SendNotify(window_, LVN_ITEMCHANGING, &notice.hdr) != 0) return;
    if (!IsWindow(self) || !Valid(index)) return;
    items_[index].state = next;
    InvalidateRect(window_, nullptr, TRUE);
    SendNotify(window_, LVN_ITEMCHANGED, &notice.hdr);
  }

  void ClearSelection(int except) {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      if (i != except && (items_[i].state & LVIS_SELECTED)) ChangeState(i, 0, LVIS_SELECTED);
    }
  }

  int NextItem(int start, UINT flags) const {
    int count = static_cast<int>(items_.size());
    UINT want = flags & (LVNI_SELECTED | LVNI_FOCUSED | LVNI_CUT | LVNI_DROPHILITED);
    int step = (flags & (LVNI_ABOVE | LVNI_TOLEFT)) ? -1 : 1;
    for (int i = start < 0 && step < 0 ? count - 1 : start + step; i >= 0 && i < count; i += step) {
      if ((items_[i].state & want) == want) return i;
    }
    return -1;
  }

  void Select(int index) {
    if (!Valid(index)) return;
    ClearSelection(index);
    ChangeState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnsureVisible(index);
  }

  // --- scrolling ----------------------------------------------------------------------
  int VisibleRows() const {
    RECT client;
    GetClientRect(window_, &client);
    return std::max(1, static_cast<int>(client.bottom - ListTop()) / RowHeight());
  }
  void SetTop(int top) {
    const int count = static_cast<int>(items_.size());
    top = ClampTopRow(top, count, VisibleRows());
    if (top != top_) {
      top_ = top;
      InvalidateRect(window_, nullptr, TRUE);
    }
    if (GetStyle() & LVS_NOSCROLL) return;
    SyncRowScrollBar(window_, count, VisibleRows(), top_);
  }
  void EnsureVisible(int index) {
    if (index < top_) SetTop(index);
    else if (index >= top_ + VisibleRows()) SetTop(index - VisibleRows() + 1);
  }
  void OnVScroll(WORD code) {
    SetTop(TopRowForScrollCode(window_, code, top_, VisibleRows(), static_cast<int>(items_.size())));
  }

  void OnClick(POINT p, bool control, bool twice) {
    if (GetFocus() != window_) SetFocus(window_);
    HWND self = window_;
    int row = RowAt(p);
    if (!IsWindow(self)) return;
    if (row >= 0) {
      if (control && !(GetStyle() & LVS_SINGLESEL)) {
        ChangeState(row, items_[row].state ^ LVIS_SELECTED, LVIS_SELECTED);
      } else {
        Select(row);
      }
    }
    if (!IsWindow(self)) return;
    NMHDR notice{};
    SendNotify(window_, twice ? NM_DBLCLK : NM_CLICK, &notice);
  }

  void OnKey(UINT key) {
    int focus = NextItem(-1, LVNI_FOCUSED);
    int count = static_cast<int>(items_.size());
    if (count == 0) return;
    switch (key) {
      case VK_UP: return Select(std::max(0, focus - 1));
      case VK_DOWN: return Select(std::min(count - 1, focus + 1));
      case VK_HOME: return Select(0);
      case VK_END: return Select(count - 1);
      default: return;
    }
  }

  // --- geometry -----------------------------------------------------------------------
  void LayoutHeader() {
    if (header_ == nullptr) return;
    RECT client;
    GetClientRect(window_, &client);
    WINDOWPOS place{};
    HDLAYOUT layout{&client, &place};
    SendMessageW(header_, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    bool show = IsReport() && !(GetStyle() & LVS_NOCOLUMNHEADER);
    SetWindowPos(header_, nullptr, place.x, place.y, place.cx, place.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  }
  int ListTop() const {
    if (header_ == nullptr || !IsWindowVisible(header_)) return 0;
    RECT r;
    GetWindowRect(header_, &r);
    return r.bottom - r.top;
  }
  int RowHeight() const {
    HDC dc = GetDC(window_);
    TEXTMETRICW tm{};
    {
      FontScope scope(dc, ControlFont(font_));
      GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(window_, dc);
    int height = tm.tmHeight + 3;
    int cx = 0, cy = 0;
    if (small_images_ && ImageList_GetIconSize(small_images_, &cx, &cy)) height = std::max(height, cy + 1);
    return height;
  }
  int ColumnCount() const {
    return header_ ? static_cast<int>(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0)) : 0;
  }
  int ColumnWidth(int column) const {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    if (!SendMessageW(header_, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.cxy;
  }
  int ColumnFormat(int column) const {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header_, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
    return item.fmt;
  }
  int AutoWidth(int column) const {
    HDC dc = GetDC(window_);
    int widest = 0;
    {
      FontScope scope(dc, ControlFont(font_));
      for (const Item& item : items_) widest = std::max<int>(widest, TextSize(dc, Text(item, column)).cx);
    }
    ReleaseDC(window_, dc);
    return widest + 12;
  }
  RECT RowRect(int index) const {
    RECT client;
    GetClientRect(window_, &client);
    int top = ListTop() + (index - top_) * RowHeight();
    int width = 0;
    for (int c = 0; c < ColumnCount(); ++c) width += ColumnWidth(c);
    if (!IsReport() || width == 0) width = client.right;
    return RECT{0, top, width, top + RowHeight()};
  }
  int RowAt(POINT p) const {
    int top = ListTop();
    if (p.y < top) return -1;
    int row = top_ + (p.y - top) / RowHeight();
    return Valid(row) ? row : -1;
  }

  // --- painting -----------------------------------------------------------------------
  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    COLORREF background = ResolveColor(background_, COLOR_WINDOW);
    FillColor(dc, client, background);
    FontScope scope(dc, ControlFont(font_));
    int columns = IsReport() ? std::max(1, ColumnCount()) : 1;
    bool full_row = (extended_ & LVS_EX_FULLROWSELECT) != 0;
    bool show_selection = focused_ || (GetStyle() & LVS_SHOWSELALWAYS);
    COLORREF ink = ResolveColor(text_color_, COLOR_WINDOWTEXT);
    int cx = 0, cy = 0;
    bool images = small_images_ && ImageList_GetIconSize(small_images_, &cx, &cy);
    for (int i = top_; i < static_cast<int>(items_.size()); ++i) {
      RECT row = RowRect(i);
      if (row.top >= client.bottom) break;
      bool selected = (items_[i].state & LVIS_SELECTED) && show_selection;
      int left = 0;
      for (int c = 0; c < columns; ++c) {
        int width = IsReport() && ColumnCount() > 0 ? ColumnWidth(c) : client.right;
        RECT cell{left, row.top, left + width, row.bottom};
        left += width;
        RECT label = cell;
        if (c == 0 && images) {
          ImageList_Draw(small_images_, items_[i].image, dc, cell.left + 2,
                         cell.top + (cell.bottom - cell.top - cy) / 2, ILD_TRANSPARENT);
          label.left += cx + 4;
        }
        std::u16string text = Text(items_[i], c);
        COLORREF cell_ink = ink;
        if (selected && (c == 0 || full_row)) {
          RECT mark = label;
          if (c == 0 && !full_row) {
            mark.right = std::min<LONG>(mark.right, mark.left + TextSize(dc, text).cx + 6);
          }
          FillRect(dc, &mark, GetSysColorBrush(focused_ ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
          cell_ink = GetSysColor(focused_ ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
        } else if (text_background_ != CLR_DEFAULT && text_background_ != CLR_NONE) {
          FillColor(dc, label, text_background_);
        }
        InflateRect(&label, -3, 0);
        int format = c > 0 ? ColumnFormat(c) & HDF_JUSTIFYMASK : HDF_LEFT;
        UINT align = format == HDF_RIGHT ? DT_RIGHT : format == HDF_CENTER ? DT_CENTER : DT_LEFT;
        DrawLabel(dc, text, label, align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX,
                  cell_ink);
      }
      if ((items_[i].state & LVIS_FOCUSED) && focused_) {
        RECT focus = full_row ? row : RECT{0, row.top, IsReport() && ColumnCount() ? ColumnWidth(0) : row.right, row.bottom};
        DrawFocusRect(dc, &focus);
      }
    }
    if (extended_ & LVS_EX_GRIDLINES) {
      COLORREF grid = GetSysColor(COLOR_BTNFACE);
      for (int y = ListTop() + RowHeight() - 1; y < client.bottom; y += RowHeight()) {
        Line(dc, 0, y, client.right, y, grid);
      }
      for (int c = 0, x = 0; c < ColumnCount(); ++c) {
        x += ColumnWidth(c);
        Line(dc, x - 1, ListTop(), x - 1, client.bottom, grid);
      }
    }
  }

  HWND window_;
  HWND header_ = nullptr;
  HFONT font_ = nullptr;
  bool focused_ = false;
  int top_ = 0;  // the first row in view
  std::vector<Item> items_;
  COLORREF background_ = CLR_DEFAULT;
  COLORREF text_color_ = CLR_DEFAULT;
  COLORREF text_background_ = CLR_DEFAULT;
  HIMAGELIST normal_images_ = nullptr;
  HIMAGELIST small_images_ = nullptr;
  HIMAGELIST state_images_ = nullptr;
  DWORD extended_ = 0;
};

}  // namespace

bool RegisterListView() {
  return RegisterControlClass(ICC_LISTVIEW_CLASSES, WC_LISTVIEWW, StatefulProcedure<ListView>);
}

}  // namespace platform::comctl
