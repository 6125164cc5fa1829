// The "ComboBox" window class: an edit field (CBS_SIMPLE, CBS_DROPDOWN; the "Edit" child
// with id 1001) or a selection field (CBS_DROPDOWNLIST) over a list ("ComboLBox").
//
// The list of CBS_DROPDOWN and CBS_DROPDOWNLIST is a pop-up window below the combo box,
// owned by it (GWLP_HWNDPARENT names the combo box), shown without activation.
//
//   state    input                                  result (notifications in order)
//   closed   click (button; anywhere for a list),   CBN_DROPDOWN, the list shows and takes
//            F4, Alt+Down, CB_SHOWDROPDOWN(TRUE)     the capture
//   closed   Up / Down / PgUp / PgDn                the selection moves: CBN_SELCHANGE
//   dropped  Up / Down / PgUp / PgDn                the selection moves: CBN_SELCHANGE
//   dropped  release or click on an item            CBN_SELENDOK, CBN_CLOSEUP, then
//                                                   CBN_SELCHANGE if it is a new item
//   dropped  Enter, F4, Alt+Up, Alt+Down            CBN_SELENDOK, CBN_CLOSEUP
//   dropped  Escape, a click outside, focus lost    CBN_SELENDCANCEL, CBN_CLOSEUP
//                                                   (the item chosen before stays)
//
// The edit child's EN_UPDATE / EN_CHANGE / EN_SETFOCUS / EN_KILLFOCUS become
// CBN_EDITUPDATE / CBN_EDITCHANGE / CBN_SETFOCUS / CBN_KILLFOCUS. The colours the edit
// and the list ask of the combo box (WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX) are asked of
// the combo box's parent in turn, with the child's handle, as Windows does.
#include <algorithm>
#include <string>

#include "platform/user/controls/combo_list_messages.h"
#include "platform/user/controls/control_classes.h"
#include "platform/user/controls/list_edit_support.h"

namespace platform::user::controls {
namespace {

constexpr int kEditId = 1001;
constexpr int kListId = 1000;

struct ComboState {
  HWND window = nullptr;
  HWND edit = nullptr;
  HWND list = nullptr;
  HFONT font = nullptr;
  int field_height = 21;   // the closed combo box's height
  int dropped_height = 120;  // the height asked for: the field and the dropped list
  int dropped_width = 0;
  int committed = -1;      // the item chosen (CB_GETCURSEL outside a drop)
  bool dropped = false;
  bool focused = false;
  bool setting_edit = false;  // the combo box itself writes the edit's text

