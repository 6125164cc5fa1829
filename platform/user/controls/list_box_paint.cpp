// Painting a list box: the colours asked of the parent (WM_CTLCOLORLISTBOX), the items
// (selected ones in COLOR_HIGHLIGHT / COLOR_HIGHLIGHTTEXT), the focus rectangle on the
// caret item while focused, or WM_DRAWITEM for owner-drawn lists.
#include "platform/user/controls/list_box_paint.h"

#include <algorithm>

#include "platform/user/controls/list_edit_support.h"

namespace platform::user::controls {
namespace {

void DrawOwnerItem(ListBoxState& s, HDC dc, int index) {
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_LISTBOX;
  draw.CtlID = static_cast<UINT>(GetWindowLongPtrW(s.window, GWLP_ID));
  draw.itemID = static_cast<UINT>(index);
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = (s.IsSelected(index) ? ODS_SELECTED : 0) |
                   (s.focused && index == s.caret ? ODS_FOCUS : 0) |
                   (IsWindowEnabled(s.window) ? 0 : ODS_DISABLED);
  draw.hwndItem = s.window;
  draw.hDC = dc;
  draw.rcItem = s.ItemRect(index);
  draw.itemData = s.items[index].data;
  SendMessageW(NotifyTarget(s.window), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

}  // namespace

void PaintListBox(ListBoxState& s, HDC dc) {
  HWND window = s.window;
  HBRUSH brush = AskColors(window, dc, WM_CTLCOLORLISTBOX);
  if (StateOf<ListBoxState>(window) != &s) return;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, brush);
  bool enabled = IsWindowEnabled(window) != FALSE;
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  COLORREF text_color = GetTextColor(dc);
  HGDIOBJ old_font = SelectObject(dc, FontOrDefault(s.font));
  SetBkMode(dc, TRANSPARENT);
  bool owner_draw = (s.style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
  int last = std::min(s.count(), s.top + s.VisibleItems() + 1);
  for (int i = s.top; i < last; ++i) {
    RECT item = s.ItemRect(i);
    if (item.top >= client.bottom) break;
    if (owner_draw) {
      DrawOwnerItem(s, dc, i);
      if (StateOf<ListBoxState>(window) != &s) return;
      continue;
    }
    bool selected = s.IsSelected(i);
    if (selected) {
      FillRect(dc, &item, GetSysColorBrush(COLOR_HIGHLIGHT));
      SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const std::u16string& text = s.items[i].text;
    ExtTextOutW(dc, item.left + 2, item.top, ETO_CLIPPED, &item, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    if (selected) SetTextColor(dc, text_color);
  }
  // The focus rectangle: the caret item of a focused list, or the highlighted item of a
  // dropped combo list.
  bool show_focus = s.focused && s.count() > 0 && !owner_draw;
  if (show_focus && s.caret >= s.top && s.caret < last) {
    RECT item = s.ItemRect(s.caret);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &item);
  }
  SelectObject(dc, old_font);
}

}  // namespace platform::user::controls
