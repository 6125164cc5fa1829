// Input: display events become the thread's input messages; TranslateMessage; the key
// state (GetKeyState, GetAsyncKeyState, GetKeyboardState); the cursor position.
//
// Keys go to the focus window, or to the active window (as WM_SYSKEY*) when nothing has
// the focus; with Alt down they are WM_SYSKEY*. lParam: repeat count 1, the scan code in
// bits 16-23, bit 24 for extended keys, bit 29 with Alt, bit 30 the previous state, bit 31
// set on release. A display that maps keys itself gives each press's characters, kept
// beside the queued press until TranslateMessage turns them into WM_CHAR (WM_DEADCHAR for a
// dead key), in place of the layout's.
//
// Mouse events go to the capture window, else to the window under the point (a disabled
// child's clicks go to its nearest enabled ancestor; a disabled top-level window gets
// none). A press on an inactive top-level window asks WM_MOUSEACTIVATE and activates it.
// Double clicks: the same button on the same window of a CS_DBLCLKS class within 500 ms
// and 4 pixels.
//
// Script events: `press TEXT` and `click ID` click the centre of the control; when the
// script is used up while the program waits (blocks in GetMessageW or WaitMessage, or
// polls three times in a row with nothing to do), the active window gets a close request; a
// window that ignores three in a row is destroyed, and a thread waiting with no visible
// window and no timer gets WM_QUIT, so nothing ever hangs.
#include "platform/user/input.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "platform/display/display_session.h"
#include "platform/user/display_link.h"
#include "platform/user/focus.h"
#include "platform/user/message_box_window.h"
#include "platform/user/timers.h"
#include "platform/user/window_class.h"
#include "platform/user/window_links.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

constexpr DWORD kDoubleClickMs = 500;
constexpr int kIgnoredClosesBeforeDestroy = 3;
constexpr int kIdlePollsBeforeWaiting = 3;

std::atomic<LONG> cursor_x{0};
std::atomic<LONG> cursor_y{0};

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c > 0xFFFF) {
    char32_t v = c - 0x10000;
    out += static_cast<char16_t>(0xD800 + (v >> 10));
    out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
  } else {
    out += static_cast<char16_t>(c);
  }
}

HWND KeyTarget(MessageQueue& queue, bool* as_sys) {
  if (queue.focus != nullptr && FindWindowRecord(queue.focus) != nullptr) return queue.focus;
  *as_sys = true;
  return queue.active;
}

void QueueKey(MessageQueue& queue, const InputEvent& event) {
  bool up = event.kind == InputKind::kKeyUp;
  UINT vk = event.virtual_key;
  UINT scan = event.scan_code != 0 ? event.scan_code : KeyboardLayout::ScanCode(vk);
  if (vk == 0 && event.character != 0) vk = 0xE7;  // VK_PACKET: a character without a key
  // Key states as they will be once the messages queued before this one are taken.
  bool was_down = queue.pending_down[vk & 0xFF];
  queue.pending_down[vk & 0xFF] = !up;
  if (vk == VK_LMENU || vk == VK_RMENU) queue.pending_down[VK_MENU] = !up;
  if (vk == VK_LSHIFT || vk == VK_RSHIFT) queue.pending_down[VK_SHIFT] = !up;
  if (vk == VK_LCONTROL || vk == VK_RCONTROL) queue.pending_down[VK_CONTROL] = !up;
  bool is_alt = vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU;
  bool alt_now = queue.pending_down[VK_MENU] && !queue.pending_down[VK_CONTROL];
  // Alt itself is a system key, but not with Ctrl down (AltGr is Ctrl+Alt, for typing).
  bool as_sys = alt_now || (is_alt && !queue.pending_down[VK_CONTROL]);
  HWND target = KeyTarget(queue, &as_sys);
  if (target == nullptr) return;
  if (Window* w = FindWindowRecord(RootOf(target)); w == nullptr || !w->enabled()) return;
  UINT message = up ? (as_sys ? WM_SYSKEYUP : WM_KEYUP) : (as_sys ? WM_SYSKEYDOWN : WM_KEYDOWN);
  LPARAM lparam = 1;
  if (vk == 0xE7) {
    lparam |= static_cast<LPARAM>(event.character & 0xFFFF) << 16;
  } else {
    lparam |= static_cast<LPARAM>(scan & 0xFF) << 16;
    if (scan & 0x100) lparam |= 1 << 24;
    if (alt_now) lparam |= 1 << 29;
    if (up || was_down) lparam |= 1 << 30;
    if (up) lparam |= static_cast<LPARAM>(1u << 31);
  }
  MSG press{target, message, vk, static_cast<LPARAM>(static_cast<DWORD>(lparam)),
            MessageTimeNow(), CursorPosition()};
  if (!up && event.key_text != KeyText::kFromLayout) {
    constexpr std::size_t kMostKeptTexts = 64;  // presses never taken must not pile up
    if (queue.given_key_texts.size() == kMostKeptTexts) queue.given_key_texts.pop_front();
    bool dead = event.key_text == KeyText::kDeadKey;
    std::u16string text;
    if (dead) {
      AppendUtf16(text, event.character);
    } else {
      text = WideFromAnsi(event.text.c_str(), event.text.size());
    }
    queue.given_key_texts.push_back({press, dead, std::move(text)});
  }
  if (event.locks) {
    constexpr std::size_t kMostKeptLocks = 64;
    if (queue.reported_locks.size() == kMostKeptLocks) queue.reported_locks.pop_front();
    queue.reported_locks.push_back({press, event.locks->caps_lock, event.locks->num_lock});
  }
  queue.PostInput(press);
}

