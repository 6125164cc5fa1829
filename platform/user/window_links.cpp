#include "platform/user/window_links.h"

#include <algorithm>

#include "platform/user/window_table.h"

namespace platform::user {

void LinkWindow(Window& window) {
  if (window.parent != nullptr) {
    if (Window* parent = FindWindowRecord(window.parent)) parent->children.push_back(window.handle);
  } else {
    auto& top = TopLevelWindows();
    top.insert(top.begin(), window.handle);
  }
}

void UnlinkWindow(Window& window) {
  if (window.parent != nullptr) {
    if (Window* parent = FindWindowRecord(window.parent)) std::erase(parent->children, window.handle);
  } else {
    std::erase(TopLevelWindows(), window.handle);
  }
}

POINT ClientOrigin(HWND window) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return POINT{0, 0};
  return POINT{w->client_rect.left, w->client_rect.top};
}

HWND RootOf(HWND window) {
  Window* w = FindWindowRecord(window);
  while (w != nullptr && w->parent != nullptr) {
    Window* up = FindWindowRecord(w->parent);
    if (up == nullptr) break;
    w = up;
  }
  return w != nullptr ? w->handle : nullptr;
}

bool IsSelfOrAncestor(HWND ancestor, HWND window) {
  for (Window* w = FindWindowRecord(window); w != nullptr; w = FindWindowRecord(w->parent)) {
    if (w->handle == ancestor) return true;
  }
  return false;
}

std::vector<HWND> SelfAndDescendants(HWND window) {
  std::vector<HWND> out;
  if (FindWindowRecord(window) == nullptr) return out;
  out.push_back(window);
  for (std::size_t i = 0; i < out.size(); ++i) {
    // Depth first: a window's children come right after it.
    Window* w = FindWindowRecord(out[i]);
    if (w == nullptr) continue;
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(i) + 1, w->children.begin(),
               w->children.end());
  }
  return out;
}

std::vector<HWND> OwnedWindows(HWND owner) {
  std::vector<HWND> out;
  for (HWND top : TopLevelWindows()) {
    Window* w = FindWindowRecord(top);
    if (w != nullptr && w->owner == owner) out.push_back(top);
  }
  return out;
}

}  // namespace platform::user
