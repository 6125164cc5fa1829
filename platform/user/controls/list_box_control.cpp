// The "ListBox" window class, and "ComboLBox", the list of a combo box.
//
// Selection by input (i: the item under the mouse or the key's target; A: the anchor):
//
//   kind        click                 Shift+click     Ctrl+click   arrows/keys       Space
//   single      select i              select i        select i     select i          -
//   multiple    toggle i              toggle i        toggle i     caret only        toggle caret
//   extended    only i, A = i         A..i only       toggle i     only i, A = i     only caret
//                                                                  Shift: A..i
//                                                                  Ctrl: caret only  Ctrl: toggle
//
// Dragging with the button down: single follows the mouse, extended selects A..i, multiple
// does nothing more. A typed character jumps to the next item starting with it. Every
// change of selection the user makes sends LBN_SELCHANGE (LBS_NOTIFY); a double click
// sends LBN_DBLCLK. Programmatic changes (LB_SETCURSEL...) notify nothing.
//
// A combo box's list never takes the focus: while dropped it holds the capture, follows the
// mouse, and reports the item released on (kComboListPicked) or a click outside
// (kComboListCancel) to its combo box.
#include <algorithm>

#include "platform/user/controls/combo_list_messages.h"
#include "platform/user/controls/control_classes.h"
#include "platform/user/controls/list_edit_support.h"
#include "platform/user/controls/list_box_paint.h"
#include "platform/user/controls/list_box_state.h"