bool SamePress(const MSG& a, const MSG& b) {
  return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam &&
         a.lParam == b.lParam && a.time == b.time;
}

// What the display said `press` types, when it is the press taken last.
const MessageQueue::GivenKeyText* GivenTextOf(const MessageQueue& queue, const MSG& press) {
  if (!queue.taken_key_text || !SamePress(queue.taken_key_text->press, press)) return nullptr;
  return &*queue.taken_key_text;
}

WPARAM MouseKeys(const MessageQueue& queue) {
  WPARAM keys = 0;
  if (queue.pending_down[VK_LBUTTON]) keys |= MK_LBUTTON;
  if (queue.pending_down[VK_RBUTTON]) keys |= MK_RBUTTON;
  if (queue.pending_down[VK_MBUTTON]) keys |= MK_MBUTTON;
  if (queue.pending_down[VK_SHIFT]) keys |= MK_SHIFT;
  if (queue.pending_down[VK_CONTROL]) keys |= MK_CONTROL;
  return keys;
}

// The window a mouse event at `screen` goes to and its hit-test code.
HWND MouseTarget(MessageQueue& queue, POINT screen, LRESULT* hit) {
  if (queue.capture != nullptr && FindWindowRecord(queue.capture) != nullptr) {
    *hit = HTCLIENT;
    return queue.capture;
  }
  HWND window = WindowFromPoint(screen);
  if (window == nullptr) return nullptr;
  Window* w = FindWindowRecord(window);
  while (w != nullptr && !w->enabled() && w->parent != nullptr) w = FindWindowRecord(w->parent);
  if (w == nullptr || !w->enabled()) return nullptr;
  if (w->thread_id != queue.thread_id) return nullptr;
  window = w->handle;
  *hit = SendMessageW(window, WM_NCHITTEST, 0,
                      MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
  // HTTRANSPARENT: the window below takes it; here, the parent.
  while (*hit == HTTRANSPARENT) {
    Window* t = FindWindowRecord(window);
    if (t == nullptr || t->parent == nullptr) return nullptr;
    window = t->parent;
    *hit = SendMessageW(window, WM_NCHITTEST, 0,
                        MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
  }
  return FindWindowRecord(window) != nullptr ? window : nullptr;
}

UINT ButtonMessage(MouseButton button, bool down) {
  switch (button) {
    case MouseButton::kLeft:
      return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case MouseButton::kRight:
      return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::kMiddle:
      return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
  return WM_LBUTTONDOWN;
}

int ButtonKey(MouseButton button) {
  return button == MouseButton::kLeft ? VK_LBUTTON
         : button == MouseButton::kRight ? VK_RBUTTON : VK_MBUTTON;
}

void QueueMouse(MessageQueue& queue, const InputEvent& event) {
  POINT screen = event.point;
  cursor_x = screen.x;
  cursor_y = screen.y;
  bool down = event.kind == InputKind::kMouseDown;
  bool up = event.kind == InputKind::kMouseUp;
  if (down || up) queue.pending_down[ButtonKey(event.button)] = down;
  LRESULT hit = HTNOWHERE;
  HWND target = MouseTarget(queue, screen, &hit);
  if (target == nullptr) {
    if (down) MessageBeep(0);
    return;
  }
  UINT message = event.kind == InputKind::kMouseMove ? WM_MOUSEMOVE : ButtonMessage(event.button, down);
  if (down) {
    HWND top = RootOf(target);
    if (top != queue.active) {
      LRESULT answer = SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                    MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(message)));
      if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT || answer == 0) {
        ActivateWindow(top, WA_CLICKACTIVE);
      }
      if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return;
      if (FindWindowRecord(target) == nullptr) return;
    }
    Window* w = FindWindowRecord(target);
    DWORD now = MessageTimeNow();
    bool dbl = w != nullptr && w->window_class && (w->window_class->style & CS_DBLCLKS) &&
               queue.last_click_message == message && queue.last_click_window == target &&
               now - queue.last_click_time <= kDoubleClickMs &&
               std::abs(screen.x - queue.last_click_point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 + 2 &&
               std::abs(screen.y - queue.last_click_point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2 + 2;
    if (dbl) {
      message += 2;  // WM_xBUTTONDOWN + 2 = WM_xBUTTONDBLCLK
      queue.last_click_message = 0;
    } else {
      queue.last_click_message = message;
      queue.last_click_window = target;
      queue.last_click_time = now;
      queue.last_click_point = screen;
    }
  }
  Window* w = FindWindowRecord(target);
  if (w == nullptr) return;
  MSG msg{target, message, 0, 0, MessageTimeNow(), screen};
  if (hit == HTCLIENT) {
    msg.wParam = MouseKeys(queue);
    msg.lParam = MAKELPARAM(static_cast<WORD>(screen.x - w->client_rect.left),
                            static_cast<WORD>(screen.y - w->client_rect.top));
  } else {
    msg.message = message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
    msg.wParam = static_cast<WPARAM>(hit);
    msg.lParam = MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
  }
  queue.PostInput(msg);
}

void QueueWheel(MessageQueue& queue, const InputEvent& event) {
  HWND target = queue.focus != nullptr ? queue.focus : queue.active;
  if (target == nullptr) return;
  queue.PostInput(MSG{target, WM_MOUSEWHEEL,
                      MAKEWPARAM(static_cast<WORD>(MouseKeys(queue)), static_cast<WORD>(event.wheel_delta)),
                      MAKELPARAM(static_cast<WORD>(event.point.x), static_cast<WORD>(event.point.y)),
                      MessageTimeNow(), event.point});
}

std::u16string WithoutMnemonics(const std::u16string& text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) {
      ++i;  // "&&" is a literal ampersand; "&x" is x
    }
    out += text[i];
  }
  return out;
}

