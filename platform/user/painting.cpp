// InvalidateRect, InvalidateRgn, ValidateRect, ValidateRgn, GetUpdateRect, UpdateWindow,
// RedrawWindow.
#include "platform/user/painting_state.h"

#include <algorithm>

#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Union(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (Empty(r)) r = RECT{0, 0, 0, 0};
  return r;
}

// Visible on screen: it and every ancestor have WS_VISIBLE.
bool ReallyVisible(const Window* w) {
  for (; w != nullptr; w = FindWindowRecord(w->parent)) {
    if (!w->visible()) return false;
  }
  return true;
}

}  // namespace

void Invalidate(HWND handle, const RECT* client_rect, bool erase, bool frame, bool children) {
  Window* w = FindWindowRecord(handle);
  if (w == nullptr || !ReallyVisible(w) || !w->redraw_enabled) return;  // WM_SETREDRAW FALSE
  RECT whole{0, 0, w->client_width(), w->client_height()};
  RECT area = client_rect != nullptr ? Intersect(*client_rect, whole) : whole;
  if (!Empty(area)) {
    w->update_rect = w->has_update ? Union(w->update_rect, area) : area;
    w->has_update = true;
    if (erase) w->erase_pending = true;
  }
  if (frame) w->frame_dirty = true;
  // Children are painted after their parent, over it: a parent that paints over them
  // (no WS_CLIPCHILDREN) takes them along, as RedrawWindow's default does in Windows.
  if (!children && (w->style & WS_CLIPCHILDREN)) return;
  for (HWND child : std::vector<HWND>(w->children)) {
    Window* c = FindWindowRecord(child);
    if (c == nullptr || !c->visible()) continue;
    if (children) {
      Invalidate(child, nullptr, erase, frame, true);
      continue;
    }
    // The part of the area that the child covers, in the child's client coordinates.
    RECT in_child = c->window_rect;
    in_child.left -= w->client_rect.left;
    in_child.right -= w->client_rect.left;
    in_child.top -= w->client_rect.top;
    in_child.bottom -= w->client_rect.top;
    RECT covered = Intersect(in_child, area);
    if (Empty(covered)) continue;
    LONG dx = c->client_rect.left - w->client_rect.left;
    LONG dy = c->client_rect.top - w->client_rect.top;
    RECT child_area{covered.left - dx, covered.top - dy, covered.right - dx, covered.bottom - dy};
    Invalidate(child, &child_area, erase, true, false);
  }
}

void InvalidateWholeWindow(HWND window) { Invalidate(window, nullptr, true, true, true); }

void InvalidateParentArea(const Window& child) {
  Window* parent = FindWindowRecord(child.parent);
  if (parent == nullptr) return;
  RECT r = child.window_rect;
  r.left -= parent->client_rect.left;
  r.right -= parent->client_rect.left;
  r.top -= parent->client_rect.top;
  r.bottom -= parent->client_rect.top;
  Invalidate(parent->handle, &r, true, false, false);
}

void Validate(Window& w, const RECT* client_rect) {
  if (client_rect == nullptr) {
    w.has_update = false;
    w.erase_pending = false;
    w.internal_paint = false;
    w.update_rect = RECT{0, 0, 0, 0};
    return;
  }
  if (!w.has_update) return;
  // Only a rectangle covering the whole update box empties it (the box is kept whole).
  RECT inter = Intersect(*client_rect, w.update_rect);
  if (inter.left == w.update_rect.left && inter.top == w.update_rect.top &&
      inter.right == w.update_rect.right && inter.bottom == w.update_rect.bottom) {
    w.has_update = false;
    w.erase_pending = false;
    w.update_rect = RECT{0, 0, 0, 0};
  }
}

HWND NextWindowToPaint(HWND filter) {
  DWORD thread = GetCurrentThreadId();
  for (HWND top : std::vector<HWND>(TopLevelWindows())) {
    for (HWND handle : SelfAndDescendants(top)) {
      Window* w = FindWindowRecord(handle);
      if (w == nullptr || w->thread_id != thread) continue;
      if (!w->has_update && !w->internal_paint && !w->frame_dirty) continue;
      if (filter != nullptr && !IsSelfOrAncestor(filter, handle)) continue;
      if (!ReallyVisible(w)) {
        Validate(*w, nullptr);
        w->frame_dirty = false;
        continue;
      }
      return handle;
    }
  }
  return nullptr;
}

void PaintNow(HWND window, bool children) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return;
  if (w->has_update || w->internal_paint || w->frame_dirty) {
    SendMessageW(window, WM_PAINT, 0, 0);
    w = FindWindowRecord(window);
    if (w == nullptr) return;
    // A procedure that does not validate would be asked forever: WM_PAINT is once.
    if (w->has_update || w->internal_paint || w->frame_dirty) {
      Validate(*w, nullptr);
      w->frame_dirty = false;
    }
  }
  if (!children) return;
  std::vector<HWND> kids = w->children;
  for (HWND child : kids) PaintNow(child, true);
}

}  // namespace platform::user

extern "C" {

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  using namespace platform::user;
  if (window == nullptr) {
    // Windows repaints every window then; here: every top-level window of the thread.
    for (HWND top : std::vector<HWND>(TopLevelWindows())) InvalidateWholeWindow(top);
    return TRUE;
  }
  if (LiveWindow(window) == nullptr) return FALSE;
  Invalidate(window, rect, erase != FALSE, false, false);
  return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
  using namespace platform::user;
  if (window == nullptr) return TRUE;
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  Validate(*w, rect);
  if (rect == nullptr) w->frame_dirty = false;
  return TRUE;
}

BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL erase) {
  using namespace platform::user;
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  if (rect != nullptr) *rect = w->has_update ? w->update_rect : RECT{0, 0, 0, 0};
  if (w->has_update && erase && w->erase_pending) EraseNow(window);
  w = FindWindowRecord(window);
  return w != nullptr && w->has_update ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND window) {
  using namespace platform::user;
  if (LiveWindow(window) == nullptr) return FALSE;
  PaintNow(window, true);
  return TRUE;
}

BOOL RedrawWindow(HWND window, const RECT* update, HRGN region, UINT flags) {
  using namespace platform::user;
  if (window == nullptr) {
    for (HWND top : std::vector<HWND>(TopLevelWindows())) RedrawWindow(top, update, region, flags);
    return TRUE;
  }
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  RECT box;
  const RECT* area = update;
  if (area == nullptr && region != nullptr && RegionBox(region, &box)) area = &box;
  bool children = (flags & RDW_ALLCHILDREN) != 0;
  if (flags & RDW_INVALIDATE) {
    Invalidate(window, area, (flags & RDW_ERASE) != 0, (flags & RDW_FRAME) != 0, children);
  }
  if (flags & RDW_INTERNALPAINT) w->internal_paint = true;
  if (flags & RDW_VALIDATE) {
    Validate(*w, area);
    if (flags & RDW_NOFRAME) w->frame_dirty = false;
    if (flags & RDW_NOINTERNALPAINT) w->internal_paint = false;
  }
  if (flags & RDW_NOERASE) w->erase_pending = false;
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintNow(window, !(flags & RDW_NOCHILDREN));
  return TRUE;
}

}  // extern "C"
