// Menus as data: CreateMenu/CreatePopupMenu, AppendMenuW, InsertMenuItemW,
// Get/SetMenuItemInfoW, the item queries, GetMenu/SetMenu and GetSystemMenu. Nothing is
// drawn (no menu bar, no pop-up tracking); a window's menu is its GWLP_ID slot, as in
// Windows, so a dialog (created without one) answers GetMenu with 0.
//
// Handles are numbers from a table: a destroyed or made-up handle fails with
// ERROR_INVALID_MENU_HANDLE. DestroyMenu destroys the submenus too.
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/user/system_menu.h"
#include "platform/user/window_table.h"

namespace {

struct MenuItem {
  UINT type = MFT_STRING;
  UINT state = MFS_ENABLED;
  UINT id = 0;
  HMENU submenu = nullptr;
  ULONG_PTR data = 0;
  HBITMAP checked = nullptr;
  HBITMAP unchecked = nullptr;
  HBITMAP bitmap = nullptr;
  std::u16string text;
};

struct Menu {
  bool popup = false;
  std::vector<MenuItem> items;
};

struct Menus {
  std::recursive_mutex lock;
  std::map<ULONG_PTR, Menu> live;
  std::map<HWND, HMENU> system_menus;
  ULONG_PTR next = 0x20000;
};

Menus& All() {
  static Menus menus;
  return menus;
}

Menu* Find(HMENU menu) {
  auto found = All().live.find(reinterpret_cast<ULONG_PTR>(menu));
  if (found == All().live.end()) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return nullptr;
  }
  return &found->second;
}

HMENU NewMenu(bool popup) {
  std::lock_guard hold(All().lock);
  ULONG_PTR handle = All().next;
  All().next += 4;
  All().live[handle].popup = popup;
  return reinterpret_cast<HMENU>(handle);
}

// The item by command (searching submenus, as Windows does) or by position.
MenuItem* FindItem(HMENU menu, UINT item, bool by_position, int depth = 0) {
  Menu* m = Find(menu);
  if (m == nullptr) return nullptr;
  if (by_position) return item < m->items.size() ? &m->items[item] : nullptr;
  for (MenuItem& it : m->items) {
    if (it.submenu == nullptr && it.id == item) return &it;
  }
  if (depth < 16) {
    for (MenuItem& it : m->items) {
      if (it.submenu == nullptr) continue;
      if (MenuItem* found = FindItem(it.submenu, item, false, depth + 1)) return found;
    }
  }
  for (MenuItem& it : m->items) {
    if (it.id == item) return &it;  // a popup item named by its id
  }
  return nullptr;
}

MenuItem ItemFromFlags(UINT flags, UINT_PTR id_or_submenu, LPCWSTR text) {
  MenuItem item;
  item.type = flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW | MF_MENUBARBREAK | MF_MENUBREAK |
                       MF_RIGHTJUSTIFY);
  item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
  if (flags & MF_POPUP) {
    item.submenu = reinterpret_cast<HMENU>(id_or_submenu);
  } else {
    item.id = static_cast<UINT>(id_or_submenu);
  }
  if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text != nullptr) item.text = text;
  if (flags & (MF_BITMAP | MF_OWNERDRAW)) item.data = reinterpret_cast<ULONG_PTR>(text);
  return item;
}

bool ValidInfo(const MENUITEMINFOW* info) {
  // The size of the structure before Windows 2000 (without hbmpItem) is accepted too.
  return info != nullptr && (info->cbSize == sizeof(MENUITEMINFOW) ||
                             info->cbSize == offsetof(MENUITEMINFOW, hbmpItem));
}