bool SameTextLoosely(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i] >= u'a' && a[i] <= u'z' ? a[i] - 32 : a[i];
    char16_t y = b[i] >= u'a' && b[i] <= u'z' ? b[i] - 32 : b[i];
    if (x != y) return false;
  }
  return true;
}

// The control the script names in the active window: exact text first, then ignoring
// case and & markers.
HWND FindControl(HWND top, const InputEvent& event) {
  std::vector<HWND> all = SelfAndDescendants(top);
  if (event.kind == InputKind::kClickId) {
    for (std::size_t i = 1; i < all.size(); ++i) {
      Window* w = FindWindowRecord(all[i]);
      if (w != nullptr && w->visible() && w->id == event.id) return all[i];
    }
    return nullptr;
  }
  std::u16string wanted = WideFromAnsi(event.text.c_str());
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 1; i < all.size(); ++i) {
      Window* w = FindWindowRecord(all[i]);
      if (w == nullptr || !w->visible()) continue;
      bool same = pass == 0 ? w->text == wanted
                            : SameTextLoosely(WithoutMnemonics(w->text), WithoutMnemonics(wanted));
      if (same) return all[i];
    }
  }
  // A message box's buttons also answer to their English texts in any language.
  return FindMessageBoxButton(top, event.text);
}