namespace platform::user::controls {
namespace {

ListBoxState* Find(HWND window) { return StateOf<ListBoxState>(window); }

bool IsComboList(const ListBoxState& s) { return s.combo != nullptr; }
bool IsDroppedList(const ListBoxState& s) {
  return IsComboList(s) && !(s.style() & WS_CHILD);
}

// The window's own vertical bar follows the list: shown only when there is something to
// scroll, unless LBS_DISABLENOSCROLL keeps it (disabled) in sight.
void UpdateScrollBar(ListBoxState& s) {
  if (!s.wants_scroll_bar) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL | ((s.style() & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
  info.nMax = std::max(0, s.count() - 1);
  info.nPage = static_cast<UINT>(std::max(1, s.VisibleItems()));
  info.nPos = s.top;
  SetScrollInfo(s.window, SB_VERT, &info, IsWindowVisible(s.window));
}

void Changed(ListBoxState& s) {
  if (!(s.style() & LBS_NOREDRAW)) InvalidateRect(s.window, nullptr, TRUE);
}

void SetTop(ListBoxState& s, int top) {
  top = std::clamp(top, 0, s.LastTop());
  if (top == s.top) return;
  s.top = top;
  Changed(s);
  UpdateScrollBar(s);
}

void EnsureVisible(ListBoxState& s, int index) {
  if (index < 0) return;
  int visible = s.VisibleItems();
  if (index < s.top) SetTop(s, index);
  else if (index >= s.top + visible) SetTop(s, index - visible + 1);
}

// The selection as one comparable picture, to tell whether an action changed it.
std::vector<bool> Snapshot(const ListBoxState& s) {
  std::vector<bool> picture(s.items.size() + 1);
  for (int i = 0; i < s.count(); ++i) picture[i] = s.IsSelected(i);
  return picture;
}

void SelectRange(ListBoxState& s, int from, int to, bool on) {
  if (from > to) std::swap(from, to);
  for (int i = std::max(0, from); i <= to && i < s.count(); ++i) s.items[i].selected = on;
}

void ClearAll(ListBoxState& s) { SelectRange(s, 0, s.count() - 1, false); }

struct Choice {
  bool shift = false;
  bool ctrl = false;
  bool toggle = false;     // a click (multiple, Ctrl+click) or Space
  bool caret_only = false; // moves the caret without selecting
};

// What the user chose, by the table above; LBN_SELCHANGE when the selection changed.
void Choose(HWND window, int index, Choice how) {
  ListBoxState* s = Find(window);
  if (s == nullptr || index < 0 || index >= s->count()) return;
  std::vector<bool> before = Snapshot(*s);
  if (s->single()) {
    s->current = index;
  } else if (s->multiple()) {
    if (how.toggle) s->items[index].selected = !s->items[index].selected;
  } else if (how.caret_only) {
    // Ctrl+arrows: the caret moves alone.
  } else if (how.toggle) {
    s->items[index].selected = !s->items[index].selected;
    s->anchor = index;
  } else if (how.shift) {
    ClearAll(*s);
    SelectRange(*s, s->anchor, index, true);
  } else {
    ClearAll(*s);
    s->items[index].selected = true;
    s->anchor = index;
  }
  s->caret = index;
  EnsureVisible(*s, index);
  Changed(*s);
  if (Snapshot(*s) != before && s->notifies() && !IsComboList(*s)) Notify(window, LBN_SELCHANGE);
}

int KeyTarget(const ListBoxState& s, WPARAM key) {
  int page = std::max(1, s.VisibleItems() - 1);
  int from = s.single() && s.current >= 0 ? s.current : s.caret;
  switch (key) {
    case VK_UP: return from - 1;
    case VK_DOWN: return (s.single() && s.current < 0) ? 0 : from + 1;
    case VK_PRIOR: return from - page;
    case VK_NEXT: return from + page;
    case VK_HOME: return 0;
    case VK_END: return s.count() - 1;
    default: return -2;
  }
}

void OnKeyDown(HWND window, WPARAM key) {
  ListBoxState* s = Find(window);
  if (s == nullptr || s->count() == 0) return;
  bool shift = KeyHeld(VK_SHIFT);
  bool ctrl = KeyHeld(VK_CONTROL);
  if (key == VK_SPACE) {
    if (s->multiple()) Choose(window, s->caret, Choice{false, false, true, false});
    else if (s->extended()) Choose(window, s->caret, Choice{shift, ctrl, ctrl && !shift, false});
    return;
  }
  int target = KeyTarget(*s, key);
  if (target == -2) return;
  target = std::clamp(target, 0, s->count() - 1);
  if (s->multiple() || (s->extended() && ctrl && !shift)) {
    s->caret = target;
    EnsureVisible(*s, target);
    Changed(*s);
    return;
  }
  Choose(window, target, Choice{shift, false, false, false});
}

void OnChar(HWND window, WCHAR ch) {
  ListBoxState* s = Find(window);
  if (s == nullptr || ch < 0x20 || !s->has_strings()) return;
  if (ch == u' ' && !s->single()) return;  // Space selects (WM_KEYDOWN)
  int from = s->single() && s->current >= 0 ? s->current : s->caret;
  int found = s->Find(from, std::u16string_view(&ch, 1), false);
  if (found < 0) return;
  if (s->multiple()) {
    s->caret = found;
    EnsureVisible(*s, found);
    Changed(*s);
    return;
  }
  Choose(window, found, Choice{});
}

void Scroll(HWND window, WORD code, int track) {
  ListBoxState* s = Find(window);
  if (s == nullptr) return;
  int page = std::max(1, s->VisibleItems() - 1);
  switch (code) {
    case SB_LINEUP: SetTop(*s, s->top - 1); break;
    case SB_LINEDOWN: SetTop(*s, s->top + 1); break;
    case SB_PAGEUP: SetTop(*s, s->top - page); break;
    case SB_PAGEDOWN: SetTop(*s, s->top + page); break;
    case SB_TOP: SetTop(*s, 0); break;
    case SB_BOTTOM: SetTop(*s, s->LastTop()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTop(*s, track); break;
    default: break;
  }
}

void OnButtonDown(HWND window, UINT message, LPARAM lparam) {
  ListBoxState* s = Find(window);
  if (s == nullptr) return;
  POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  if (IsDroppedList(*s)) {
    // The dropped list holds the capture: a press outside it closes it.
    POINT screen = point;
    ClientToScreen(window, &screen);
    const LPARAM at = MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
    if (SendMessageW(window, WM_NCHITTEST, 0, at) == HTVSCROLL) {
      SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, at);
      return;
    }
    RECT client{};
    GetClientRect(window, &client);
    if (!PtInRect(&client, point)) {
      SendMessageW(s->combo, kComboListCancel, 0, 0);
      return;
    }
  } else if (!IsComboList(*s) && GetFocus() != window) {
    SetFocus(window);
    if ((s = Find(window)) == nullptr) return;
  }
  bool outside = false;
  int index = s->ItemFromPoint(point, &outside);
  if (index < 0) return;
  bool shift = KeyHeld(VK_SHIFT);
  bool ctrl = KeyHeld(VK_CONTROL);
  if (IsComboList(*s)) {
    s->current = s->caret = index;
    Changed(*s);
  } else {
    Choose(window, index, Choice{shift, ctrl, s->multiple() || (s->extended() && ctrl), false});
  }
  if ((s = Find(window)) == nullptr) return;
  s->tracking = ListTracking::kItems;
  s->extend_on_drag = s->extended() && !ctrl;
  if (GetCapture() != window) SetCapture(window);
  if (message == WM_LBUTTONDBLCLK) {
    if (IsComboList(*s)) {
      if (!IsDroppedList(*s)) SendMessageW(s->combo, kComboListPicked, index, TRUE);
    } else if (s->notifies()) {
      Notify(window, LBN_DBLCLK);
    }
  }
}

void OnMouseMove(HWND window, LPARAM lparam) {
  ListBoxState* s = Find(window);
  if (s == nullptr) return;
  POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  bool hovering_dropped = IsDroppedList(*s) && GetCapture() == window;
  if (s->tracking != ListTracking::kItems && !hovering_dropped) return;
  RECT client{};
  GetClientRect(window, &client);
  if (hovering_dropped && s->tracking != ListTracking::kItems && !PtInRect(&client, point)) return;
  // Beyond the top or bottom edge the list scrolls one item toward the mouse.
  if (point.y < 0) EnsureVisible(*s, s->top - 1);
  if (point.y >= client.bottom) EnsureVisible(*s, s->top + s->VisibleItems());
  int index = s->ItemFromPoint(point, nullptr);
  if (index < 0) return;
  if (IsComboList(*s)) {
    if (s->current != index) {
      s->current = s->caret = index;
      EnsureVisible(*s, index);
      Changed(*s);
    }
  } else if (s->single()) {
    if (s->current != index) Choose(window, index, Choice{});
  } else if (s->extended() && s->extend_on_drag && s->caret != index) {
    Choose(window, index, Choice{true, false, false, false});
  }
}

void OnButtonUp(HWND window, LPARAM lparam) {
  ListBoxState* s = Find(window);
  if (s == nullptr) return;
  ListTracking was = s->tracking;
  s->tracking = ListTracking::kNone;
  if (IsDroppedList(*s)) {
    POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    RECT client{};
    GetClientRect(window, &client);
    bool outside = true;
    int index = s->ItemFromPoint(point, &outside);
    // Released on an item: chosen. Released elsewhere (the click that opened the list):
    // the list stays down and keeps the capture.
    if (was == ListTracking::kItems && PtInRect(&client, point) && !outside && index >= 0) {
      SendMessageW(s->combo, kComboListPicked, index, FALSE);
    }
    return;
  }
  if (GetCapture() == window) ReleaseCapture();
  if (was == ListTracking::kItems && IsComboList(*s)) {
    SendMessageW(s->combo, kComboListPicked, s->current, FALSE);
  }
}

void TrimToIntegralHeight(ListBoxState& s) {
  if ((s.style() & LBS_NOINTEGRALHEIGHT) || IsComboList(s) || s.requested_height <= 0) return;
  RECT window_rect{};
  GetWindowRect(s.window, &window_rect);
  RECT client{};
  GetClientRect(s.window, &client);
  int frame = (window_rect.bottom - window_rect.top) - client.bottom;
  int inner = s.requested_height - frame;
  int height = s.requested_height - (inner > 0 ? inner % s.item_height : 0);
  if (height != window_rect.bottom - window_rect.top) {
    int requested = s.requested_height;
    SetWindowPos(s.window, nullptr, 0, 0, window_rect.right - window_rect.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (ListBoxState* again = Find(s.window)) again->requested_height = requested;
  }
}

void SetItemHeight(ListBoxState& s, int height) {
  s.item_height = std::max(1, height);
  TrimToIntegralHeight(s);
  SetTop(s, s.top);
  UpdateScrollBar(s);
  Changed(s);
}

LRESULT CopyText(const ListBoxState& s, WPARAM index, LPARAM buffer) {
  auto i = static_cast<LONG_PTR>(index);
  if (i < 0 || i >= s.count()) return LB_ERR;
  const ListItem& item = s.items[i];
  if (!s.has_strings()) {
    if (buffer != 0) *reinterpret_cast<ULONG_PTR*>(buffer) = item.data;
    return sizeof(ULONG_PTR);
  }
  auto* out = reinterpret_cast<WCHAR*>(buffer);
  if (out == nullptr) return LB_ERR;
  std::copy(item.text.begin(), item.text.end(), out);
  out[item.text.size()] = 0;
  return static_cast<LRESULT>(item.text.size());
}

LRESULT Insert(ListBoxState& s, LONG_PTR index, LPARAM lparam, bool sorted) {
  ListItem item;
  if (s.has_strings()) {
    auto* text = reinterpret_cast<LPCWSTR>(lparam);
    item.text = text != nullptr ? text : u"";
  } else {
    item.data = static_cast<ULONG_PTR>(lparam);
  }
  int at = 0;
  if (sorted && s.has_strings()) {
    at = s.AddSorted(std::move(item));
  } else {
    if (index < 0) index = s.count();
    if (index > s.count()) return LB_ERR;
    at = static_cast<int>(index);
    s.items.insert(s.items.begin() + at, std::move(item));
  }
  if (s.current >= at) ++s.current;
  if (s.caret >= at && s.count() > 1) ++s.caret;
  if (s.anchor >= at && s.count() > 1) ++s.anchor;
  Changed(s);
  UpdateScrollBar(s);
  return at;
}

LRESULT Delete(ListBoxState& s, WPARAM wparam) {
  auto index = static_cast<LONG_PTR>(wparam);
  if (index < 0 || index >= s.count()) return LB_ERR;
  s.items.erase(s.items.begin() + index);
  if (s.current == index) s.current = -1;
  else if (s.current > index) --s.current;
  if (s.caret > index) --s.caret;
  if (s.anchor > index) --s.anchor;
  s.caret = std::clamp(s.caret, 0, std::max(0, s.count() - 1));
  s.anchor = std::clamp(s.anchor, 0, std::max(0, s.count() - 1));
  s.top = std::clamp(s.top, 0, s.LastTop());
  Changed(s);
  UpdateScrollBar(s);
  return s.count();
}

void OnCreate(ListBoxState& s, const CREATESTRUCTW* create) {
  s.item_height = LineHeightOf(nullptr);
  s.wants_scroll_bar = (s.style() & WS_VSCROLL) != 0;
  if (s.style() & LBS_OWNERDRAWFIXED) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = static_cast<UINT>(GetWindowLongPtrW(s.window, GWLP_ID));
    measure.itemHeight = static_cast<UINT>(s.item_height);
    RECT client{};
    GetClientRect(s.window, &client);
    measure.itemWidth = static_cast<UINT>(client.right);
    HWND window = s.window;
    SendMessageW(NotifyTarget(window), WM_MEASUREITEM, measure.CtlID,
                 reinterpret_cast<LPARAM>(&measure));
    ListBoxState* again = Find(window);
    if (again == nullptr) return;
    if (measure.itemHeight > 0) again->item_height = static_cast<int>(measure.itemHeight);
  }
  s.requested_height = create != nullptr ? create->cy : 0;
  TrimToIntegralHeight(s);
  UpdateScrollBar(s);
}

void SetFocused(HWND window, bool focused) {
  ListBoxState* s = Find(window);
  if (s == nullptr) return;
  s->focused = focused;
  Changed(*s);
  if (!IsComboList(*s)) Notify(window, focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

LRESULT ListMessage(HWND window, ListBoxState& s, UINT message, WPARAM wparam, LPARAM lparam) {
  auto index = static_cast<LONG_PTR>(wparam);
  bool in_range = index >= 0 && index < s.count();
  switch (message) {
    case LB_ADDSTRING:
      return Insert(s, -1, lparam, (s.style() & LBS_SORT) != 0);
    case LB_INSERTSTRING:
      return Insert(s, index, lparam, false);
    case LB_DELETESTRING:
      return Delete(s, wparam);
    case LB_RESETCONTENT:
      s.items.clear();
      s.current = -1;
      s.caret = s.anchor = s.top = 0;
      Changed(s);
      UpdateScrollBar(s);
      return 0;
    case LB_GETCOUNT:
      return s.count();
    case LB_GETTEXT:
      return CopyText(s, wparam, lparam);
    case LB_GETTEXTLEN:
      if (!in_range) return LB_ERR;
      return s.has_strings() ? static_cast<LRESULT>(s.items[index].text.size())
                             : static_cast<LRESULT>(sizeof(ULONG_PTR));
    case LB_SETITEMDATA:
      if (!in_range) return LB_ERR;
      s.items[index].data = static_cast<ULONG_PTR>(lparam);
      return TRUE;
    case LB_GETITEMDATA:
      if (!in_range) return LB_ERR;
      return static_cast<LRESULT>(s.items[index].data);
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
      auto* text = reinterpret_cast<LPCWSTR>(lparam);
      if (text == nullptr) return LB_ERR;
      int found = s.Find(static_cast<int>(index), text, message == LB_FINDSTRINGEXACT);
      return found < 0 ? LB_ERR : found;
    }
    case LB_SELECTSTRING: {
      auto* text = reinterpret_cast<LPCWSTR>(lparam);
      if (text == nullptr) return LB_ERR;
      int found = s.Find(static_cast<int>(index), text, false);
      if (found < 0) return LB_ERR;
      if (s.single()) s.current = found;
      s.caret = found;
      EnsureVisible(s, found);
      Changed(s);
      return found;
    }
    case LB_SETCURSEL:
      if (!s.single()) return LB_ERR;
      s.current = in_range ? static_cast<int>(index) : -1;
      if (in_range) {
        s.caret = s.current;
        EnsureVisible(s, s.current);
      }
      Changed(s);
      return in_range ? index : LB_ERR;
    case LB_GETCURSEL:
      if (s.single()) return s.current >= 0 ? s.current : LB_ERR;
      return s.count() > 0 ? s.caret : LB_ERR;
    case LB_SETSEL: {
      if (s.single()) return LB_ERR;
      auto item = static_cast<LONG_PTR>(static_cast<int>(lparam));
      if (item == -1) {
        SelectRange(s, 0, s.count() - 1, wparam != FALSE);
      } else {
        if (item < 0 || item >= s.count()) return LB_ERR;
        s.items[item].selected = wparam != FALSE;
        s.caret = static_cast<int>(item);
      }
      Changed(s);
      return 0;
    }
    case LB_GETSEL:
      if (!in_range) return LB_ERR;
      return s.IsSelected(static_cast<int>(index)) ? 1 : 0;
    case LB_GETSELCOUNT:
      return s.single() ? LB_ERR : s.SelectedCount();
    case LB_GETSELITEMS: {
      if (s.single()) return LB_ERR;
      auto* out = reinterpret_cast<INT*>(lparam);
      int n = 0;
      for (int i = 0; i < s.count() && n < static_cast<int>(wparam); ++i) {
        if (s.items[i].selected) {
          if (out != nullptr) out[n] = i;
          ++n;
        }
      }
      return n;
    }
    case LB_SELITEMRANGE:
      if (s.single()) return LB_ERR;
      SelectRange(s, LOWORD(lparam), HIWORD(lparam), wparam != FALSE);
      Changed(s);
      return 0;
    case LB_SELITEMRANGEEX: {
      if (s.single()) return LB_ERR;
      auto first = static_cast<int>(wparam);
      auto last = static_cast<int>(lparam);
      SelectRange(s, first, last, first <= last);
      Changed(s);
      return 0;
    }
    case LB_SETTOPINDEX:
      if (!in_range && !(index == 0 && s.count() == 0)) return LB_ERR;
      SetTop(s, static_cast<int>(index));
      return 0;
    case LB_GETTOPINDEX:
      return s.top;
    case LB_SETCARETINDEX:
      if (!in_range) return LB_ERR;
      s.caret = static_cast<int>(index);
      if (!LOWORD(lparam)) EnsureVisible(s, s.caret);
      Changed(s);
      return 0;
    case LB_GETCARETINDEX:
      return s.caret;
    case LB_SETANCHORINDEX:
      if (!in_range) return LB_ERR;
      s.anchor = static_cast<int>(index);
      return 0;
    case LB_GETANCHORINDEX:
      return s.anchor;
    case LB_GETITEMHEIGHT:
      return s.item_height;
    case LB_SETITEMHEIGHT:
      if (LOWORD(lparam) > 255 || LOWORD(lparam) == 0) return LB_ERR;
      SetItemHeight(s, LOWORD(lparam));
      return 0;
    case LB_GETITEMRECT: {
      if (!in_range || lparam == 0) return LB_ERR;
      *reinterpret_cast<RECT*>(lparam) = s.ItemRect(static_cast<int>(index));
      return 1;
    }
    case LB_ITEMFROMPOINT: {
      bool outside = false;
      int found = s.ItemFromPoint(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, &outside);
      if (found < 0) return MAKELRESULT(0xFFFF, 1);
      return MAKELRESULT(static_cast<WORD>(found), outside ? 1 : 0);
    }
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

LRESULT ListProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, bool combo_list) {
  if (message == WM_NCCREATE) {
    auto* state = new ListBoxState;
    state->window = window;
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    if (combo_list && create != nullptr) state->combo = create->hwndParent;
    AttachState(window, state);
    return DefWindowProcW(window, message, wparam, lparam);
  }
  ListBoxState* s = Find(window);
  if (s == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_CREATE:
      OnCreate(*s, reinterpret_cast<const CREATESTRUCTW*>(lparam));
      return 0;
    case WM_NCDESTROY:
      FreeState<ListBoxState>(window);
      return DefWindowProcW(window, message, wparam, lparam);
    case WM_SIZE:
      SetTop(*s, s->top);
      UpdateScrollBar(*s);
      Changed(*s);
      return 0;
    case WM_SETFONT:
      s->font = reinterpret_cast<HFONT>(wparam);
      if (!(s->style() & LBS_OWNERDRAWFIXED)) SetItemHeight(*s, LineHeightOf(s->font));
      if (LOWORD(lparam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc != nullptr) PaintListBox(*s, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ENABLE:
      Changed(*s);
      return 0;
    case WM_SETFOCUS:
      SetFocused(window, true);
      return 0;
    case WM_KILLFOCUS:
      SetFocused(window, false);
      return 0;
    case WM_MOUSEACTIVATE:
      if (combo_list) return MA_NOACTIVATE;
      return DefWindowProcW(window, message, wparam, lparam);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      OnKeyDown(window, wparam);
      return 0;
    case WM_CHAR:
      OnChar(window, static_cast<WCHAR>(wparam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(window, message, lparam);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(window, lparam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(window, lparam);
      return 0;
    case WM_CAPTURECHANGED:
      s->tracking = ListTracking::kNone;
      return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (wparam == HTVSCROLL && !combo_list && GetFocus() != window) {
        SetFocus(window);
        if (!IsWindow(window)) return 0;
      }
      return DefWindowProcW(window, message, wparam, lparam);
    case WM_MOUSEWHEEL:
      SetTop(*s, s->top - 3 * GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA);
      return 0;
    case WM_VSCROLL:
      Scroll(window, LOWORD(wparam), HIWORD(wparam));
      return 0;
    case kComboListTrack:
      s->tracking = wparam ? ListTracking::kItems : ListTracking::kNone;
      SetCapture(window);
      return 0;
    default:
      if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) {
        return ListMessage(window, *s, message, wparam, lparam);
      }
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

LRESULT ListBoxProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ListProcedure(window, message, wparam, lparam, false);
}
LRESULT ComboLBoxProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ListProcedure(window, message, wparam, lparam, true);
}

}  // namespace

bool RegisterListBoxClass() {
  return RegisterListEditClass(u"ListBox", ListBoxProcedure, CS_DBLCLKS);
}
bool RegisterComboLBoxClass() {
  return RegisterListEditClass(u"ComboLBox", ComboLBoxProcedure, CS_DBLCLKS | CS_SAVEBITS);
}

}  // namespace platform::user::controls
