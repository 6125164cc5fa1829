// List-box items, search and geometry (see list_box_state.h).
#include "platform/user/controls/list_box_state.h"

#include <algorithm>

#include "platform/user/controls/list_edit_support.h"

namespace platform::user::controls {

int ListBoxState::VisibleItems() const {
  RECT client{};
  GetClientRect(window, &client);
  return std::max(1, static_cast<int>(client.bottom - client.top) / std::max(1, item_height));
}

int ListBoxState::LastTop() const { return std::max(0, count() - VisibleItems()); }

int ListBoxState::ItemFromPoint(POINT point, bool* outside) const {
  RECT client{};
  GetClientRect(window, &client);
  bool out = !PtInRect(&client, point);
  int index = point.y < 0 ? top - 1 : top + point.y / std::max(1, item_height);
  if (index >= count()) out = true;
  if (outside != nullptr) *outside = out;
  if (count() == 0) return -1;
  return std::clamp(index, 0, count() - 1);
}

RECT ListBoxState::ItemRect(int index) const {
  RECT client{};
  GetClientRect(window, &client);
  int y = (index - top) * item_height;
  return RECT{client.left, y, client.right, y + item_height};
}

int ListBoxState::AddSorted(ListItem item) {
  auto at = std::upper_bound(items.begin(), items.end(), item,
                             [](const ListItem& a, const ListItem& b) {
                               return CompareItemText(a.text, b.text) < 0;
                             });
  int index = static_cast<int>(at - items.begin());
  items.insert(at, std::move(item));
  return index;
}

int ListBoxState::Find(int after, std::u16string_view text, bool exact) const {
  int n = count();
  if (n == 0) return -1;
  int start = (after < 0 || after >= n) ? 0 : after + 1;
  for (int k = 0; k < n; ++k) {
    int i = (start + k) % n;
    const std::u16string& t = items[i].text;
    if (exact ? CompareItemText(t, text) == 0 : StartsWithText(t, text)) return i;
  }
  return -1;
}

int ListBoxState::SelectedCount() const {
  return static_cast<int>(std::count_if(items.begin(), items.end(),
                                        [](const ListItem& i) { return i.selected; }));
}

bool ListBoxState::IsSelected(int index) const {
  if (index < 0 || index >= count()) return false;
  return single() ? index == current : items[index].selected;
}

}  // namespace platform::user::controls
