// The window tree: GetParent, SetParent, GetWindow, GetAncestor, GetTopWindow,
// GetDesktopWindow, IsChild, IsWindowVisible, IsWindowEnabled, GetDlgItem, GetDlgCtrlID,
// EnumChildWindows, EnumWindows, EnumThreadWindows, FindWindowW/A, WindowFromPoint,
// ChildWindowFromPoint(Ex).
#include <algorithm>

#include "platform/user/painting_state.h"
#include "platform/user/window_class.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_links.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace {

using namespace platform::user;

const std::vector<HWND>* SiblingsOf(const Window& w) {
  if (w.parent == nullptr) return &TopLevelWindows();
  Window* parent = FindWindowRecord(w.parent);
  return parent != nullptr ? &parent->children : nullptr;
}

bool Inside(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The deepest visible, enabled-or-not child of `window` under a screen point.
HWND DeepestAt(HWND window, POINT screen) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return nullptr;
  for (HWND child : w->children) {
    Window* c = FindWindowRecord(child);
    if (c != nullptr && c->visible() && Inside(c->window_rect, screen)) {
      return DeepestAt(child, screen);
    }
  }
  return window;
}

}  // namespace

extern "C" {

HWND GetParent(HWND window) {
  Window* w = LiveWindow(window);
  if (w == nullptr) return nullptr;
  if (w->style & WS_CHILD) return w->parent;
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND SetParent(HWND child, HWND new_parent) {
  Window* w = LiveWindow(child);
  if (w == nullptr) return nullptr;
  if (new_parent != nullptr) {
    if (LiveWindow(new_parent) == nullptr) return nullptr;
    if (IsSelfOrAncestor(child, new_parent)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
  }
  HWND old = w->parent != nullptr ? w->parent : DesktopWindow();
  if (new_parent == DesktopWindow()) new_parent = nullptr;
  RECT relative = ParentRelative(*w, w->window_rect);
  bool visible = w->visible();
  if (visible) ShowWindow(child, SW_HIDE);
  w = FindWindowRecord(child);
  if (w == nullptr) return nullptr;
  UnlinkWindow(*w);
  w->parent = new_parent;
  if (new_parent == nullptr) {
    w->style &= ~WS_CHILD;
    w->style |= WS_POPUP;
  }
  LinkWindow(*w);
  // The window keeps its position relative to its (new) parent's client area.
  POINT origin = ClientOrigin(new_parent);
  PlaceWindowRect(*w, RECT{origin.x + relative.left, origin.y + relative.top,
                           origin.x + relative.right, origin.y + relative.bottom});
  SizeBitmap(*w);
  if (visible) ShowWindow(child, SW_SHOWNA);
  return old;
}

HWND GetWindow(HWND window, UINT command) {
  Window* w = LiveWindow(window);
  if (w == nullptr) return nullptr;
  switch (command) {
    case GW_CHILD:
      return w->children.empty() ? nullptr : w->children.front();
    case GW_OWNER:
      return w->owner;
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
      const std::vector<HWND>* siblings = SiblingsOf(*w);
      if (siblings == nullptr || siblings->empty()) return nullptr;
      if (command == GW_HWNDFIRST) return siblings->front();
      if (command == GW_HWNDLAST) return siblings->back();
      auto at = std::find(siblings->begin(), siblings->end(), window);
      if (at == siblings->end()) return nullptr;
      if (command == GW_HWNDNEXT) return at + 1 == siblings->end() ? nullptr : *(at + 1);
      return at == siblings->begin() ? nullptr : *(at - 1);
    }
    case GW_ENABLEDPOPUP:
      for (HWND owned : OwnedWindows(window)) {
        Window* o = FindWindowRecord(owned);
        if (o != nullptr && o->visible() && o->enabled()) return owned;
      }
      return nullptr;
    default:
      SetLastError(ERROR_INVALID_GW_COMMAND);
      return nullptr;
  }
}

HWND GetAncestor(HWND window, UINT flags) {
  Window* w = LiveWindow(window);
  if (w == nullptr) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return w->parent != nullptr ? w->parent : DesktopWindow();
    case GA_ROOT:
      return RootOf(window);
    case GA_ROOTOWNER: {
      HWND root = RootOf(window);
      for (Window* r = FindWindowRecord(root); r != nullptr && r->owner != nullptr;
           r = FindWindowRecord(r->owner)) {
        root = r->owner;
      }
      return root;
    }
    default:
      return nullptr;
  }
}

HWND GetTopWindow(HWND window) {
  if (window == nullptr) return TopLevelWindows().empty() ? nullptr : TopLevelWindows().front();
  return GetWindow(window, GW_CHILD);
}

HWND GetDesktopWindow() { return DesktopWindow(); }

BOOL IsChild(HWND parent, HWND window) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr || FindWindowRecord(parent) == nullptr) return FALSE;
  // Only a chain of WS_CHILD windows links a child to its parent.
  while (w != nullptr && (w->style & WS_CHILD) && w->parent != nullptr) {
    if (w->parent == parent) return TRUE;
    w = FindWindowRecord(w->parent);
  }
  return FALSE;
}