  DWORD style() const { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }
  DWORD kind() const { return style() & 3; }
  bool drops() const { return kind() != CBS_SIMPLE; }
};

ComboState* Find(HWND window) { return StateOf<ComboState>(window); }
WNDPROC& EditProcedure() {
  static WNDPROC procedure = nullptr;
  return procedure;
}

LRESULT List(ComboState& s, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return s.list != nullptr ? SendMessageW(s.list, message, wparam, lparam) : LB_ERR;
}

RECT ClientOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

RECT ButtonRect(const ComboState& s) {
  RECT c = ClientOf(s.window);
  int width = GetSystemMetrics(SM_CXVSCROLL);
  return RECT{c.right - 2 - width, 2, c.right - 2, s.field_height - 2};
}

// Where the edit child or the selection's highlight goes.
RECT FieldRect(const ComboState& s) {
  RECT c = ClientOf(s.window);
  LONG right = s.drops() ? ButtonRect(s).left - 1 : c.right - 3;
  return RECT{3, 3, right, s.field_height - 3};
}

std::u16string ItemText(ComboState& s, int index) {
  LRESULT length = List(s, LB_GETTEXTLEN, index);
  if (length == LB_ERR || length < 0) return u"";
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  List(s, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void Layout(ComboState& s) {
  RECT c = ClientOf(s.window);
  if (s.drops() && c.bottom != s.field_height) {
    RECT w{};
    GetWindowRect(s.window, &w);
    SetWindowPos(s.window, nullptr, 0, 0, w.right - w.left, s.field_height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT field = FieldRect(s);
  if (s.edit != nullptr) {
    MoveWindow(s.edit, field.left, field.top, field.right - field.left, field.bottom - field.top, TRUE);
  }
  if (!s.drops() && s.list != nullptr) {
    MoveWindow(s.list, 0, s.field_height, c.right, std::max<LONG>(0, c.bottom - s.field_height), TRUE);
  }
  InvalidateRect(s.window, nullptr, TRUE);
}

// Shows the chosen item in the field: the edit's text (all selected) or the window text.
void ShowChosen(HWND window) {
  ComboState* s = Find(window);
  if (s == nullptr) return;
  std::u16string text = s->committed >= 0 ? ItemText(*s, s->committed) : u"";
  DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (s->edit != nullptr) {
    s->setting_edit = true;
    SetWindowTextW(s->edit, text.c_str());
    if ((s = Find(window)) == nullptr) return;
    s->setting_edit = false;
    SendMessageW(s->edit, EM_SETSEL, 0, -1);
  }
  InvalidateRect(window, nullptr, TRUE);
}

// Makes `index` the chosen item; CBN_SELCHANGE when asked and it is new.
void Choose(HWND window, int index, bool notify) {
  ComboState* s = Find(window);
  if (s == nullptr) return;
  bool changed = index != s->committed;
  s->committed = static_cast<int>(List(*s, LB_SETCURSEL, index));
  if (s->committed < 0) s->committed = -1;
  ShowChosen(window);
  if (changed && notify) Notify(window, CBN_SELCHANGE);
}

void Drop(HWND window, bool button_down) {
  ComboState* s = Find(window);
  if (s == nullptr || !s->drops() || s->dropped || s->list == nullptr) return;
  if (!Notify(window, CBN_DROPDOWN) || (s = Find(window)) == nullptr) return;
  RECT combo{};
  GetWindowRect(window, &combo);
  auto count = static_cast<int>(std::max<LRESULT>(1, List(*s, LB_GETCOUNT)));
  auto item = static_cast<int>(List(*s, LB_GETITEMHEIGHT));
  int height = std::min(count * item, std::max(item, s->dropped_height - s->field_height - 2)) + 2;
  int width = std::max(static_cast<int>(combo.right - combo.left), s->dropped_width);
  int y = combo.bottom;
  if (y + height > GetSystemMetrics(SM_CYSCREEN) && combo.top - height >= 0) y = combo.top - height;
  s->dropped = true;
  SetWindowPos(s->list, HWND_TOPMOST, combo.left, y, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  List(*s, LB_SETCURSEL, s->committed);
  InvalidateRect(window, nullptr, TRUE);
  List(*s, kComboListTrack, button_down ? TRUE : FALSE);
}

void CloseUp(HWND window, bool ok) {
  ComboState* s = Find(window);
  if (s == nullptr || !s->dropped) return;
  s->dropped = false;
  if (GetCapture() == s->list) ReleaseCapture();
  ShowWindow(s->list, SW_HIDE);
  if (!ok) List(*s, LB_SETCURSEL, s->committed);
  InvalidateRect(window, nullptr, TRUE);
  if (!Notify(window, ok ? CBN_SELENDOK : CBN_SELENDCANCEL)) return;
  Notify(window, CBN_CLOSEUP);
}

// Keys the combo box takes (from itself or its edit); true when handled.
bool HandleKey(HWND window, WPARAM key, bool alt) {
  ComboState* s = Find(window);
  if (s == nullptr) return false;
  if ((key == VK_F4 && !alt) || (alt && (key == VK_DOWN || key == VK_UP))) {
    if (!s->drops()) return false;
    if (s->dropped) CloseUp(window, true);
    else Drop(window, false);
    return true;
  }
  if (alt) return false;
  if (key == VK_RETURN || key == VK_ESCAPE) {
    if (!s->dropped) return false;
    CloseUp(window, key == VK_RETURN);
    return true;
  }
  auto count = static_cast<int>(List(*s, LB_GETCOUNT));
  int from = s->dropped ? static_cast<int>(List(*s, LB_GETCURSEL)) : s->committed;
  int page = 8;
  int target = -2;
  switch (key) {
    case VK_UP: target = from < 0 ? 0 : from - 1; break;
    case VK_DOWN: target = from + 1; break;
    case VK_PRIOR: target = from - page; break;
    case VK_NEXT: target = from + page; break;
    case VK_HOME: if (s->edit == nullptr) target = 0; break;
    case VK_END: if (s->edit == nullptr) target = count - 1; break;
    default: break;
  }
  if (target == -2) return false;
  if (count > 0) Choose(window, std::clamp(target, 0, count - 1), true);
  return true;
}

LRESULT ComboEditProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND combo = GetParent(edit);
  switch (message) {
    case WM_KEYDOWN:
      if (HandleKey(combo, wparam, false)) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (HandleKey(combo, wparam, true)) return 0;
      break;
    case WM_CHAR:
      if (wparam == u'\r' || wparam == 0x1B) {
        if (ComboState* s = Find(combo); s != nullptr && s->dropped) return 0;
      }
      break;
    case WM_GETDLGCODE: {
      LRESULT codes = CallWindowProcW(EditProcedure(), edit, message, wparam, lparam);
      ComboState* s = Find(combo);
      return (s != nullptr && s->dropped) ? codes | DLGC_WANTALLKEYS : codes;
    }
    default:
      break;
  }
  return CallWindowProcW(EditProcedure(), edit, message, wparam, lparam);
}

void OnCreate(ComboState& s, const CREATESTRUCTW& create) {
  HWND window = s.window;
  DWORD style = s.style();
  int item = LineHeightOf(nullptr);
  s.field_height = item + 8;
  s.dropped_height = create.cy;
  if (s.kind() != CBS_DROPDOWNLIST) {
    DWORD edit_style = WS_CHILD | WS_VISIBLE | ES_LEFT |
                       ((style & CBS_AUTOHSCROLL) ? ES_AUTOHSCROLL : 0) |
                       ((style & CBS_UPPERCASE) ? ES_UPPERCASE : 0) |
                       ((style & CBS_LOWERCASE) ? ES_LOWERCASE : 0);
    s.edit = CreateWindowExW(0, u"Edit", create.lpszName, edit_style, 0, 0, 10, 10, window,
                             reinterpret_cast<HMENU>(static_cast<LONG_PTR>(kEditId)),
                             create.hInstance, nullptr);
    if (s.edit != nullptr) {
      WNDPROC old = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
          s.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboEditProcedure)));
      if (EditProcedure() == nullptr) EditProcedure() = old;
    }
  }
  DWORD list_style = WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_COMBOBOX |
                     ((style & CBS_SORT) ? LBS_SORT : 0);
  if (s.drops()) {
    s.list = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, u"ComboLBox", nullptr,
                             WS_POPUP | WS_BORDER | list_style, 0, 0, 10, 10, window, nullptr,
                             create.hInstance, nullptr);
    // The list's owner is the combo box itself: GWLP_HWNDPARENT leads back to it.
    if (s.list != nullptr) SetWindowLongPtrW(s.list, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window));
  } else {
    s.list = CreateWindowExW(WS_EX_CLIENTEDGE, u"ComboLBox", nullptr,
                             WS_CHILD | WS_VISIBLE | list_style, 0, 0, 10, 10, window,
                             reinterpret_cast<HMENU>(static_cast<LONG_PTR>(kListId)),
                             create.hInstance, nullptr);
  }
}

void PaintCombo(ComboState& s, HDC dc) {
  HWND window = s.window;
  RECT c = ClientOf(window);
  bool enabled = IsWindowEnabled(window) != FALSE;
  RECT field{0, 0, c.right, s.field_height};
  HBRUSH brush = AskColors(window, dc, s.edit != nullptr ? WM_CTLCOLOREDIT : WM_CTLCOLORLISTBOX);
  if (Find(window) != &s) return;
  COLORREF text_color = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
  RECT edge = field;
  DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
  RECT inside = field;
  InflateRect(&inside, -2, -2);
  if (s.drops()) inside.right = ButtonRect(s).left;
  FillRect(dc, &inside, enabled ? brush : GetSysColorBrush(COLOR_BTNFACE));
  if (s.drops()) {
    RECT button = ButtonRect(s);
    DrawFrameControl(dc, &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (s.dropped ? DFCS_PUSHED | DFCS_FLAT : 0) |
                         (enabled ? 0 : DFCS_INACTIVE));
  }
  if (s.kind() != CBS_DROPDOWNLIST) return;
  RECT box = FieldRect(s);
  bool highlight = s.focused && !s.dropped;
  if (highlight) FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
  std::u16string text = s.committed >= 0 ? ItemText(s, s.committed) : u"";
  HGDIOBJ old_font = SelectObject(dc, FontOrDefault(s.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, highlight ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text_color);
  RECT text_box = box;
  text_box.left += 2;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_box,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, old_font);
  if (highlight) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &box);
  }
}

