// The state of one list box (platform-internal): its items, selection, scroll position
// and the geometry they give. "ComboLBox" windows (a combo box's list) share it, with
// `combo` naming their combo box.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::user::controls {

struct ListItem {
  std::u16string text;
  ULONG_PTR data = 0;
  bool selected = false;
};

enum class ListTracking { kNone, kItems };

struct ListBoxState {
  HWND window = nullptr;
  HWND combo = nullptr;  // set for a combo box's list
  std::vector<ListItem> items;
  HFONT font = nullptr;
  int item_height = 13;
  int top = 0;         // the first visible item
  int caret = 0;       // the item with the focus rectangle
  int anchor = 0;      // where a Shift range starts (extended selection)
  int current = -1;    // the selected item of a single-selection list
  bool focused = false;
  bool wants_scroll_bar = false;  // created with WS_VSCROLL
  int requested_height = 0;       // the height asked for, before integral-height trimming
  ListTracking tracking = ListTracking::kNone;
  bool extend_on_drag = false;     // extended selection: dragging extends from the anchor

  DWORD style() const { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }
  bool multiple() const { return (style() & LBS_MULTIPLESEL) != 0; }
  bool extended() const { return (style() & LBS_EXTENDEDSEL) != 0; }
  bool single() const { return !multiple() && !extended(); }
  bool has_strings() const {
    return (style() & LBS_HASSTRINGS) || !(style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
  }
  bool notifies() const { return (style() & LBS_NOTIFY) != 0; }
  int count() const { return static_cast<int>(items.size()); }

  int VisibleItems() const;  // whole items that fit in the client area (at least 1)
  int LastTop() const;       // the largest useful top index
  // The index of the item at a client point, clamped into the list (-1 when empty);
  // `outside` tells whether the point is beyond the items.
  int ItemFromPoint(POINT point, bool* outside) const;
  RECT ItemRect(int index) const;

  // Inserts keeping the order of an LBS_SORT list; returns the index.
  int AddSorted(ListItem item);
  // The first item from `after` + 1 (wrapping) whose text starts with / equals `text`.
  int Find(int after, std::u16string_view text, bool exact) const;
  // Selected items of a multiple-selection list.
  int SelectedCount() const;
  bool IsSelected(int index) const;
};

}  // namespace platform::user::controls
