// The display: where windows and message boxes appear and where input comes from.
//
// One interface, several backends, one factory. The backend is chosen once per process
// by VESTRALINO_DISPLAY (x11, tty or headless); without it: x11 when an X display is
// reachable, else tty when stdin and stdout are terminals, else headless. A backend that
// is asked for but cannot work here gives way to the next in that order.
//
// Contract of every backend:
// - Calls come from the thread that owns the box; they block it until the box is done.
// - RunMessageBox shows a modal box with the request's caption, its text split into
//   lines at CR LF, and the buttons of the style's type, the default button focused; it
//   follows the input rules of MessageBoxModel and returns the id of the chosen button,
//   or 0 when the box cannot be shown or can no longer wait (no terminal, script used
//   up). It never hangs on a closed input.
// - Whatever a backend changes in the user's surroundings (terminal modes, the screen)
//   is put back before it returns, and also when the process ends or is interrupted.
// - Backends do not write the transcript's message-box lines: MessageBoxW does, the
//   same way for all of them; nor its window lines, which the window system writes.
//
// Top-level windows: the window system tells the backend when one appears (WindowShown),
// when its title, place or style change (WindowChanged), when pixels of it change
// (WindowPainted, with the damaged rectangle in window coordinates and the window's
// whole bitmap, frame included), when one is activated and when one goes (WindowHidden
// on hiding or destruction). Input comes back through PollInput, which never blocks:
// PeekMessageW calls it whenever the thread's queue has nothing else to give.
// WaitForInput blocks until input may be ready or `timeout_ms` passed (GetMessageW,
// WaitMessage); it always returns.
//
// Message boxes: on the terminal, RunMessageBox draws them; elsewhere MessageBoxW shows
// a dialog window (TopLevelWindowInfo::message_box) and asks InputEnded while it waits.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/display/keyboard_layout.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/win32.h"

namespace platform {

class Transcript;

struct MessageBoxRequest {
  std::string caption;  // UTF-8
  std::string text;     // UTF-8, lines separated by CR LF
  UINT style = MB_OK;   // its type names a known button set
};

enum class DisplayKind { kX11, kTty, kHeadless };

struct TopLevelWindowInfo {
  HWND window = nullptr;
  RECT rect{};             // screen coordinates, frame included
  RECT client{};           // screen coordinates, the client area inside `rect`
  std::string title;       // UTF-8
  std::string class_name;  // UTF-8
  HWND owner = nullptr;
  DWORD style = 0;
  DWORD ex_style = 0;
  HICON icon = nullptr;
  bool message_box = false;  // a MessageBoxW box
};

// What a backend reports. Keys carry the virtual-key code, the PC scan code (bit 8 set for
// an extended key) and the character the keyboard layout gives for them (0 for none);
// points are in screen coordinates.
enum class InputKind {
  kKeyDown,
  kKeyUp,
  kMouseMove,
  kMouseDown,
  kMouseUp,
  kMouseWheel,
  kCloseRequest,  // the window manager's close button or a scripted `close`
  kFocusLost,     // the display took the keyboard away from `window`
  kFocusGained,
  kPressText,     // scripts: click the control showing `text` in the active window
  kClickId,       // scripts: click the control with `id` in the active window
  kScriptEnded,   // scripts: used up while the program waits; nothing more will come
};

enum class MouseButton { kLeft, kRight, kMiddle };

// Where a key press's characters come from. A display whose keyboard maps keys itself
// (x11: AltGr levels, dead keys, compose sequences) says what each press types;
// TranslateMessage then gives exactly that instead of looking the virtual key up in
// Layout().
enum class KeyText {
  kFromLayout,  // TranslateMessage finds the character in the display's Layout()
  kGiven,       // the press types `text` (UTF-8; empty: nothing, or several characters)
  kDeadKey,     // a dead key showing the accent `character`; a later press types the result
};

// The lock keys that are on, as a display reports them with a key event (before the key
// itself acts): GetKeyState's toggle bits then follow the keyboard's, even for locks
// switched on before the program started.
struct LockKeys {
  bool caps_lock = false;
  bool num_lock = false;
};

struct InputEvent {
  InputKind kind = InputKind::kKeyDown;
  HWND window = nullptr;  // the top-level window concerned; null: the active one
  UINT virtual_key = 0;
  UINT scan_code = 0;
  char32_t character = 0;
  POINT point{0, 0};
  MouseButton button = MouseButton::kLeft;
  int wheel_delta = 0;
  int id = 0;
  std::string text;  // UTF-8
  KeyText key_text = KeyText::kFromLayout;  // key presses
  std::optional<LockKeys> locks;            // keys, where the display knows them
};

class DisplayDriver {
 public:
  virtual ~DisplayDriver() = default;
  virtual DisplayKind kind() const = 0;
  virtual int RunMessageBox(const MessageBoxRequest& request) = 0;

  virtual SIZE ScreenSize() const { return SIZE{1024, 768}; }
  // Where new windows go (SPI_GETWORKAREA, DS_CENTER): the whole screen unless the
  // desktop keeps some of it (panels, docks).
  virtual RECT WorkArea() const {
    SIZE size = ScreenSize();
    return RECT{0, 0, size.cx, size.cy};
  }
  // The screen's resolution (LOGPIXELSX / LOGPIXELSY): fonts and dialogs scale with it.
  virtual int Dpi() const { return 96; }
  virtual const KeyboardLayout& Layout() const { return KeyboardLayout::UnitedStates(); }
  virtual void WindowShown(const TopLevelWindowInfo& /*info*/) {}
  virtual void WindowChanged(const TopLevelWindowInfo& /*info*/) {}
  virtual void WindowPainted(HWND /*window*/, const RECT& /*damaged*/,
                             const gdi::PixelSurface& /*pixels*/) {}
  virtual void WindowActivated(HWND /*window*/) {}
  virtual void WindowHidden(HWND /*window*/) {}
  virtual bool PollInput(InputEvent* /*event*/) { return false; }
  virtual void WaitForInput(DWORD timeout_ms);
  // True once no input will ever come again (a used-up script): a message box still
  // waiting then ends unanswered.
  virtual bool InputEnded() const { return false; }

  // The factory: the backend for this process's surroundings. `transcript` outlives it.
  static std::unique_ptr<DisplayDriver> Create(Transcript& transcript);
};

// The choice itself. `requested` is VESTRALINO_DISPLAY (null when unset); an unknown
// value counts as unset.
DisplayKind ChooseDisplayKind(const char* requested, bool x11_usable, bool in_terminal);

}  // namespace platform
