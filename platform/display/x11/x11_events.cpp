// What the X server sends, turned into input (see x11_driver.h).
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/display/x11/x11_driver.h"

namespace platform::x11 {
namespace {

constexpr int kWheelStep = 120;  // WHEEL_DELTA

}  // namespace

xcb_generic_event_t* X11Driver::NextEvent() {
  if (stashed_ != nullptr) {
    xcb_generic_event_t* event = stashed_;
    stashed_ = nullptr;
    return event;
  }
  return xcb_poll_for_event(connection_->get());
}

void X11Driver::NoteLost() {
  if (lost_) return;
  lost_ = true;
  input_ended_ = true;
  std::fprintf(stderr, "vestralino: the X display went away; closing\n");
}

bool X11Driver::PollInput(InputEvent* event) {
  if (pending_.empty()) {
    Present();
    if (signals_.Take() && !input_ended_) {
      // The process is asked to end: the active window gets a close request, and from
      // then on the pass ends as when input runs out (a box that cannot be closed, such
      // as a Yes/No question, ends unanswered instead of holding the process).
      InputEvent close;
      close.kind = InputKind::kCloseRequest;
      pending_.push_back(close);
      input_ended_ = true;
    }
    while (pending_.empty() && !lost_) {
      xcb_generic_event_t* next = NextEvent();
      if (next == nullptr) break;
      Handle(next);
      std::free(next);
    }
    if (!lost_ && connection_->broken()) NoteLost();
    if (pending_.empty() && input_ended_) {
      // Nothing will ever come from the display again: the pass ends as when input
      // runs out (the active window is asked to close, and so on).
      InputEvent ended;
      ended.kind = InputKind::kScriptEnded;
      pending_.push_back(ended);
    }
    Present();  // what Expose asked for
    DeferredWork();
  }
  if (pending_.empty()) return false;
  *event = std::move(pending_.front());
  pending_.pop_front();
  return true;
}

void X11Driver::WaitForInput(DWORD timeout_ms) {
  if (!pending_.empty() || stashed_ != nullptr) return;
  if (input_ended_) {
    Present();
    DisplayDriver::WaitForInput(timeout_ms);
    return;
  }
  Present();
  DeferredWork();
  xcb_connection_t* c = connection_->get();
  xcb_flush(c);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    // Events xcb has already read sit in its queue, where poll() cannot see them.
    stashed_ = xcb_poll_for_queued_event(c);
    if (stashed_ != nullptr || signals_.pending()) return;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return;
    pollfd waits[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {signals_.fd(), POLLIN, 0}};
    const nfds_t count = signals_.fd() >= 0 ? 2 : 1;
    const int ready = poll(waits, count, static_cast<int>(std::min<long long>(left.count(), 1 << 30)));
    if (ready <= 0 || (count == 2 && waits[1].revents != 0)) return;
    stashed_ = xcb_poll_for_event(c);
    if (stashed_ != nullptr || xcb_connection_has_error(c)) return;
    // Readable, yet nothing for us: another thread of ours (the keyboard's loader) is
    // reading the connection for its reply and takes these bytes. It runs at a low
    // priority: give it the processor rather than spin.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void X11Driver::HandleFocus(bool in, const xcb_focus_in_event_t* event) {
  // Changes caused by keyboard grabs and pointer-root focus are not ours.
  if (event->mode == XCB_NOTIFY_MODE_GRAB || event->mode == XCB_NOTIFY_MODE_UNGRAB) return;
  if (event->detail == XCB_NOTIFY_DETAIL_POINTER || event->detail == XCB_NOTIFY_DETAIL_INFERIOR) return;
  Shown* shown = FindByX(event->event);
  if (shown == nullptr) return;
  InputEvent focus;
  focus.window = shown->info.window;
  if (!in) {
    if (focused_ == shown->id) focused_ = 0;
    focus.kind = InputKind::kFocusLost;
    pending_.push_back(focus);
    return;
  }
  focused_ = shown->id;
  // A window with a modal box over it passes the keyboard on to the box.
  for (auto& [handle, owned] : windows_) {
    if (owned.info.owner == shown->info.window && owned.mapped && !IsPopup(owned.info) &&
        (shown->info.style & WS_DISABLED)) {
      Focus(owned);
      return;
    }
  }
  focus.kind = InputKind::kFocusGained;
  pending_.push_back(focus);
}

void X11Driver::Handle(const xcb_generic_event_t* event) {
  const std::uint8_t type = event->response_type & 0x7F;
  switch (type) {
    case 0:  // an error: a request the server refused (focus on a window not yet viewable)
      return;
    case XCB_EXPOSE: {
      const auto* e = reinterpret_cast<const xcb_expose_event_t*>(event);
      if (Shown* shown = FindByX(e->window); shown != nullptr && shown->mapped) {
        shown->damage.Add(RECT{e->x, e->y, e->x + e->width, e->y + e->height});
      }
      return;
    }
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE: {
      const auto* e = reinterpret_cast<const xcb_key_press_event_t*>(event);
      Shown* shown = FindByX(e->event);
      if (shown == nullptr) return;
      for (InputEvent& key : keyboard_.Translate(*e, type == XCB_KEY_PRESS)) {
        key.window = shown->info.window;
        pending_.push_back(key);
      }
      return;
    }
    case XCB_BUTTON_PRESS:
    case XCB_BUTTON_RELEASE: {
      const auto* e = reinterpret_cast<const xcb_button_press_event_t*>(event);
      Shown* shown = FindByX(e->event);
      if (shown == nullptr) return;
      InputEvent mouse;
      mouse.window = shown->info.window;
      mouse.point = ScreenPoint(*shown, e->event_x, e->event_y);
      const bool press = type == XCB_BUTTON_PRESS;
      switch (e->detail) {
        case 1:
        case 2:
        case 3:
          mouse.kind = press ? InputKind::kMouseDown : InputKind::kMouseUp;
          mouse.button = e->detail == 1   ? MouseButton::kLeft
                         : e->detail == 2 ? MouseButton::kMiddle
                                          : MouseButton::kRight;
          break;
        case 4:  // the wheel: a press per notch, away from the user first
        case 5:
          if (!press) return;
          mouse.kind = InputKind::kMouseWheel;
          mouse.wheel_delta = e->detail == 4 ? kWheelStep : -kWheelStep;
          break;
        default:  // sideways wheel, extra buttons
          return;
      }
      pending_.push_back(mouse);
      return;
    }
    case XCB_MOTION_NOTIFY: {
      const auto* e = reinterpret_cast<const xcb_motion_notify_event_t*>(event);
      Shown* shown = FindByX(e->event);
      if (shown == nullptr) return;
      InputEvent move;
      move.kind = InputKind::kMouseMove;
      move.window = shown->info.window;
      move.point = ScreenPoint(*shown, e->event_x, e->event_y);
      // Only the latest of a run of motions matters.
      if (!pending_.empty() && pending_.back().kind == InputKind::kMouseMove &&
          pending_.back().window == move.window) {
        pending_.back() = move;
      } else {
        pending_.push_back(move);
      }
      return;
    }
    case XCB_FOCUS_IN:
    case XCB_FOCUS_OUT:
      HandleFocus(type == XCB_FOCUS_IN, reinterpret_cast<const xcb_focus_in_event_t*>(event));
      return;
    case XCB_CLIENT_MESSAGE: {
      const auto* e = reinterpret_cast<const xcb_client_message_event_t*>(event);
      Shown* shown = FindByX(e->window);
      if (shown == nullptr || e->format != 32 ||
          e->type != connection_->atom(Atom::kWmProtocols) ||
          e->data.data32[0] != connection_->atom(Atom::kWmDeleteWindow)) {
        return;
      }
      InputEvent close;
      close.kind = InputKind::kCloseRequest;
      close.window = shown->info.window;
      pending_.push_back(close);
      return;
    }
    default:
      keyboard_.HandleEvent(*event);  // the keyboard's extension events
      return;
  }
}

}  // namespace platform::x11