void ClickControl(MessageQueue& queue, const InputEvent& event) {
  HWND top = queue.active;
  HWND control = top != nullptr ? FindControl(top, event) : nullptr;
  if (control == nullptr) {
    std::fprintf(stderr, "vestralino: script: the active window has no control %s (skipped)\n",
                 event.kind == InputKind::kClickId ? std::to_string(event.id).c_str()
                                                   : ("\"" + event.text + "\"").c_str());
    return;
  }
  Window* w = FindWindowRecord(control);
  InputEvent click;
  click.point = POINT{(w->window_rect.left + w->window_rect.right) / 2,
                      (w->window_rect.top + w->window_rect.bottom) / 2};
  click.kind = InputKind::kMouseDown;
  QueueMouse(queue, click);
  click.kind = InputKind::kMouseUp;
  QueueMouse(queue, click);
}

void CloseRequest(MessageQueue& queue, HWND window) {
  HWND top = window != nullptr ? RootOf(window) : queue.active;
  if (top == nullptr) return;
  queue.PostInput(MSG{top, WM_SYSCOMMAND, SC_CLOSE, 0, MessageTimeNow(), CursorPosition()});
}


// The script is used up and the program waits for input.
void ScriptEnded(MessageQueue& queue, bool blocking) {
  HWND top = queue.active;
  if (top == nullptr) {
    for (HWND t : TopLevelWindows()) {
      Window* w = FindWindowRecord(t);
      if (w != nullptr && w->visible() && w->thread_id == queue.thread_id) {
        top = t;
        break;
      }
    }
  }
  if (top != nullptr) {
    if (queue.ignored_close_window == top) {
      ++queue.ignored_close_count;
    } else {
      queue.ignored_close_window = top;
      queue.ignored_close_count = 1;
    }
    if (queue.ignored_close_count > kIgnoredClosesBeforeDestroy) {
      DestroyWindow(top);
      return;
    }
    CloseRequest(queue, top);
    return;
  }
  // Nothing shown and nothing timed: no input will ever come. Windows would wait for
  // ever; here the thread is told to quit.
  if (blocking && !MillisecondsToNextTimer(queue)) PostQuitMessage(0);
}

}  // namespace

POINT CursorPosition() { return POINT{cursor_x.load(), cursor_y.load()}; }

bool PollDisplayInput(MessageQueue& queue, bool blocking) {
  WritePendingWindowLines();
  DisplayDriver& display = CurrentDisplay();
  bool any = false;
  InputEvent event;
  for (int i = 0; i < 64 && display.PollInput(&event); ++i) {
    any = true;
    switch (event.kind) {
      case InputKind::kKeyDown:
      case InputKind::kKeyUp:
        QueueKey(queue, event);
        break;
      case InputKind::kMouseMove:
      case InputKind::kMouseDown:
      case InputKind::kMouseUp:
        QueueMouse(queue, event);
        break;
      case InputKind::kMouseWheel:
        QueueWheel(queue, event);
        break;
      case InputKind::kCloseRequest:
        CloseRequest(queue, event.window);
        break;
      case InputKind::kFocusLost:
        if (queue.active != nullptr && (event.window == nullptr || event.window == queue.active)) {
          ActivateWindow(nullptr, WA_INACTIVE);
        }
        break;
      case InputKind::kFocusGained:
        if (event.window != nullptr && FindWindowRecord(event.window) != nullptr) {
          ActivateWindow(RootOf(event.window), WA_ACTIVE);
        }
        break;
      case InputKind::kPressText:
      case InputKind::kClickId:
        ClickControl(queue, event);
        break;
      case InputKind::kScriptEnded:
        // A program waits when it blocks, or when it keeps polling with nothing to do: a
        // few empty polls in a row. A single look at the queue is not waiting.
        if (!blocking && ++queue.idle_polls < kIdlePollsBeforeWaiting) return false;
        queue.idle_polls = 0;
        ScriptEnded(queue, blocking);
        return true;  // one close request per wait
    }
    if (queue.HasPostedOrInput()) break;  // one action at a time: let the program react
  }
  if (any && queue.ignored_close_window != nullptr &&
      FindWindowRecord(queue.ignored_close_window) == nullptr) {
    queue.ignored_close_window = nullptr;
    queue.ignored_close_count = 0;
  }
  return any;
}

