// The X server's keyboard for the x11 display: key events in, the window system's key
// events out (virtual keys, PC scan codes, what each press types).
//
// Start-up does not wait for it: the constructor only asks whether the server has XKB
// (the answer is read later). StartLoading, after the first frame, sends this connection's
// XKB settings without waiting for answers (keymap change events; detectable auto-repeat:
// a held key sends presses and one release, so the window system marks the repeats), then
// a low-priority thread with a connection of its own reads the core keyboard's keymap
// through xkbcommon-x11 and loads the compose table of the user's locale. Until that is
// done keys read as on a US keyboard, so that no key is lost; a key that comes while the
// first load is under way waits for it, so that it types what the user's layout says. When the server's keymap changes (setxkbmap, or a tool that maps a spare key to
// type a character), the next key reads the new keymap first, on the display's thread and
// connection: that key must already be read with it.
//
// The modifier state comes with every key event (its state field), so nothing has to
// follow the server's state between keys. All calls but the loading thread's come from the
// display's thread.
#pragma once

#include <xcb/xcb.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/display_driver.h"

struct xkb_compose_table;
struct xkb_context;

namespace platform::x11 {

class XkbKeyTranslator;

class X11Keyboard {
 public:
  explicit X11Keyboard(xcb_connection_t* connection);
  ~X11Keyboard();  // waits for a load under way
  X11Keyboard(const X11Keyboard&) = delete;
  X11Keyboard& operator=(const X11Keyboard&) = delete;

  void StartLoading();

  // The window system's events for a KeyPress (`press`) or KeyRelease; the driver sets
  // their window.
  std::vector<InputEvent> Translate(const xcb_key_press_event_t& event, bool press);

  // Takes the XKB extension's events (a changed keymap); false for any other event.
  bool HandleEvent(const xcb_generic_event_t& event);

  // True once the keymap is in use or ready; waits up to `timeout_ms` for the first load.
  bool WaitUntilLoaded(int timeout_ms);

 private:
  void LoadingThread();
  std::unique_ptr<XkbKeyTranslator> LoadKeymap(xcb_connection_t* connection);
  void TakeLoaded();

  xcb_connection_t* connection_;
  std::unique_ptr<XkbKeyTranslator> translator_;  // the display thread's
  int first_xkb_event_ = -1;  // the extension's event code, once StartLoading found it

  // Loading state: the loading thread's while it runs, then the display thread's. The
  // results go through `lock_`.
  xkb_context* context_ = nullptr;
  xkb_compose_table* compose_table_ = nullptr;

  std::mutex lock_;
  std::condition_variable loaded_;
  std::thread loader_;
  bool loading_ = false;         // guarded by lock_
  bool keymap_changed_ = false;  // guarded by lock_: the next key loads the keymap again
  std::unique_ptr<XkbKeyTranslator> ready_;  // guarded by lock_
};

}  // namespace platform::x11
