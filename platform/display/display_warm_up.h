// What the first window needs, made ready in a pause the program takes before it shows
// anything (pause_work.h): the X connection, and the font of message boxes and dialogs with
// the glyphs of everyday text (platform-internal).
//
// Nothing is done when the display will not be X (VESTRALINO_DISPLAY says another, or
// DISPLAY is unset) or a display was already made. The connection is handed over once,
// to the first display made.
#pragma once

#include <cstdint>
#include <memory>

namespace platform {

namespace x11 {
class X11Connection;
}

// Pause work: returns by `deadline_ns` (CLOCK_MONOTONIC) unless connecting takes longer.
void WarmUpDisplay(std::int64_t deadline_ns);

struct WarmedUpConnection {
  bool tried = false;  // a warm-up looked for a display; when it found none, null
  std::unique_ptr<x11::X11Connection> connection;
};

// What the warm-up found, once (afterwards: not tried); no warm-up starts after this.
WarmedUpConnection TakeWarmedUpConnection();

}  // namespace platform