// The lock keys as the display saw them just before `key`: Caps Lock or Num Lock switched
// on before the program started, or while another program had the keyboard, shows.
void TakeReportedLocks(MessageQueue& queue, const MSG& key) {
  auto& reported = queue.reported_locks;
  auto it = std::find_if(reported.begin(), reported.end(),
                         [&](const auto& r) { return SamePress(r.key, key); });
  if (it == reported.end()) return;
  auto toggle = [&](int vk, bool on) {
    queue.key_state[vk] = static_cast<BYTE>((queue.key_state[vk] & ~0x01) | (on ? 0x01 : 0));
  };
  toggle(VK_CAPITAL, it->caps_lock);
  toggle(VK_NUMLOCK, it->num_lock);
  reported.erase(reported.begin(), it + 1);  // earlier ones went with their windows
}

void NoteTakenInput(MessageQueue& queue, const MSG& msg) {
  auto set = [&](int vk, bool down) {
    BYTE& state = queue.key_state[vk & 0xFF];
    if (down && !(state & 0x80)) state ^= 0x01;  // toggled on each press
    state = static_cast<BYTE>(down ? (state | 0x80) : (state & ~0x80));
  };
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
      int vk = static_cast<int>(msg.wParam & 0xFF);
      TakeReportedLocks(queue, msg);
      set(vk, down);
      // The generic and sided modifier keys move together; the scan code tells the side.
      UINT scan = static_cast<UINT>(msg.lParam >> 16) & 0x1FF;
      if (vk == VK_SHIFT) set(scan == 0x36 ? VK_RSHIFT : VK_LSHIFT, down);
      if (vk == VK_CONTROL) set(scan & 0x100 ? VK_RCONTROL : VK_LCONTROL, down);
      if (vk == VK_MENU) set(scan & 0x100 ? VK_RMENU : VK_LMENU, down);
      if (down) {
        queue.taken_key_text.reset();
        auto& texts = queue.given_key_texts;
        auto it = std::find_if(texts.begin(), texts.end(),
                               [&](const auto& given) { return SamePress(given.press, msg); });
        if (it != texts.end()) {
          queue.taken_key_text = std::move(*it);
          texts.erase(texts.begin(), it + 1);  // earlier ones went with their windows
        }
      }
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      set(VK_LBUTTON, true);
      break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      set(VK_LBUTTON, false);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      set(VK_RBUTTON, true);
      break;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
      set(VK_RBUTTON, false);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      set(VK_MBUTTON, true);
      break;
    case WM_MBUTTONUP:
      set(VK_MBUTTON, false);
      break;
    default:
      break;
  }
}

}  // namespace platform::user