void Apply(MenuItem& item, const MENUITEMINFOW& info) {
  if (info.fMask & MIIM_TYPE) {
    item.type = info.fType;
    if (!(info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW))) {
      item.text = info.dwTypeData != nullptr ? std::u16string(info.dwTypeData) : std::u16string();
    }
  }
  if (info.fMask & MIIM_FTYPE) item.type = info.fType;
  if (info.fMask & MIIM_STRING) {
    item.text = info.dwTypeData != nullptr ? std::u16string(info.dwTypeData) : std::u16string();
  }
  if (info.fMask & MIIM_STATE) item.state = info.fState;
  if (info.fMask & MIIM_ID) item.id = info.wID;
  if (info.fMask & MIIM_SUBMENU) item.submenu = info.hSubMenu;
  if (info.fMask & MIIM_CHECKMARKS) {
    item.checked = info.hbmpChecked;
    item.unchecked = info.hbmpUnchecked;
  }
  if (info.fMask & MIIM_DATA) item.data = info.dwItemData;
  if ((info.fMask & MIIM_BITMAP) && info.cbSize == sizeof(MENUITEMINFOW)) item.bitmap = info.hbmpItem;
}

void DestroyLocked(HMENU menu, int depth) {
  auto found = All().live.find(reinterpret_cast<ULONG_PTR>(menu));
  if (found == All().live.end()) return;
  std::vector<MenuItem> items = std::move(found->second.items);
  All().live.erase(found);
  if (depth > 16) return;
  for (const MenuItem& item : items) {
    if (item.submenu != nullptr) DestroyLocked(item.submenu, depth + 1);
  }
}

UINT StateFlags(const MenuItem& item) {
  UINT flags = item.type | item.state;
  if (item.submenu != nullptr) flags |= MF_POPUP;
  return flags;
}

}  // namespace

namespace platform::user {

bool SystemCloseDisabled(HWND window) {
  std::lock_guard hold(All().lock);
  auto found = All().system_menus.find(window);
  if (found == All().system_menus.end() || All().live.count(reinterpret_cast<ULONG_PTR>(found->second)) == 0) {
    return false;
  }
  DWORD error = GetLastError();
  MenuItem* item = FindItem(found->second, SC_CLOSE, false);
  SetLastError(error);
  return item != nullptr && (item->state & (MF_GRAYED | MF_DISABLED)) != 0;
}

}  // namespace platform::user

extern "C" {

HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU menu) {
  std::lock_guard hold(All().lock);
  if (Find(menu) == nullptr) return FALSE;
  DestroyLocked(menu, 0);
  return TRUE;
}

BOOL IsMenu(HMENU menu) {
  std::lock_guard hold(All().lock);
  return All().live.count(reinterpret_cast<ULONG_PTR>(menu)) != 0 ? TRUE : FALSE;
}

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id_or_submenu, LPCWSTR text) {
  std::lock_guard hold(All().lock);
  Menu* m = Find(menu);
  if (m == nullptr) return FALSE;
  if ((flags & MF_POPUP) && Find(reinterpret_cast<HMENU>(id_or_submenu)) == nullptr) return FALSE;
  m->items.push_back(ItemFromFlags(flags, id_or_submenu, text));
  return TRUE;
}

BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL by_position, const MENUITEMINFOW* info) {
  std::lock_guard hold(All().lock);
  if (!ValidInfo(info)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Menu* m = Find(menu);
  if (m == nullptr) return FALSE;
  std::size_t at = m->items.size();
  if (by_position) {
    if (item < at) at = item;
  } else {
    for (std::size_t i = 0; i < m->items.size(); ++i) {
      if (m->items[i].id == item) {
        at = i;
        break;
      }
    }
  }
  MenuItem fresh;
  Apply(fresh, *info);
  m->items.insert(m->items.begin() + static_cast<std::ptrdiff_t>(at), fresh);
  return TRUE;
}

BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL by_position, LPMENUITEMINFOW info) {
  std::lock_guard hold(All().lock);
  if (!ValidInfo(info)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (Find(menu) == nullptr) return FALSE;
  MenuItem* it = FindItem(menu, item, by_position != FALSE);
  if (it == nullptr) {
    SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
    return FALSE;
  }
  if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = it->type;
  if (info->fMask & MIIM_STATE) info->fState = it->state;
  if (info->fMask & MIIM_ID) info->wID = it->id;
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = it->submenu;
  if (info->fMask & MIIM_CHECKMARKS) {
    info->hbmpChecked = it->checked;
    info->hbmpUnchecked = it->unchecked;
  }
  if (info->fMask & MIIM_DATA) info->dwItemData = it->data;
  if ((info->fMask & MIIM_BITMAP) && info->cbSize == sizeof(MENUITEMINFOW)) info->hbmpItem = it->bitmap;
  if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
    // Like GetWindowTextW: as much as fits with its terminator; cch gets the length.
    UINT length = static_cast<UINT>(it->text.size());
    if (info->dwTypeData != nullptr && info->cch > 0) {
      UINT n = length < info->cch - 1 ? length : info->cch - 1;
      for (UINT i = 0; i < n; ++i) info->dwTypeData[i] = it->text[i];
      info->dwTypeData[n] = 0;
      info->cch = n;
    } else {
      info->cch = length;
    }
  }
  return TRUE;
}

BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL by_position, const MENUITEMINFOW* info) {
  std::lock_guard hold(All().lock);
  if (!ValidInfo(info)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (Find(menu) == nullptr) return FALSE;
  MenuItem* it = FindItem(menu, item, by_position != FALSE);
  if (it == nullptr) {
    SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
    return FALSE;
  }
  Apply(*it, *info);
  return TRUE;
}

int GetMenuItemCount(HMENU menu) {
  std::lock_guard hold(All().lock);
  Menu* m = Find(menu);
  return m != nullptr ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  std::lock_guard hold(All().lock);
  MenuItem* it = position >= 0 ? FindItem(menu, static_cast<UINT>(position), true) : nullptr;
  if (it == nullptr || it->submenu != nullptr) return static_cast<UINT>(-1);
  return it->id;
}

HMENU GetSubMenu(HMENU menu, int position) {
  std::lock_guard hold(All().lock);
  MenuItem* it = position >= 0 ? FindItem(menu, static_cast<UINT>(position), true) : nullptr;
  return it != nullptr ? it->submenu : nullptr;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  std::lock_guard hold(All().lock);
  MenuItem* it = FindItem(menu, item, (flags & MF_BYPOSITION) != 0);
  if (it == nullptr) return static_cast<UINT>(-1);
  UINT state = StateFlags(*it);
  if (it->submenu != nullptr) {
    // A pop-up item: the item count of its menu in the high byte, as Windows answers.
    Menu* sub = Find(it->submenu);
    state = (state & 0xFF) | ((sub != nullptr ? static_cast<UINT>(sub->items.size()) : 0) << 8);
  }
  return state;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
  std::lock_guard hold(All().lock);
  MenuItem* it = FindItem(menu, item, (enable & MF_BYPOSITION) != 0);
  if (it == nullptr) return -1;
  UINT previous = it->state & (MF_GRAYED | MF_DISABLED);
  it->state = (it->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  if (it->id == SC_CLOSE && previous != (it->state & (MF_GRAYED | MF_DISABLED))) {
    // The close box shows the Close item's state.
    for (auto& [window, system_menu] : All().system_menus) {
      if (system_menu != menu) continue;
      if (platform::user::Window* w = platform::user::FindWindowRecord(window)) w->frame_dirty = true;
    }
  }
  return static_cast<BOOL>(previous);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
  std::lock_guard hold(All().lock);
  MenuItem* it = FindItem(menu, item, (check & MF_BYPOSITION) != 0);
  if (it == nullptr) return static_cast<DWORD>(-1);
  DWORD previous = it->state & MF_CHECKED;
  it->state = (it->state & ~MF_CHECKED) | (check & MF_CHECKED);
  return previous;
}

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) {
  std::lock_guard hold(All().lock);
  Menu* m = Find(menu);
  if (m == nullptr) return FALSE;
  MenuItem* it = FindItem(menu, item, (flags & MF_BYPOSITION) != 0);
  if (it == nullptr) return FALSE;
  for (auto& [handle, owner] : All().live) {
    for (std::size_t i = 0; i < owner.items.size(); ++i) {
      if (&owner.items[i] == it) {
        owner.items.erase(owner.items.begin() + static_cast<std::ptrdiff_t>(i));
        return TRUE;
      }
    }
  }
  return FALSE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) {
  std::lock_guard hold(All().lock);
  MenuItem* it = FindItem(menu, item, (flags & MF_BYPOSITION) != 0);
  if (it == nullptr) return FALSE;
  HMENU submenu = it->submenu;
  if (!RemoveMenu(menu, item, flags)) return FALSE;
  if (submenu != nullptr) DestroyLocked(submenu, 0);
  return TRUE;
}

HMENU GetMenu(HWND window) {
  platform::user::Window* w = platform::user::LiveWindow(window);
  if (w == nullptr || (w->style & WS_CHILD)) return nullptr;
  auto menu = reinterpret_cast<HMENU>(w->id);
  return IsMenu(menu) ? menu : nullptr;
}

BOOL SetMenu(HWND window, HMENU menu) {
  platform::user::Window* w = platform::user::LiveWindow(window);
  if (w == nullptr) return FALSE;
  if (w->style & WS_CHILD) {
    SetLastError(ERROR_CHILD_WINDOW_MENU);
    return FALSE;
  }
  if (menu != nullptr && !IsMenu(menu)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  w->id = reinterpret_cast<LONG_PTR>(menu);
  return TRUE;
}

BOOL DrawMenuBar(HWND window) {
  return platform::user::LiveWindow(window) != nullptr ? TRUE : FALSE;  // no bar is drawn
}

// The window's copy of the system menu: Restore, Move, Size, Minimize, Maximize, a
// separator and Close (SC_CLOSE, "&Close\tAlt+F4"), made on first use. `revert` destroys
// the copy (the next call makes a fresh one) and answers null.
HMENU GetSystemMenu(HWND window, BOOL revert) {
  platform::user::Window* w = platform::user::LiveWindow(window);
  if (w == nullptr) return nullptr;
  std::lock_guard hold(All().lock);
  // Copies of windows that are gone go with them.
  for (auto it = All().system_menus.begin(); it != All().system_menus.end();) {
    if (platform::user::FindWindowRecord(it->first) == nullptr) {
      DestroyLocked(it->second, 0);
      it = All().system_menus.erase(it);
    } else {
      ++it;
    }
  }
  auto found = All().system_menus.find(window);
  if (found != All().system_menus.end() && Find(found->second) == nullptr) {
    All().system_menus.erase(found);
    found = All().system_menus.end();
  }
  if (revert) {
    if (found != All().system_menus.end()) {
      DestroyLocked(found->second, 0);
      All().system_menus.erase(found);
    }
    return nullptr;
  }
  if (found != All().system_menus.end()) return found->second;
  if (!(w->style & WS_SYSMENU)) return nullptr;
  HMENU menu = NewMenu(true);
  AppendMenuW(menu, MF_STRING, SC_RESTORE, u"&Restore");
  AppendMenuW(menu, MF_STRING, SC_MOVE, u"&Move");
  AppendMenuW(menu, MF_STRING, SC_SIZE, u"&Size");
  AppendMenuW(menu, MF_STRING, SC_MINIMIZE, u"Mi&nimize");
  AppendMenuW(menu, MF_STRING, SC_MAXIMIZE, u"Ma&ximize");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, SC_CLOSE, u"&Close\tAlt+F4");
  All().system_menus[window] = menu;
  return menu;
}

}  // extern "C"
