// The display on an X server, over xcb.
//
// Each visible top-level window is a plain child of the root holding the window's client
// area (pop-ups without a caption are shown whole and left alone by the window manager);
// see x11_geometry.h for the mapping. Coordinates: an X window's origin is its client
// origin; points inside it become screen points of the window system by adding where the
// window system put the client area, whatever the window manager did with the frame.
//
// The first frame: the X window is created when the window system shows the window, but
// mapped only when the program first waits for input with the window painted, so the
// first thing on screen is the window with its content; its pixels follow at once in the
// same flush (through shared memory when large and the server is local). Afterwards only
// damaged rectangles are sent. The kept pixels repaint what
// the server asks again (Expose). Work the first frame does not need starts when the
// program next waits, each on a low-priority thread of its own: the keyboard's keymap
// and compose table, and the icon (set when it is ready).
//
// Input: keys go through the keyboard translation, mouse buttons, motion and wheel
// become screen points, focus changes become activation, WM_DELETE_WINDOW and SIGTERM
// become close requests. After SIGTERM, or a connection that breaks (reported once on
// stderr), the pass is ended as when input runs out.
#pragma once

#include <xcb/xcb.h>

#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "platform/display/display_driver.h"
#include "platform/display/x11/close_signals.h"
#include "platform/display/x11/shared_image.h"
#include "platform/display/x11/x11_connection.h"
#include "platform/display/x11/x11_geometry.h"
#include "platform/display/x11/x11_icon.h"
#include "platform/display/x11/x11_keyboard.h"

namespace platform::x11 {

class X11Driver : public DisplayDriver {
 public:
  explicit X11Driver(std::unique_ptr<X11Connection> connection);
  ~X11Driver() override;

  DisplayKind kind() const override { return DisplayKind::kX11; }
  // Message boxes are windows here (MessageBoxW shows them); nothing to run.
  int RunMessageBox(const MessageBoxRequest&) override { return 0; }

  SIZE ScreenSize() const override { return connection_->facts().size; }
  RECT WorkArea() const override { return connection_->facts().work_area; }
  int Dpi() const override { return connection_->facts().dpi; }

  void WindowShown(const TopLevelWindowInfo& info) override;
  void WindowChanged(const TopLevelWindowInfo& info) override;
  void WindowPainted(HWND window, const RECT& damaged, const gdi::PixelSurface& pixels) override;
  void WindowActivated(HWND window) override;
  void WindowHidden(HWND window) override;
  bool PollInput(InputEvent* event) override;
  void WaitForInput(DWORD timeout_ms) override;
  bool InputEnded() const override { return input_ended_; }

  // The X window showing a top-level window, 0 when none (tests).
  xcb_window_t XWindowOf(HWND window) const;

 private:
  struct Shown {
    TopLevelWindowInfo info;
    xcb_window_t id = 0;
    RECT part{};  // the shown part, in window coordinates
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // the shown part's, rows top-down
    DamageList damage;
    bool painted = false;
    bool mapped = false;
    bool icon_sent = false;
  };

  // x11_driver.cpp: windows and pixels.
  void Resize(Shown& shown);
  void SetProperties(const Shown& shown);
  void SetTitle(const Shown& shown);
  void SetSizeHints(const Shown& shown);
  void SetIcon(Shown& shown);
  void Present();
  void PutPixels(const Shown& shown, const RECT& rect);
  void Focus(const Shown& shown);
  void GrabPointer(const Shown& popup);
  void DeferredWork();
  Shown* FindByX(xcb_window_t id);
  POINT ScreenPoint(const Shown& shown, int x, int y) const;

  // x11_events.cpp: what the server sends.
  void Handle(const xcb_generic_event_t* event);
  void HandleFocus(bool in, const xcb_focus_in_event_t* event);
  void NoteLost();
  xcb_generic_event_t* NextEvent();

  std::unique_ptr<X11Connection> connection_;
  X11Keyboard keyboard_;
  CloseSignals signals_;
  xcb_gcontext_t gc_ = 0;
  std::map<HWND, Shown> windows_;
  HWND active_ = nullptr;
  xcb_window_t focused_ = 0;  // the X window holding the keyboard focus, as last told
  bool first_frame_sent_ = false;
  bool deferred_done_ = false;
  bool lost_ = false;         // the connection broke
  bool input_ended_ = false;  // no input will come any more: lost, or told to end
  xcb_generic_event_t* stashed_ = nullptr;  // an event read while looking whether one is there
  std::deque<InputEvent> pending_;
  std::vector<std::uint32_t> band_;  // reused buffer of one image request
  SharedImage shared_;               // large images
  BackgroundIcon icon_;  // last: its thread ends before the rest goes
};

}  // namespace platform::x11