BOOL IsWindowVisible(HWND window) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return FALSE;
  for (; w != nullptr; w = FindWindowRecord(w->parent)) {
    if (!w->visible()) return FALSE;
  }
  return TRUE;
}

BOOL IsWindowEnabled(HWND window) {
  Window* w = FindWindowRecord(window);
  return w != nullptr && w->enabled() ? TRUE : FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
  Window* w = LiveWindow(dialog);
  if (w == nullptr) return nullptr;
  for (HWND child : w->children) {
    Window* c = FindWindowRecord(child);
    if (c != nullptr && static_cast<int>(c->id) == id) return child;
  }
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

int GetDlgCtrlID(HWND window) {
  Window* w = LiveWindow(window);
  if (w == nullptr) return 0;
  return (w->style & WS_CHILD) ? static_cast<int>(w->id) : 0;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM lparam) {
  if (callback == nullptr) return FALSE;
  if (parent == nullptr) return EnumWindows(callback, lparam);
  if (LiveWindow(parent) == nullptr) return FALSE;
  std::vector<HWND> all = SelfAndDescendants(parent);  // taken first: callbacks may change it
  for (std::size_t i = 1; i < all.size(); ++i) {
    if (FindWindowRecord(all[i]) == nullptr) continue;
    if (!callback(all[i], lparam)) return FALSE;
  }
  return TRUE;
}

BOOL EnumWindows(WNDENUMPROC callback, LPARAM lparam) {
  if (callback == nullptr) return FALSE;
  for (HWND top : std::vector<HWND>(TopLevelWindows())) {
    if (FindWindowRecord(top) == nullptr) continue;
    if (!callback(top, lparam)) return FALSE;
  }
  return TRUE;
}

BOOL EnumThreadWindows(DWORD thread_id, WNDENUMPROC callback, LPARAM lparam) {
  if (callback == nullptr) return FALSE;
  bool any = false;
  for (HWND top : std::vector<HWND>(TopLevelWindows())) {
    Window* w = FindWindowRecord(top);
    if (w == nullptr || w->thread_id != thread_id) continue;
    any = true;
    if (!callback(top, lparam)) return FALSE;
  }
  return any ? TRUE : FALSE;
}

HWND FindWindowW(LPCWSTR class_name, LPCWSTR window_name) {
  for (HWND top : TopLevelWindows()) {
    Window* w = FindWindowRecord(top);
    if (w == nullptr) continue;
    if (class_name != nullptr) {
      bool same = IS_INTRESOURCE(class_name)
                      ? w->window_class->atom ==
                            static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(class_name))
                      : SameClassName(w->window_class->name, class_name);
      if (!same) continue;
    }
    if (window_name != nullptr && w->text != window_name) continue;
    return top;
  }
  SetLastError(ERROR_FILE_NOT_FOUND);  // what Windows reports when nothing matches
  return nullptr;
}

HWND FindWindowA(LPCSTR class_name, LPCSTR window_name) {
  std::u16string wide_class, wide_name;
  LPCWSTR c = reinterpret_cast<LPCWSTR>(class_name);
  if (class_name != nullptr && !IS_INTRESOURCE(class_name)) {
    wide_class = WideFromAnsi(class_name);
    c = wide_class.c_str();
  }
  if (window_name != nullptr) wide_name = WideFromAnsi(window_name);
  return FindWindowW(c, window_name != nullptr ? wide_name.c_str() : nullptr);
}

HWND WindowFromPoint(POINT point) {
  for (HWND top : TopLevelWindows()) {
    Window* w = FindWindowRecord(top);
    if (w != nullptr && w->visible() && Inside(w->window_rect, point)) {
      return DeepestAt(top, point);
    }
  }
  return nullptr;
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
  Window* w = LiveWindow(parent);
  if (w == nullptr) return nullptr;
  POINT screen{point.x + w->client_rect.left, point.y + w->client_rect.top};
  if (!Inside(w->window_rect, screen)) return nullptr;
  for (HWND child : w->children) {
    Window* c = FindWindowRecord(child);
    if (c == nullptr || !Inside(c->window_rect, screen)) continue;
    if ((flags & CWP_SKIPINVISIBLE) && !c->visible()) continue;
    if ((flags & CWP_SKIPDISABLED) && !c->enabled()) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->ex_style & WS_EX_TRANSPARENT)) continue;
    return child;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
  return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

}  // extern "C"