extern "C" {

BOOL TranslateMessage(const MSG* msg) {
  using namespace platform::user;
  if (msg == nullptr) return FALSE;
  bool sys = msg->message == WM_SYSKEYDOWN;
  if (msg->message != WM_KEYDOWN && !sys) return FALSE;
  MessageQueue& queue = CurrentQueue();
  std::u16string typed;
  const MessageQueue::GivenKeyText* given = GivenTextOf(queue, *msg);
  if (msg->wParam == 0xE7) {  // VK_PACKET: the character rides in lParam's high word
    typed += static_cast<char16_t>((static_cast<DWORD>(msg->lParam) >> 16) & 0xFFFF);
  } else if ((queue.key_state[VK_CONTROL] & 0x80) && !(queue.key_state[VK_MENU] & 0x80)) {
    // Ctrl+letter gives the control character (Ctrl+A = 1), as in Windows.
    if (msg->wParam >= 'A' && msg->wParam <= 'Z') {
      typed += static_cast<char16_t>(msg->wParam - 'A' + 1);
    }
  } else if (given != nullptr) {
    if (given->dead && !given->text.empty()) {
      PostMessageW(msg->hwnd, sys ? WM_SYSDEADCHAR : WM_DEADCHAR, given->text[0], msg->lParam);
      return TRUE;
    }
    typed = given->text;
  } else {
    const platform::KeyboardLayout& layout = platform::CurrentDisplay().Layout();
    bool shift = (queue.key_state[VK_SHIFT] & 0x80) != 0;
    bool caps = (queue.key_state[VK_CAPITAL] & 0x01) != 0;
    char32_t character = layout.Character(static_cast<UINT>(msg->wParam), shift, caps);
    if (character != 0 && layout.IsDead(static_cast<UINT>(msg->wParam))) {
      queue.dead_key = character;
      PostMessageW(msg->hwnd, sys ? WM_SYSDEADCHAR : WM_DEADCHAR, character, msg->lParam);
      return TRUE;
    }
    if (character != 0 && queue.dead_key != 0) {
      char32_t dead = queue.dead_key;
      queue.dead_key = 0;
      if (auto combined = layout.Combine(dead, character)) {
        character = *combined;
      } else {
        AppendUtf16(typed, dead);  // no combination: the accent, then the character
      }
    }
    if (character != 0) AppendUtf16(typed, character);
  }
  if (typed.empty()) return FALSE;
  UINT message = sys ? WM_SYSCHAR : WM_CHAR;
  // The character messages come next, before any other input already queued.
  std::lock_guard hold(queue.lock);
  for (auto unit = typed.rbegin(); unit != typed.rend(); ++unit) {
    queue.input.push_front(MSG{msg->hwnd, message, *unit, msg->lParam, msg->time, msg->pt});
  }
  return TRUE;
}

SHORT GetKeyState(int virtual_key) {
  BYTE state = platform::user::CurrentQueue().key_state[virtual_key & 0xFF];
  return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

SHORT GetAsyncKeyState(int virtual_key) {
  // No other source of key state than the messages: the latest known state.
  platform::user::MessageQueue& queue = platform::user::CurrentQueue();
  bool down = queue.pending_down[virtual_key & 0xFF] || (queue.key_state[virtual_key & 0xFF] & 0x80);
  return static_cast<SHORT>(down ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* state) {
  if (state == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const auto& keys = platform::user::CurrentQueue().key_state;
  std::copy(keys.begin(), keys.end(), state);
  return TRUE;
}

UINT MapVirtualKeyW(UINT code, UINT map_type) {
  switch (map_type) {
    case MAPVK_VK_TO_VSC:
      return platform::KeyboardLayout::ScanCode(code) & 0xFF;
    case MAPVK_VSC_TO_VK:
      return platform::KeyboardLayout::VirtualKeyOfScanCode(code);
    case MAPVK_VK_TO_CHAR: {
      char32_t c = platform::CurrentDisplay().Layout().Character(code, false, false);
      if (code >= 'A' && code <= 'Z') c = static_cast<char32_t>(code);
      return static_cast<UINT>(c);
    }
    default:
      return 0;
  }
}

BOOL GetCursorPos(LPPOINT point) {
  if (point == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *point = platform::user::CursorPosition();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  platform::user::cursor_x = x;
  platform::user::cursor_y = y;
  return TRUE;
}

UINT GetDoubleClickTime() { return platform::user::kDoubleClickMs; }

BOOL MessageBeep(UINT /*type*/) { return TRUE; }  // nothing audible here

}  // extern "C"
