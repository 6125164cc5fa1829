// "SysTreeView32": items in a hierarchy, drawn with dotted lines, +/- buttons, optional
// check boxes (TVS_CHECKBOXES: state image 1 unchecked, 2 checked) and the selection.
// A click on a button expands or collapses (TVN_ITEMEXPANDING / TVN_ITEMEXPANDED), on a
// check box toggles it, on a label selects (TVN_SELCHANGING / TVN_SELCHANGED). Keys: Up and
// Down through the visible items, Left collapses or goes to the parent, Right expands or
// goes to the first child, Space toggles the check box. Handles are checked: a deleted or
// made-up item fails. The visible rows scroll a row at a time: the window's vertical bar
// (unless TVS_NOSCROLL), the mouse wheel (three rows a notch), the selection kept in view.
#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"
#include "platform/comctl/row_scrolling.h"

namespace platform::comctl {
namespace {

struct Node {
  Node* parent = nullptr;
  std::vector<Node*> children;
  std::u16string text;
  UINT state = 0;
  LPARAM param = 0;
  int image = 0;
  int selected_image = 0;
  int children_flag = 0;  // cChildren: 1 shows a button before any child exists
};

HTREEITEM Handle(Node* n) { return reinterpret_cast<HTREEITEM>(n); }

class TreeView {
 public:
  explicit TreeView(HWND window) : window_(window) {}
  void OnDestroy() { DeleteChildren(&root_, false); }

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = HandleMessage(message, wparam, lparam);
    if (message == TVM_INSERTITEMW || message == TVM_INSERTITEMA || message == TVM_DELETEITEM ||
        message == TVM_EXPAND || message == TVM_SETITEMHEIGHT || message == WM_SIZE ||
        message == WM_SETFONT) {
      SetTop(top_);
    }
    return result;
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    const bool ansi = message == TVM_INSERTITEMA || message == TVM_GETITEMA || message == TVM_SETITEMA;
    switch (message) {
      case TVM_INSERTITEMW:
      case TVM_INSERTITEMA:
        return reinterpret_cast<LRESULT>(Insert(reinterpret_cast<const TVINSERTSTRUCTW*>(lparam), ansi));
      case TVM_DELETEITEM: {
        auto item = reinterpret_cast<HTREEITEM>(lparam);
        if (item == nullptr || item == TVI_ROOT) {
          DeleteChildren(&root_, true);
        } else {
          Node* node = Find(item);
          if (node == nullptr) return FALSE;
          Delete(node, true);
        }
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case TVM_EXPAND: {
        Node* node = Find(reinterpret_cast<HTREEITEM>(lparam));
        return node != nullptr && Expand(node, static_cast<UINT>(wparam) & 0x3, TVC_UNKNOWN);
      }
      case TVM_GETNEXTITEM:
        return reinterpret_cast<LRESULT>(Next(static_cast<UINT>(wparam), reinterpret_cast<HTREEITEM>(lparam)));
      case TVM_SELECTITEM: {
        auto item = reinterpret_cast<HTREEITEM>(lparam);
        Node* node = item ? Find(item) : nullptr;
        if (item != nullptr && node == nullptr) return FALSE;
        if (wparam == TVGN_CARET) return Select(node, TVC_UNKNOWN);
        return TRUE;
      }
      case TVM_GETITEMW:
      case TVM_GETITEMA: {
        auto* item = reinterpret_cast<TVITEMW*>(lparam);
        Node* node = item ? Find(item->hItem) : nullptr;
        if (node == nullptr) return FALSE;
        if (item->mask & TVIF_TEXT) CopyTextOut(node->text, item->pszText, item->cchTextMax, ansi);
        if (item->mask & TVIF_STATE) item->state = node->state & (item->stateMask ? item->stateMask : 0xFFFF);
        if (item->mask & TVIF_PARAM) item->lParam = node->param;
        if (item->mask & TVIF_IMAGE) item->iImage = node->image;
        if (item->mask & TVIF_SELECTEDIMAGE) item->iSelectedImage = node->selected_image;
        if (item->mask & TVIF_CHILDREN) item->cChildren = node->children.empty() ? node->children_flag : 1;
        return TRUE;
      }
      case TVM_SETITEMW:
      case TVM_SETITEMA: {
        auto* item = reinterpret_cast<const TVITEMW*>(lparam);
        Node* node = item ? Find(item->hItem) : nullptr;
        if (node == nullptr) return FALSE;
        Apply(node, *item, ansi);
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case TVM_GETITEMSTATE: {
        Node* node = Find(reinterpret_cast<HTREEITEM>(wparam));
        return node ? node->state & static_cast<UINT>(lparam) : 0;
      }
      case TVM_GETCOUNT:
        return static_cast<LRESULT>(alive_.size());
      case TVM_GETVISIBLECOUNT: {
        RECT client;
        GetClientRect(window_, &client);
        return client.bottom / ItemHeight();
      }
      case TVM_GETINDENT:
        return indent_;
      case TVM_SETINDENT:
        indent_ = std::max(8, static_cast<int>(wparam));
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case TVM_GETITEMHEIGHT:
        return ItemHeight();
      case TVM_SETITEMHEIGHT: {
        int old = ItemHeight();
        item_height_ = static_cast<int>(wparam) <= 0 ? 0 : static_cast<int>(wparam);
        InvalidateRect(window_, nullptr, TRUE);
        return old;
      }
      case TVM_SETBKCOLOR:
        return SwapColor(background_, lparam);
      case TVM_GETBKCOLOR:
        return background_ == CLR_DEFAULT ? static_cast<LRESULT>(-1) : background_;
      case TVM_SETTEXTCOLOR:
        return SwapColor(text_color_, lparam);
      case TVM_GETTEXTCOLOR:
        return text_color_ == CLR_DEFAULT ? static_cast<LRESULT>(-1) : text_color_;
      case TVM_SETLINECOLOR:
        return SwapColor(line_color_, lparam);
      case TVM_GETLINECOLOR:
        return line_color_;
      case TVM_SETIMAGELIST: {
        HIMAGELIST& slot = wparam == TVSIL_STATE ? state_images_ : images_;
        HIMAGELIST old = slot;
        slot = reinterpret_cast<HIMAGELIST>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
      }
      case TVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(wparam == TVSIL_STATE ? state_images_ : images_);
      case TVM_ENSUREVISIBLE: {
        Node* node = Find(reinterpret_cast<HTREEITEM>(lparam));
        if (node == nullptr) return FALSE;
        for (Node* p = node->parent; p != nullptr && p != &root_; p = p->parent) {
          if (!(p->state & TVIS_EXPANDED)) Expand(p, TVE_EXPAND, TVC_UNKNOWN);
        }
        if (alive_.count(node)) EnsureVisible(node);
        return TRUE;
      }
      case TVM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lparam);
        if (rect == nullptr) return FALSE;
        Node* node = Find(*reinterpret_cast<HTREEITEM*>(rect));
        int row = node ? RowOf(node) : -1;
        if (row < 0) return FALSE;
        RECT client;
        GetClientRect(window_, &client);
        int top = (row - top_) * ItemHeight();
        *rect = wparam ? LabelRect(node, top) : RECT{0, top, client.right, top + ItemHeight()};
        return TRUE;
      }
      case TVM_HITTEST: {
        auto* hit = reinterpret_cast<TVHITTESTINFO*>(lparam);
        if (hit == nullptr) return 0;
        hit->hItem = nullptr;
        hit->flags = TVHT_NOWHERE;
        HitTest(hit->pt, hit);
        return reinterpret_cast<LRESULT>(hit->hItem);
      }
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
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
        if (LOWORD(lparam)) InvalidateRect(window_, nullptr, TRUE);
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
        OnClick(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, message == WM_LBUTTONDBLCLK);
        return 0;
      case WM_KEYDOWN:
        OnKey(static_cast<UINT>(wparam));
        return 0;
      case WM_CHAR:
        if (wparam == u' ' && selected_) ToggleCheck(selected_);
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
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)); }
  Node* Find(HTREEITEM item) const {
    auto* node = reinterpret_cast<Node*>(item);
    return alive_.count(node) ? node : nullptr;
  }
  LRESULT SwapColor(COLORREF& slot, LPARAM lparam) {
    COLORREF old = slot;
    slot = static_cast<COLORREF>(lparam);
    InvalidateRect(window_, nullptr, TRUE);
    return old == CLR_DEFAULT ? static_cast<LRESULT>(-1) : old;
  }

