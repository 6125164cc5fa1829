// CreateWindowExW and CreateWindowExA.
//
// Messages, in order: WM_GETMINMAXINFO (top-level windows), WM_NCCREATE (FALSE destroys
// the window), WM_NCCALCSIZE, WM_CREATE (-1 destroys it), WM_SIZE, WM_MOVE, WM_PARENTNOTIFY
// to the parent chain of a child without WS_EX_NOPARENTNOTIFY, then ShowWindow(SW_SHOW)
// when WS_VISIBLE was asked for. Any of the procedures called may destroy the window:
// after each message the record is found again by its handle.
#include <algorithm>

#include "platform/kernel/sleep_granularity.h"
#include "platform/user/frame_metrics.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_class.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_links.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace {

using platform::user::FindWindowRecord;
using platform::user::Window;

bool IsTopLevelStyle(DWORD style) { return (style & WS_CHILD) == 0; }

// Where an overlapped window asking for CW_USEDEFAULT goes: cascading from the top left.
POINT DefaultPosition() {
  static int next = 0;
  int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  POINT p{step * (next % 8), step * (next % 8)};
  ++next;
  return p;
}

void NotifyParents(HWND window, UINT event) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr || !w->is_child()) return;
  WPARAM wparam = MAKEWPARAM(static_cast<WORD>(event), static_cast<WORD>(w->id));
  HWND child = window;
  while (true) {
    Window* c = FindWindowRecord(child);
    if (c == nullptr || !c->is_child() || (c->ex_style & WS_EX_NOPARENTNOTIFY)) return;
    HWND parent = c->parent;
    SendMessageW(parent, WM_PARENTNOTIFY, wparam, reinterpret_cast<LPARAM>(window));
    child = parent;
  }
}

}  // namespace

namespace platform::user {
void SendParentNotify(HWND window, UINT event) { NotifyParents(window, event); }
}  // namespace platform::user

extern "C" {

HWND CreateWindowExW(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance, LPVOID param) {
  using namespace platform::user;
  std::shared_ptr<WindowClass> window_class = FindClass(class_name);
  if (!window_class) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  if (parent == HWND_MESSAGE) parent = nullptr;  // message-only windows: plain hidden ones
  if (parent != nullptr && LiveWindow(parent) == nullptr) return nullptr;
  if ((style & WS_CHILD) && parent == nullptr) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }

  auto record = std::make_unique<Window>();
  Window& w = *record;
  w.window_class = window_class;
  w.thread_id = GetCurrentThreadId();
  platform::MarkThreadOwnsWindows();
  w.procedure = window_class->procedure;
  w.procedure_ansi = window_class->procedure_ansi;
  w.instance = instance;
  w.extra.assign(static_cast<std::size_t>(window_class->window_extra), 0);
  bool show = (style & WS_VISIBLE) != 0;
  w.style = style & ~WS_VISIBLE;
  if (IsTopLevelStyle(style) && !(style & WS_POPUP)) w.style |= WS_CLIPSIBLINGS | WS_CAPTION;
  w.ex_style = ex_style;
  if ((w.style & (WS_DLGFRAME | WS_THICKFRAME)) || (ex_style & WS_EX_DLGMODALFRAME)) {
    w.ex_style |= WS_EX_WINDOWEDGE;
  }
  if (style & WS_CHILD) {
    w.parent = parent;
    w.id = reinterpret_cast<LONG_PTR>(menu);
  } else {
    w.owner = parent != nullptr ? RootOf(parent) : nullptr;
    w.id = reinterpret_cast<LONG_PTR>(menu);
  }
  w.icon_big = window_class->icon;
  w.icon_small = window_class->icon_small;

  // Size and place, in the parent's client coordinates for a child.
  bool overlapped = IsTopLevelStyle(style) && !(style & WS_POPUP);
  SIZE screen = ScreenSize();
  if (x == CW_USEDEFAULT) {
    if (overlapped) {
      POINT p = DefaultPosition();
      x = p.x;
      y = p.y;
    } else {
      x = y = 0;
    }
  }
  if (width == CW_USEDEFAULT) {
    width = overlapped ? screen.cx * 3 / 4 : 0;
    height = overlapped ? screen.cy * 3 / 4 : 0;
  }
  x = ClampCoordinate(x);
  y = ClampCoordinate(y);
  width = ClampSize(width);
  height = ClampSize(height);

  HWND handle = AddWindow(std::move(record));
  if (handle == nullptr) return nullptr;
  Window* window = FindWindowRecord(handle);
  LinkWindow(*window);

  if (IsTopLevelStyle(style)) {
    MINMAXINFO info{};
    int frame = GetSystemMetrics(SM_CXFRAME);
    info.ptMaxSize = {screen.cx + 2 * frame, screen.cy + 2 * frame};
    info.ptMaxPosition = {-frame, -frame};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessageW(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (style & WS_THICKFRAME) {
      width = std::clamp<int>(width, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
      height = std::clamp<int>(height, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
    }
    window = FindWindowRecord(handle);
    if (window == nullptr) return nullptr;
  }

  POINT origin = ClientOrigin(window->parent);
  window->window_rect = RECT{origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
  window->client_rect = window->window_rect;
  SizeBitmap(*window);

  CREATESTRUCTW create{};
  create.lpCreateParams = param;
  create.hInstance = instance;
  create.hMenu = menu;
  create.hwndParent = parent;
  create.cx = width;
  create.cy = height;
  create.x = x;
  create.y = y;
  create.style = static_cast<LONG>(style);
  create.lpszName = window_name;
  create.lpszClass = class_name;
  create.dwExStyle = ex_style;

  LRESULT created = SendMessageW(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create));
  window = FindWindowRecord(handle);
  if (window == nullptr) return nullptr;
  window->created = true;
  if (!created) {
    DestroyWindow(handle);
    return nullptr;
  }
  if (!RecalculateClient(handle)) return nullptr;

  if (SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  window = FindWindowRecord(handle);
  if (window == nullptr) return nullptr;

  RECT client = window->client_rect;
  POINT client_origin = ClientOrigin(window->parent);
  SendMessageW(handle, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(static_cast<WORD>(client.right - client.left),
                          static_cast<WORD>(client.bottom - client.top)));
  SendMessageW(handle, WM_MOVE, 0,
               MAKELPARAM(static_cast<WORD>(client.left - client_origin.x),
                          static_cast<WORD>(client.top - client_origin.y)));
  if (FindWindowRecord(handle) == nullptr) return nullptr;

  NotifyParents(handle, WM_CREATE);
  if (FindWindowRecord(handle) == nullptr) return nullptr;

  if (show) ShowWindow(handle, SW_SHOW);
  return FindWindowRecord(handle) != nullptr ? handle : nullptr;
}

HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  using platform::user::WideFromAnsi;
  std::u16string wide_class, wide_name;
  LPCWSTR class_arg = reinterpret_cast<LPCWSTR>(class_name);
  if (class_name != nullptr && !IS_INTRESOURCE(class_name)) {
    wide_class = WideFromAnsi(class_name);
    class_arg = wide_class.c_str();
  }
  LPCWSTR name_arg = reinterpret_cast<LPCWSTR>(window_name);
  if (window_name != nullptr && !IS_INTRESOURCE(window_name)) {
    wide_name = WideFromAnsi(window_name);
    name_arg = wide_name.c_str();
  }
  return CreateWindowExW(ex_style, class_arg, name_arg, style, x, y, width, height, parent, menu,
                         instance, param);
}

}  // extern "C"
