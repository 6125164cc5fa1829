// The record behind every HWND (platform-internal).
//
// Records are owned by the window table (window_table.h) and found by handle. A window
// procedure may destroy any window, its own included, so code that calls out (sends a
// message, calls a procedure or a hook) never keeps a Window* across the call: it keeps
// the HWND and finds the record again afterwards (FindWindowRecord returns null once the
// window is gone). Destroyed records are kept alive until the thread next asks its queue
// for a message, so a stray pointer is stale, never freed memory.
//
// Coordinates: `window_rect` and `client_rect` are in screen coordinates, as
// GetWindowRect gives them; client coordinates are relative to client_rect's top-left.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::user {

struct WindowClass;

// The pixels of a top-level window, frame included: what its window and client DCs draw
// into and what the display shows. 0x00RRGGBB per pixel, rows top-down.
struct WindowBitmap {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;
  void Resize(std::int32_t w, std::int32_t h);
};

struct Window {
  HWND handle = nullptr;
  std::shared_ptr<WindowClass> window_class;
  DWORD thread_id = 0;  // the thread whose queue receives its posted and input messages

  WNDPROC procedure = nullptr;
  bool procedure_ansi = false;  // installed by RegisterClassA / SetWindowLongPtrA: gets ANSI text
  DWORD style = 0;
  DWORD ex_style = 0;
  LONG_PTR id = 0;  // GWLP_ID: the control id of a child, the menu of a top-level
  HINSTANCE instance = nullptr;
  LONG_PTR user_data = 0;        // GWLP_USERDATA
  std::vector<BYTE> extra;       // cbWndExtra bytes: GWLP offsets >= 0 (DWLP_* on dialogs)

  HWND parent = nullptr;  // a child's parent; null for top-level windows
  HWND owner = nullptr;   // a top-level window's owner
  // Children in z-order, topmost first. Children are added at the bottom, so this is also
  // their creation order: GW_CHILD is the first child created, as dialogs rely on.
  std::vector<HWND> children;

  RECT window_rect{};  // screen coordinates
  RECT client_rect{};  // screen coordinates
  std::u16string text;
  HICON icon_big = nullptr;
  HICON icon_small = nullptr;

  // Painting: the part of the client area to repaint (bounding rectangle, client
  // coordinates), whether WM_ERASEBKGND is due, a WM_PAINT asked for without an update
  // region (RDW_INTERNALPAINT), and whether the frame needs WM_NCPAINT.
  bool has_update = false;
  RECT update_rect{};
  bool erase_pending = false;
  bool internal_paint = false;
  bool frame_dirty = false;
  bool redraw_enabled = true;  // WM_SETREDRAW
  bool in_paint = false;       // between BeginPaint and EndPaint

  bool caption_active = false;  // as last set by WM_NCACTIVATE
  LRESULT pushed_caption_box = HTNOWHERE;  // HTCLOSE, … while the mouse holds it down
  bool destroying = false;      // DestroyWindow has begun: no second destruction
  bool created = false;         // WM_NCCREATE done (text and records complete)
  bool shown_to_display = false;
  bool message_box = false;  // made by MessageBoxW: the transcript has its own line for it

  // Top-level windows only: the pixels of the whole window.
  std::shared_ptr<WindowBitmap> bitmap;

  bool visible() const { return (style & WS_VISIBLE) != 0; }
  bool enabled() const { return (style & WS_DISABLED) == 0; }
  bool is_child() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
  LONG client_width() const { return client_rect.right - client_rect.left; }
  LONG client_height() const { return client_rect.bottom - client_rect.top; }
};

}  // namespace platform::user