LRESULT FromEdit(HWND window, WORD code) {
  ComboState* s = Find(window);
  if (s == nullptr) return 0;
  switch (code) {
    case EN_SETFOCUS:
      s->focused = true;
      Notify(window, CBN_SETFOCUS);
      break;
    case EN_KILLFOCUS:
      s->focused = false;
      CloseUp(window, false);
      Notify(window, CBN_KILLFOCUS);
      break;
    case EN_UPDATE:
      if (!s->setting_edit) Notify(window, CBN_EDITUPDATE);
      break;
    case EN_CHANGE:
      if (!s->setting_edit) Notify(window, CBN_EDITCHANGE);
      break;
    default:
      break;
  }
  return 0;
}

LRESULT ComboProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* state = new ComboState;
    state->window = window;
    AttachState(window, state);
    // The scroll styles belong to the drop-down list: the combo box itself never shows a
    // scroll bar, as in Windows.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (style & (WS_VSCROLL | WS_HSCROLL)) {
      SetWindowLongW(window, GWL_STYLE, style & ~static_cast<LONG>(WS_VSCROLL | WS_HSCROLL));
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }
  ComboState* s = Find(window);
  if (s == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  auto index = static_cast<int>(static_cast<LONG_PTR>(wparam));
  switch (message) {
    case WM_CREATE: {
      auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      if (create == nullptr) return -1;
      OnCreate(*s, *create);
      if ((s = Find(window)) == nullptr || s->list == nullptr) return -1;
      Layout(*s);
      return 0;
    }
    case WM_DESTROY:
      if (s->drops() && s->list != nullptr) {
        HWND list = s->list;
        s->list = nullptr;
        DestroyWindow(list);
      }
      return 0;
    case WM_NCDESTROY:
      FreeState<ComboState>(window);
      return DefWindowProcW(window, message, wparam, lparam);
    case WM_SIZE:
      Layout(*s);
      return 0;
    case WM_SETFONT: {
      s->font = reinterpret_cast<HFONT>(wparam);
      s->field_height = LineHeightOf(s->font) + 8;
      if (s->edit != nullptr) SendMessageW(s->edit, WM_SETFONT, wparam, lparam);
      List(*s, WM_SETFONT, wparam, lparam);
      if ((s = Find(window)) != nullptr) Layout(*s);
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc != nullptr) PaintCombo(*s, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ENABLE:
      if (s->edit != nullptr) EnableWindow(s->edit, wparam != FALSE);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
      if (s->edit != nullptr) {
        SetFocus(s->edit);
        return 0;
      }
      s->focused = true;
      InvalidateRect(window, nullptr, TRUE);
      Notify(window, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (s->edit != nullptr) return 0;  // the edit reports its own focus
      s->focused = false;
      InvalidateRect(window, nullptr, TRUE);
      CloseUp(window, false);
      Notify(window, CBN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (s->dropped ? DLGC_WANTALLKEYS : 0);
    case WM_KEYDOWN:
      HandleKey(window, wparam, false);
      return 0;
    case WM_SYSKEYDOWN:
      if (HandleKey(window, wparam, true)) return 0;
      return DefWindowProcW(window, message, wparam, lparam);
    case WM_CHAR:
      if (s->kind() == CBS_DROPDOWNLIST && wparam >= 0x20) {
        WCHAR prefix[2] = {static_cast<WCHAR>(wparam), 0};
        LRESULT found = List(*s, LB_FINDSTRING, static_cast<WPARAM>(s->committed),
                             reinterpret_cast<LPARAM>(prefix));
        if (found != LB_ERR) Choose(window, static_cast<int>(found), true);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (GetFocus() != window && GetFocus() != s->edit) SetFocus(window);
      if ((s = Find(window)) == nullptr || !s->drops()) return 0;
      RECT button = ButtonRect(*s);
      POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      if (s->kind() == CBS_DROPDOWNLIST || PtInRect(&button, p)) {
        if (s->dropped) CloseUp(window, false);
        else Drop(window, true);
      }
      return 0;
    }
    case WM_COMMAND:
      if (s->edit != nullptr && reinterpret_cast<HWND>(lparam) == s->edit) {
        return FromEdit(window, HIWORD(wparam));
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: {
      LRESULT brush = SendMessageW(NotifyTarget(window), message, wparam, lparam);
      return brush != 0 ? brush : DefWindowProcW(window, message, wparam, lparam);
    }
    case kComboListPicked:
      if (s->dropped) {
        bool changed = index != s->committed;
        s->committed = static_cast<int>(List(*s, LB_SETCURSEL, wparam));
        ShowChosen(window);
        CloseUp(window, true);
        if (changed) Notify(window, CBN_SELCHANGE);
      } else if (!s->drops()) {
        Choose(window, index, true);
        if (lparam) Notify(window, CBN_DBLCLK);
      }
      return 0;
    case kComboListCancel:
      CloseUp(window, false);
      return 0;

    case WM_SETTEXT:
      if (s->edit != nullptr) {
        DefWindowProcW(window, message, wparam, lparam);
        s->setting_edit = true;
        SendMessageW(s->edit, WM_SETTEXT, wparam, lparam);
        if ((s = Find(window)) != nullptr) s->setting_edit = false;
        return TRUE;
      } else {
        auto* text = reinterpret_cast<LPCWSTR>(lparam);
        LRESULT found = text != nullptr ? List(*s, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lparam) : LB_ERR;
        if (found == LB_ERR) return CB_ERR;
        Choose(window, static_cast<int>(found), false);
        return TRUE;
      }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      if (s->edit != nullptr) return SendMessageW(s->edit, message, wparam, lparam);
      return DefWindowProcW(window, message, wparam, lparam);

    case CB_ADDSTRING: return List(*s, LB_ADDSTRING, 0, lparam);
    case CB_INSERTSTRING: return List(*s, LB_INSERTSTRING, wparam, lparam);
    case CB_DELETESTRING: {
      LRESULT left = List(*s, LB_DELETESTRING, wparam);
      if (left != LB_ERR) {
        if (index == s->committed) s->committed = -1;
        else if (index < s->committed) --s->committed;
      }
      return left;
    }
    case CB_RESETCONTENT:
      List(*s, LB_RESETCONTENT);
      s->committed = -1;
      ShowChosen(window);
      return CB_OKAY;
    case CB_GETCOUNT: return List(*s, LB_GETCOUNT);
    case CB_GETLBTEXT: return List(*s, LB_GETTEXT, wparam, lparam);
    case CB_GETLBTEXTLEN: return List(*s, LB_GETTEXTLEN, wparam);
    case CB_SETITEMDATA: return List(*s, LB_SETITEMDATA, wparam, lparam);
    case CB_GETITEMDATA: return List(*s, LB_GETITEMDATA, wparam);
    case CB_FINDSTRING: return List(*s, LB_FINDSTRING, wparam, lparam);
    case CB_FINDSTRINGEXACT: return List(*s, LB_FINDSTRINGEXACT, wparam, lparam);
    case CB_SELECTSTRING: {
      LRESULT found = List(*s, LB_FINDSTRING, wparam, lparam);
      if (found == LB_ERR) return CB_ERR;
      Choose(window, static_cast<int>(found), false);
      return found;
    }
    case CB_SETCURSEL: {
      auto count = static_cast<int>(List(*s, LB_GETCOUNT));
      bool valid = index >= 0 && index < count;
      Choose(window, valid ? index : -1, false);
      return valid ? index : CB_ERR;
    }
    case CB_GETCURSEL:
      if (s->dropped) return List(*s, LB_GETCURSEL);
      return s->committed >= 0 ? s->committed : CB_ERR;
    case CB_SHOWDROPDOWN:
      if (wparam) Drop(window, false);
      else CloseUp(window, false);
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return s->dropped ? TRUE : FALSE;
    case CB_SETITEMHEIGHT:
      if (index == -1) {
        if (LOWORD(lparam) == 0 || LOWORD(lparam) > 255) return CB_ERR;
        s->field_height = LOWORD(lparam) + 6;
        Layout(*s);
        return 0;
      }
      return List(*s, LB_SETITEMHEIGHT, 0, lparam);
    case CB_GETITEMHEIGHT:
      if (index == -1) return s->field_height - 6;
      return List(*s, LB_GETITEMHEIGHT);
    case CB_LIMITTEXT:
      if (s->edit == nullptr) return CB_ERR;
      SendMessageW(s->edit, EM_LIMITTEXT, wparam, 0);
      return TRUE;
    case CB_SETEDITSEL:
      if (s->edit == nullptr) return CB_ERR;
      SendMessageW(s->edit, EM_SETSEL, static_cast<WPARAM>(static_cast<LONG_PTR>(static_cast<SHORT>(LOWORD(lparam)))),
                   static_cast<SHORT>(HIWORD(lparam)));
      return TRUE;
    case CB_GETEDITSEL:
      if (s->edit == nullptr) return CB_ERR;
      return SendMessageW(s->edit, EM_GETSEL, wparam, lparam);
    case CB_GETDROPPEDCONTROLRECT: {
      auto* out = reinterpret_cast<RECT*>(lparam);
      if (out == nullptr) return CB_ERR;
      GetWindowRect(window, out);
      if (s->drops()) out->bottom = out->top + std::max(s->dropped_height, s->field_height);
      return TRUE;
    }
    case CB_SETDROPPEDWIDTH:
      s->dropped_width = index;
      return index;
    case CB_GETDROPPEDWIDTH: {
      RECT r{};
      GetWindowRect(window, &r);
      return std::max<LONG>(s->dropped_width, r.right - r.left);
    }
    case CB_GETTOPINDEX: return List(*s, LB_GETTOPINDEX);
    case CB_SETTOPINDEX: return List(*s, LB_SETTOPINDEX, wparam);
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterComboBoxClass() {
  return RegisterListEditClass(u"ComboBox", ComboProcedure, CS_DBLCLKS);
}

}  // namespace platform::user::controls