  void Apply(Node* node, const TVITEMW& item, bool ansi) {
    if (item.mask & TVIF_TEXT) node->text = TextIn(item.pszText, ansi);
    if (item.mask & TVIF_PARAM) node->param = item.lParam;
    if (item.mask & TVIF_IMAGE) node->image = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE) node->selected_image = item.iSelectedImage;
    if (item.mask & TVIF_CHILDREN) node->children_flag = item.cChildren;
    if (item.mask & TVIF_STATE) {
      UINT mask = item.stateMask & ~TVIS_SELECTED;  // the selection moves by TVM_SELECTITEM
      node->state = (node->state & ~mask) | (item.state & mask);
    }
  }

  HTREEITEM Insert(const TVINSERTSTRUCTW* insert, bool ansi) {
    if (insert == nullptr) return nullptr;
    Node* parent = &root_;
    if (insert->hParent != nullptr && insert->hParent != TVI_ROOT) {
      parent = Find(insert->hParent);
      if (parent == nullptr) return nullptr;
    }
    auto node = std::make_unique<Node>();
    node->parent = parent;
    if (Style() & TVS_CHECKBOXES) node->state = INDEXTOSTATEIMAGEMASK(1);
    Apply(node.get(), insert->item, ansi);
    auto& siblings = parent->children;
    auto at = siblings.end();
    HTREEITEM after = insert->hInsertAfter;
    if (after == TVI_FIRST) {
      at = siblings.begin();
    } else if (after == TVI_SORT) {
      at = std::find_if(siblings.begin(), siblings.end(),
                        [&](Node* s) { return s->text > node->text; });
    } else if (after != TVI_LAST && after != nullptr) {
      auto found = std::find(siblings.begin(), siblings.end(), Find(after));
      if (found != siblings.end()) at = found + 1;
    }
    Node* raw = node.release();
    siblings.insert(at, raw);
    alive_.insert(raw);
    InvalidateRect(window_, nullptr, TRUE);
    return ::platform::comctl::Handle(raw);
  }

  void DeleteChildren(Node* node, bool notify) {
    while (!node->children.empty()) Delete(node->children.back(), notify);
  }
  void Delete(Node* node, bool notify) {
    DeleteChildren(node, notify);
    if (notify) {
      NMTREEVIEWW notice{};
      notice.itemOld.hItem = ::platform::comctl::Handle(node);
      notice.itemOld.lParam = node->param;
      notice.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
      SendNotify(window_, TVN_DELETEITEMW, &notice.hdr);
    }
    if (selected_ == node) selected_ = nullptr;
    auto& siblings = node->parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
    alive_.erase(node);
    delete node;
  }

  bool Expand(Node* node, UINT action, UINT how) {
    bool expanded = (node->state & TVIS_EXPANDED) != 0;
    bool want = action == TVE_TOGGLE ? !expanded : action == TVE_EXPAND;
    if (action != TVE_EXPAND && action != TVE_COLLAPSE && action != TVE_TOGGLE) return false;
    if (want == expanded) return true;
    if (want && node->children.empty() && node->children_flag == 0) return false;
    NMTREEVIEWW notice{};
    notice.action = want ? TVE_EXPAND : TVE_COLLAPSE;
    notice.itemNew.hItem = ::platform::comctl::Handle(node);
    notice.itemNew.state = node->state;
    notice.itemNew.lParam = node->param;
    notice.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    (void)how;
    HWND self = window_;
    if (SendNotify(window_, TVN_ITEMEXPANDINGW, &notice.hdr) != 0 || !IsWindow(self)) return false;
    if (!alive_.count(node)) return false;
    node->state = want ? node->state | TVIS_EXPANDED | TVIS_EXPANDEDONCE : node->state & ~TVIS_EXPANDED;
    // A collapsed parent cannot keep a hidden selection: it moves to the parent.
    if (!want && selected_ && IsBelow(selected_, node)) Select(node, how);
    notice.itemNew.state = node->state;
    InvalidateRect(window_, nullptr, TRUE);
    SendNotify(window_, TVN_ITEMEXPANDEDW, &notice.hdr);
    if (IsWindow(self)) SetTop(top_);  // fewer rows may leave room above
    return true;
  }
  static bool IsBelow(Node* node, Node* ancestor) {
    for (Node* p = node->parent; p != nullptr; p = p->parent) {
      if (p == ancestor) return true;
    }
    return false;
  }

  bool Select(Node* node, UINT how) {
    if (node == selected_) return true;
    NMTREEVIEWW notice{};
    notice.action = how;
    notice.itemOld.mask = notice.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    if (selected_) {
      notice.itemOld.hItem = ::platform::comctl::Handle(selected_);
      notice.itemOld.state = selected_->state;
      notice.itemOld.lParam = selected_->param;
    }
    if (node) {
      notice.itemNew.hItem = ::platform::comctl::Handle(node);
      notice.itemNew.state = node->state;
      notice.itemNew.lParam = node->param;
    }
    HWND self = window_;
    if (SendNotify(window_, TVN_SELCHANGINGW, &notice.hdr) != 0 || !IsWindow(self)) return false;
    if (node && !alive_.count(node)) return false;
    if (selected_) selected_->state &= ~TVIS_SELECTED;
    selected_ = node;
    if (node) node->state |= TVIS_SELECTED;
    InvalidateRect(window_, nullptr, TRUE);
    if (node) EnsureVisible(node);
    SendNotify(window_, TVN_SELCHANGEDW, &notice.hdr);
    return true;
  }

  // --- scrolling ----------------------------------------------------------------------
  int VisibleRows() const {
    RECT client;
    GetClientRect(window_, &client);
    return std::max(1, static_cast<int>(client.bottom) / ItemHeight());
  }
  void SetTop(int top) {
    const int count = static_cast<int>(Visible().size());
    top = ClampTopRow(top, count, VisibleRows());
    if (top != top_) {
      top_ = top;
      InvalidateRect(window_, nullptr, TRUE);
    }
    if (Style() & TVS_NOSCROLL) return;
    SyncRowScrollBar(window_, count, VisibleRows(), top_);
  }
  void EnsureVisible(Node* node) {
    int row = RowOf(node);
    if (row < 0) return;
    if (row < top_) SetTop(row);
    else if (row >= top_ + VisibleRows()) SetTop(row - VisibleRows() + 1);
  }
  void OnVScroll(WORD code) {
    SetTop(TopRowForScrollCode(window_, code, top_, VisibleRows(), static_cast<int>(Visible().size())));
  }

  void ToggleCheck(Node* node) {
    if (!(Style() & TVS_CHECKBOXES)) return;
    UINT image = (node->state & TVIS_STATEIMAGEMASK) >> 12;
    node->state = (node->state & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(image == 2 ? 1 : 2);
    InvalidateRect(window_, nullptr, TRUE);
  }

  // The visible items, top to bottom, with their depth.
  void Visible(Node* node, int depth, std::vector<std::pair<Node*, int>>& out) const {
    for (Node* child : node->children) {
      out.push_back({child, depth});
      if (child->state & TVIS_EXPANDED) Visible(child, depth + 1, out);
    }
  }
  std::vector<std::pair<Node*, int>> Visible() const {
    std::vector<std::pair<Node*, int>> out;
    Visible(const_cast<Node*>(&root_), 0, out);
    return out;
  }
  int RowOf(Node* node) const {
    auto rows = Visible();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      if (rows[i].first == node) return i;
    }
    return -1;
  }

  HTREEITEM Next(UINT code, HTREEITEM item) const {
    Node* node = Find(item);
    auto handle = [](Node* n) { return n ? ::platform::comctl::Handle(n) : nullptr; };
    auto sibling = [](Node* n, int step) -> Node* {
      auto& s = n->parent->children;
      auto at = std::find(s.begin(), s.end(), n) - s.begin() + step;
      return at >= 0 && at < static_cast<long>(s.size()) ? s[at] : nullptr;
    };
    auto rows = Visible();
    auto row_step = [&](Node* n, int step) -> Node* {
      for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i].first == n) {
          int j = i + step;
          return j >= 0 && j < static_cast<int>(rows.size()) ? rows[j].first : nullptr;
        }
      }
      return nullptr;
    };
    switch (code) {
      case TVGN_ROOT: return handle(root_.children.empty() ? nullptr : root_.children.front());
      case TVGN_CARET: return handle(selected_);
      case TVGN_FIRSTVISIBLE:
        return handle(top_ < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(top_)].first : nullptr);
      case TVGN_LASTVISIBLE: return handle(rows.empty() ? nullptr : rows.back().first);
      case TVGN_DROPHILITE: return nullptr;
      case TVGN_NEXT: return node ? handle(sibling(node, 1)) : nullptr;
      case TVGN_PREVIOUS: return node ? handle(sibling(node, -1)) : nullptr;
      case TVGN_PARENT: return node && node->parent != &root_ ? handle(node->parent) : nullptr;
      case TVGN_CHILD: {
        const Node* from = node ? node : (item == nullptr || item == TVI_ROOT ? &root_ : nullptr);
        return from && !from->children.empty() ? handle(from->children.front()) : nullptr;
      }
      case TVGN_NEXTVISIBLE: return node ? handle(row_step(node, 1)) : nullptr;
      case TVGN_PREVIOUSVISIBLE: return node ? handle(row_step(node, -1)) : nullptr;
      default: return nullptr;
    }
  }

  // --- geometry -----------------------------------------------------------------------
  int ItemHeight() const {
    if (item_height_ > 0) return item_height_;
    HDC dc = GetDC(window_);
    TEXTMETRICW tm{};
    {
      FontScope scope(dc, ControlFont(font_));
      GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(window_, dc);
    return std::max<int>(tm.tmHeight + 2, 16);
  }
  int Depth(Node* node) const {
    int depth = 0;
    for (Node* p = node->parent; p != &root_; p = p->parent) ++depth;
    return depth;
  }
  // Left edge of the item's cell: the indent of its depth, one more with TVS_LINESATROOT.
  int CellLeft(Node* node) const {
    bool root_lines = (Style() & TVS_LINESATROOT) != 0;
    return (Depth(node) + (root_lines ? 1 : 0)) * indent_;
  }
  int CheckLeft(Node* node) const { return CellLeft(node) + 2; }
  int LabelLeft(Node* node) const {
    int x = CellLeft(node) + 2;
    if (Style() & TVS_CHECKBOXES) x += 16;
    if (images_) {
      int cx = 0, cy = 0;
      ImageList_GetIconSize(images_, &cx, &cy);
      x += cx + 2;
    }
    return x;
  }
  RECT LabelRect(Node* node, int top) const {
    HDC dc = GetDC(window_);
    int width;
    {
      FontScope scope(dc, ControlFont(font_));
      width = TextSize(dc, node->text).cx + 4;
    }
    ReleaseDC(window_, dc);
    int left = LabelLeft(node);
    return RECT{left, top, left + width, top + ItemHeight()};
  }
  bool HasButton(Node* node) const {
    if (!(Style() & TVS_HASBUTTONS)) return false;
    if (node->parent == &root_ && !(Style() & TVS_LINESATROOT)) return false;
    return !node->children.empty() || node->children_flag != 0;
  }
  RECT ButtonRect(Node* node, int top) const {
    int centre_x = CellLeft(node) - indent_ / 2;
    int centre_y = top + ItemHeight() / 2;
    return RECT{centre_x - 4, centre_y - 4, centre_x + 5, centre_y + 5};
  }

  void HitTest(POINT p, TVHITTESTINFO* hit) const {
    auto rows = Visible();
    int row = top_ + p.y / ItemHeight();
    if (p.y < 0 || row >= static_cast<int>(rows.size())) return;
    Node* node = rows[row].first;
    int top = (row - top_) * ItemHeight();
    hit->hItem = ::platform::comctl::Handle(node);
    RECT button = ButtonRect(node, top);
    InflateRect(&button, 2, 2);
    RECT label = LabelRect(node, top);
    if (HasButton(node) && PtInRect(&button, p)) hit->flags = TVHT_ONITEMBUTTON;
    else if ((Style() & TVS_CHECKBOXES) && p.x >= CheckLeft(node) && p.x < CheckLeft(node) + 14)
      hit->flags = TVHT_ONITEMSTATEICON;
    else if (p.x >= LabelLeft(node) - (images_ ? 18 : 0) && p.x < label.right) hit->flags = TVHT_ONITEMLABEL;
    else if (p.x < CellLeft(node)) hit->flags = TVHT_ONITEMINDENT;
    else hit->flags = TVHT_ONITEMRIGHT;
  }

  void OnClick(POINT p, bool twice) {
    HWND self = window_;
    if (GetFocus() != window_) SetFocus(window_);
    if (!IsWindow(self)) return;
    TVHITTESTINFO hit{};
    hit.pt = p;
    HitTest(p, &hit);
    Node* node = Find(hit.hItem);
    if (node == nullptr) return;
    if (hit.flags == TVHT_ONITEMBUTTON) {
      Expand(node, TVE_TOGGLE, TVC_BYMOUSE);
    } else if (hit.flags == TVHT_ONITEMSTATEICON) {
      ToggleCheck(node);
    } else if (hit.flags & (TVHT_ONITEMLABEL | TVHT_ONITEMRIGHT)) {
      Select(node, TVC_BYMOUSE);
      if (twice && IsWindow(self) && alive_.count(node)) Expand(node, TVE_TOGGLE, TVC_BYMOUSE);
    }
  }

  void OnKey(UINT key) {
    auto rows = Visible();
    if (rows.empty()) return;
    if (selected_ == nullptr) {
      Select(rows.front().first, TVC_BYKEYBOARD);
      return;
    }
    int row = RowOf(selected_);
    switch (key) {
      case VK_UP:
        if (row > 0) Select(rows[row - 1].first, TVC_BYKEYBOARD);
        return;
      case VK_DOWN:
        if (row + 1 < static_cast<int>(rows.size())) Select(rows[row + 1].first, TVC_BYKEYBOARD);
        return;
      case VK_HOME:
        Select(rows.front().first, TVC_BYKEYBOARD);
        return;
      case VK_END:
        Select(rows.back().first, TVC_BYKEYBOARD);
        return;
      case VK_LEFT:
        if (selected_->state & TVIS_EXPANDED) Expand(selected_, TVE_COLLAPSE, TVC_BYKEYBOARD);
        else if (selected_->parent != &root_) Select(selected_->parent, TVC_BYKEYBOARD);
        return;
      case VK_RIGHT:
        if (!(selected_->state & TVIS_EXPANDED)) Expand(selected_, TVE_EXPAND, TVC_BYKEYBOARD);
        else if (!selected_->children.empty()) Select(selected_->children.front(), TVC_BYKEYBOARD);
        return;
      case VK_ADD:
        Expand(selected_, TVE_EXPAND, TVC_BYKEYBOARD);
        return;
      case VK_SUBTRACT:
        Expand(selected_, TVE_COLLAPSE, TVC_BYKEYBOARD);
        return;
      default:
        return;
    }
  }

  // --- painting -----------------------------------------------------------------------
  void DottedLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF color) const {
    for (int x = x0, y = y0; x <= x1 && y <= y1; x += (x1 > x0), y += (y1 > y0)) {
      if (((x + y) & 1) == 0) SetPixelV(dc, x, y, color);
      if (x0 == x1 && y0 == y1) break;
    }
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    COLORREF background = ResolveColor(background_, COLOR_WINDOW);
    FillColor(dc, client, background);
    FontScope scope(dc, ControlFont(font_));
    COLORREF lines = line_color_ == CLR_DEFAULT ? GetSysColor(COLOR_GRAYTEXT) : line_color_;
    COLORREF ink = ResolveColor(text_color_, COLOR_WINDOWTEXT);
    bool has_lines = (Style() & TVS_HASLINES) != 0;
    int height = ItemHeight();
    auto rows = Visible();
    for (int r = top_; r < static_cast<int>(rows.size()); ++r) {
      Node* node = rows[r].first;
      int top = (r - top_) * height;
      if (top >= client.bottom) break;
      int middle = top + height / 2;
      bool at_root_without_lines = node->parent == &root_ && !(Style() & TVS_LINESATROOT);
      if (has_lines && !at_root_without_lines) {
        int x = CellLeft(node) - indent_ / 2;
        // Up to the previous sibling (or the parent), across to the item, and on down
        // when a later sibling follows.
        bool last = node->parent->children.back() == node;
        bool first_at_root = node->parent == &root_ && node->parent->children.front() == node;
        DottedLine(dc, x, first_at_root ? middle : top, x, last ? middle : top + height, lines);
        DottedLine(dc, x, middle, CellLeft(node), middle, lines);
        // The lines of the ancestors that have siblings still to come.
        for (Node* a = node->parent; a != &root_ && a->parent != nullptr; a = a->parent) {
          if (a->parent == &root_ && !(Style() & TVS_LINESATROOT)) break;
          if (a->parent->children.back() != a) {
            int ax = CellLeft(a) - indent_ / 2;
            DottedLine(dc, ax, top, ax, top + height, lines);
          }
        }
      }
      if (HasButton(node)) {
        RECT box = ButtonRect(node, top);
        FillColor(dc, box, background);
        HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
        FrameRect(dc, &box, frame);
        DeleteObject(frame);
        int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
        Line(dc, box.left + 2, cy, box.right - 2, cy, ink);
        if (!(node->state & TVIS_EXPANDED)) Line(dc, cx, box.top + 2, cx, box.bottom - 2, ink);
      }
      if (Style() & TVS_CHECKBOXES) {
        RECT check{CheckLeft(node), middle - 6, CheckLeft(node) + 13, middle + 7};
        bool checked = ((node->state & TVIS_STATEIMAGEMASK) >> 12) == 2;
        DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
      }
      if (images_) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images_, &cx, &cy);
        int index = node == selected_ ? node->selected_image : node->image;
        ImageList_Draw(images_, index, dc, LabelLeft(node) - cx - 2, top + (height - cy) / 2, ILD_TRANSPARENT);
      }
      RECT label = LabelRect(node, top);
      COLORREF text_ink = ink;
      if (node == selected_ && (focused_ || (Style() & TVS_SHOWSELALWAYS))) {
        FillRect(dc, &label, GetSysColorBrush(focused_ ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        text_ink = GetSysColor(focused_ ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
        if (focused_) DrawFocusRect(dc, &label);
      }
      RECT text = label;
      text.left += 2;
      DrawLabel(dc, node->text, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, text_ink);
    }
  }

  HWND window_;
  HFONT font_ = nullptr;
  Node root_;
  std::set<Node*> alive_;
  Node* selected_ = nullptr;
  bool focused_ = false;
  int top_ = 0;  // the first visible row in view
  int indent_ = 19;
  int item_height_ = 0;
  COLORREF background_ = CLR_DEFAULT;
  COLORREF text_color_ = CLR_DEFAULT;
  COLORREF line_color_ = CLR_DEFAULT;
  HIMAGELIST images_ = nullptr;
  HIMAGELIST state_images_ = nullptr;
};

}  // namespace

bool RegisterTreeView() {
  return RegisterControlClass(ICC_TREEVIEW_CLASSES, WC_TREEVIEWW, StatefulProcedure<TreeView>);
}

}  // namespace platform::comctl
