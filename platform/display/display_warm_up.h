// What the first window needs, begun when the process starts, on a thread of its own, so
// that it overlaps with what the program does before it shows anything (its files, its
// own pauses): the X connection, and the font of message boxes and dialogs with the
// glyphs of everyday text (platform-internal).
//
// Nothing is begun when the display will not be X (VESTRALINO_DISPLAY says another, or
// DISPLAY is unset). The connection is handed over once, to the first display made.
#pragma once

#include <memory>

namespace platform {

namespace x11 {
class X11Connection;
}

void BeginDisplayWarmUp();

struct WarmedUpConnection {
  bool tried = false;  // a warm-up looked for a display; when it found none, null
  std::unique_ptr<x11::X11Connection> connection;
};

// Waits for the warm-up; what it found, once (afterwards: not tried).
WarmedUpConnection TakeWarmedUpConnection();

}  // namespace platform
