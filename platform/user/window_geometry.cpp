#include "platform/user/window_geometry.h"

#include <algorithm>

#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

void Offset(RECT& r, LONG dx, LONG dy) {
  r.left += dx;
  r.right += dx;
  r.top += dy;
  r.bottom += dy;
}

void ShiftDescendants(Window& window, LONG dx, LONG dy) {
  for (HWND child : window.children) {
    Window* c = FindWindowRecord(child);
    if (c == nullptr) continue;
    Offset(c->window_rect, dx, dy);
    Offset(c->client_rect, dx, dy);
    ShiftDescendants(*c, dx, dy);
  }
}

}  // namespace

RECT ParentRelative(const Window& window, const RECT& screen_rect) {
  POINT origin = ClientOrigin(window.parent);
  RECT r = screen_rect;
  Offset(r, -origin.x, -origin.y);
  return r;
}

void SizeBitmap(Window& window) {
  if (window.parent != nullptr) {
    window.bitmap.reset();
    return;
  }
  if (!window.bitmap) window.bitmap = std::make_shared<WindowBitmap>();
  LONG w = std::min<LONG>(window.window_rect.right - window.window_rect.left, kMostBitmapSide);
  LONG h = std::min<LONG>(window.window_rect.bottom - window.window_rect.top, kMostBitmapSide);
  if (window.bitmap->width != w || window.bitmap->height != h) window.bitmap->Resize(w, h);
}

int ClampCoordinate(int value) { return std::clamp(value, -32767, 32767); }
int ClampSize(int value) { return std::clamp(value, 0, 32767); }

void PlaceWindowRect(Window& window, const RECT& screen_rect) {
  RECT old_window = window.window_rect;
  RECT old_client = window.client_rect;
  LONG dx = screen_rect.left - old_window.left;
  LONG dy = screen_rect.top - old_window.top;
  window.window_rect = screen_rect;
  // The frame keeps its widths until WM_NCCALCSIZE says otherwise.
  window.client_rect = RECT{old_client.left + dx, old_client.top + dy,
                            screen_rect.right - (old_window.right - old_client.right),
                            screen_rect.bottom - (old_window.bottom - old_client.bottom)};
  if (window.client_rect.right < window.client_rect.left) window.client_rect.right = window.client_rect.left;
  if (window.client_rect.bottom < window.client_rect.top) window.client_rect.bottom = window.client_rect.top;
  if (dx != 0 || dy != 0) ShiftDescendants(window, dx, dy);
  SizeBitmap(window);
}

bool RecalculateClient(HWND handle) {
  Window* window = FindWindowRecord(handle);
  if (window == nullptr) return false;
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = ParentRelative(*window, window->window_rect);
  SendMessageW(handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params.rgrc[0]));
  window = FindWindowRecord(handle);
  if (window == nullptr) return false;
  POINT origin = ClientOrigin(window->parent);
  RECT client = params.rgrc[0];
  client.left += origin.x;
  client.right += origin.x;
  client.top += origin.y;
  client.bottom += origin.y;
  LONG dx = client.left - window->client_rect.left;
  LONG dy = client.top - window->client_rect.top;
  window->client_rect = client;
  if (dx != 0 || dy != 0) ShiftDescendants(*window, dx, dy);
  return true;
}

}  // namespace platform::user
