// "SysHeader32": column titles as a row of raised buttons; a click on one sends
// HDN_ITEMCLICK. HDM_LAYOUT places the header at the top of the rectangle it is given.
#include <algorithm>
#include <vector>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

struct Column {
  std::u16string text;
  int width = 0;
  int format = HDF_LEFT | HDF_STRING;
  LPARAM param = 0;
  int image = I_IMAGENONE;
};

class Header {
 public:
  explicit Header(HWND window) : window_(window) {}
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case HDM_GETITEMCOUNT:
        return static_cast<LRESULT>(columns_.size());
      case HDM_INSERTITEMW:
      case HDM_INSERTITEMA: {
        // Both structures differ only in the text pointer's type.
        auto* item = reinterpret_cast<const HDITEMW*>(lparam);
        if (item == nullptr) return -1;
        int index = std::clamp<int>(static_cast<int>(wparam), 0, static_cast<int>(columns_.size()));
        Column column;
        Apply(column, *item, message == HDM_INSERTITEMA);
        columns_.insert(columns_.begin() + index, column);
        InvalidateRect(window_, nullptr, TRUE);
        return index;
      }
      case HDM_SETITEMW:
      case HDM_SETITEMA: {
        auto* item = reinterpret_cast<const HDITEMW*>(lparam);
        if (item == nullptr || wparam >= columns_.size()) return FALSE;
        Apply(columns_[wparam], *item, message == HDM_SETITEMA);
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case HDM_GETITEMW:
      case HDM_GETITEMA: {
        auto* item = reinterpret_cast<HDITEMW*>(lparam);
        if (item == nullptr || wparam >= columns_.size()) return FALSE;
        const Column& c = columns_[wparam];
        if (item->mask & HDI_WIDTH) item->cxy = c.width;
        if (item->mask & HDI_FORMAT) item->fmt = c.format;
        if (item->mask & HDI_LPARAM) item->lParam = c.param;
        if (item->mask & HDI_IMAGE) item->iImage = c.image;
        if (item->mask & HDI_ORDER) item->iOrder = static_cast<int>(wparam);
        if (item->mask & HDI_TEXT) {
          CopyTextOut(c.text, item->pszText, item->cchTextMax, message == HDM_GETITEMA);
        }
        return TRUE;
      }
      case HDM_DELETEITEM:
        if (wparam >= columns_.size()) return FALSE;
        columns_.erase(columns_.begin() + static_cast<long>(wparam));
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      case HDM_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lparam);
        if (out == nullptr || wparam >= columns_.size()) return FALSE;
        *out = ItemRect(static_cast<int>(wparam));
        return TRUE;
      }
      case HDM_LAYOUT: {
        auto* layout = reinterpret_cast<HDLAYOUT*>(lparam);
        if (layout == nullptr || layout->prc == nullptr || layout->pwpos == nullptr) return FALSE;
        RECT* area = layout->prc;
        int height = (GetWindowLongW(window_, GWL_STYLE) & HDS_HIDDEN) ? 0 : Height();
        *layout->pwpos = WINDOWPOS{window_, nullptr, area->left, area->top,
                                   area->right - area->left, height, SWP_NOZORDER};
        area->top += height;
        return TRUE;
      }
      case HDM_HITTEST: {
        auto* hit = reinterpret_cast<HDHITTESTINFO*>(lparam);
        if (hit == nullptr) return -1;
        hit->iItem = HitTest(hit->pt);
        hit->flags = hit->iItem < 0 ? HHT_NOWHERE : HHT_ONHEADER;
        return hit->iItem;
      }
      case HDM_SETIMAGELIST: {
        HIMAGELIST old = images_;
        images_ = reinterpret_cast<HIMAGELIST>(lparam);
        return reinterpret_cast<LRESULT>(old);
      }
      case HDM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(images_);
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_LBUTTONDOWN: {
        int index = HitTest(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        if (index >= 0 && (GetWindowLongW(window_, GWL_STYLE) & HDS_BUTTONS)) {
          NMHEADERW notice{};
          notice.iItem = index;
          notice.iButton = 0;
          SendNotify(window_, HDN_ITEMCLICKW, &notice.hdr);
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
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

 private:
  static void Apply(Column& column, const HDITEMW& item, bool ansi) {
    if (item.mask & HDI_WIDTH) column.width = std::max(0, item.cxy);
    if (item.mask & HDI_FORMAT) column.format = item.fmt;
    if (item.mask & HDI_LPARAM) column.param = item.lParam;
    if (item.mask & HDI_IMAGE) column.image = item.iImage;
    if (item.mask & HDI_TEXT) column.text = TextIn(item.pszText, ansi);
  }

  int Height() const {
    HDC dc = GetDC(window_);
    TEXTMETRICW tm{};
    {
      FontScope scope(dc, ControlFont(font_));
      GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(window_, dc);
    return tm.tmHeight + 6;
  }

  RECT ItemRect(int index) const {
    RECT client;
    GetClientRect(window_, &client);
    int left = 0;
    for (int i = 0; i < index; ++i) left += columns_[i].width;
    return RECT{left, 0, left + columns_[index].width, client.bottom};
  }

  int HitTest(POINT p) const {
    int left = 0;
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
      if (p.x >= left && p.x < left + columns_[i].width) return i;
      left += columns_[i].width;
    }
    return -1;
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    FontScope scope(dc, ControlFont(font_));
    int right = 0;
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
      RECT item = ItemRect(i);
      right = item.right;
      RECT edge = item;
      DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);
      RECT text = edge;
      InflateRect(&text, -4, 0);
      UINT align = (columns_[i].format & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                   : (columns_[i].format & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                          : DT_LEFT;
      DrawLabel(dc, columns_[i].text, text,
                align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX,
                GetSysColor(COLOR_BTNTEXT));
    }
    if (right < client.right) {
      RECT rest{right, 0, client.right, client.bottom};
      DrawEdge(dc, &rest, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
  }

  HWND window_;
  HFONT font_ = nullptr;
  HIMAGELIST images_ = nullptr;
  std::vector<Column> columns_;
};

}  // namespace

bool RegisterHeader() {
  return RegisterControlClass(ICC_LISTVIEW_CLASSES, WC_HEADERW, StatefulProcedure<Header>);
}

}  // namespace platform::comctl
