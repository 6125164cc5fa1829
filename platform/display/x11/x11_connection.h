// The connection to the X server and what the first frame needs to know about it
// (platform-internal).
//
// Opening sends every request the first window will need at once (atoms, the resource
// database for the DPI, the extension queries) and waits for none of them; the replies
// are collected on first use, so the round trips overlap with the program's own start.
// Screen facts (size, work area, DPI) cost one more batch when first asked for:
// _NET_WORKAREA and the RandR monitors, never waited for beyond their replies (a window
// manager that is not there is not waited for).
#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/win32.h"

namespace platform::x11 {

enum class Atom {
  kWmProtocols,
  kWmDeleteWindow,
  kUtf8String,
  kNetWmName,
  kNetWmIcon,
  kNetWmPid,
  kNetWmWindowType,
  kNetWmWindowTypeDialog,
  kNetWmWindowTypeCombo,
  kNetWmState,
  kNetWmStateModal,
  kNetWorkarea,
  kCount,
};

struct ScreenFacts {
  SIZE size{1024, 768};
  RECT work_area{0, 0, 1024, 768};
  int dpi = 96;
};

class X11Connection {
 public:
  // Null when no display answers ($DISPLAY unset, refused, unreachable) or its screen
  // has no 24- or 32-bit true-colour visual at the root.
  static std::unique_ptr<X11Connection> Open();
  ~X11Connection();
  X11Connection(const X11Connection&) = delete;
  X11Connection& operator=(const X11Connection&) = delete;

  xcb_connection_t* get() const { return connection_; }
  xcb_window_t root() const { return screen_->root; }
  xcb_visualid_t visual() const { return screen_->root_visual; }
  std::uint8_t depth() const { return screen_->root_depth; }
  // Whether pixels go to the server as they are in memory (0x00RRGGBB, little-endian).
  bool native_pixels() const { return native_pixels_; }
  // The largest request the server takes, in bytes.
  std::uint32_t max_request_bytes() const;
  // The connection broke (the server went away or refused a request for good).
  bool broken() const { return xcb_connection_has_error(connection_) != 0; }

  xcb_atom_t atom(Atom which);
  const ScreenFacts& facts();

 private:
  X11Connection(xcb_connection_t* connection, xcb_screen_t* screen);
  void CollectAtoms();

  xcb_connection_t* connection_;
  xcb_screen_t* screen_;
  bool native_pixels_ = true;
  std::array<xcb_intern_atom_cookie_t, static_cast<int>(Atom::kCount)> atom_cookies_{};
  std::array<xcb_atom_t, static_cast<int>(Atom::kCount)> atoms_{};
  bool atoms_collected_ = false;
  xcb_get_property_cookie_t resources_cookie_{};
  bool facts_collected_ = false;
  ScreenFacts facts_;
};

}  // namespace platform::x11
