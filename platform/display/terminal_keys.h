// Keys and mouse reports as a terminal sends them: the bytes read in raw mode turned into
// the keys a window or a box understands.
//
//   bytes                                   key
//   --------------------------------------  -----------------------------------------
//   TAB, CR or LF, space, BS or DEL         Tab, Enter, Space, Backspace
//   ESC alone (nothing follows at once)     Escape
//   CSI A/B/C/D, SS3 A/B/C/D                arrows (CSI 1;3B: Alt+Down)
//   CSI Z                                   Shift+Tab
//   CSI H, SS3 H, CSI 1~, CSI 7~            Home (F, 4~, 8~: End)
//   CSI 5~ / 6~ / 3~                        Page Up / Page Down / Delete
//   SS3 S, CSI 14~, CSI [D                  F4 (CSI 1;3S, CSI 14;3~: Alt+F4)
//   CSI < b ; x ; y M (or m)                a mouse press (release) at column x, row y
//   UTF-8 of a printable character          that character
//   anything else                           ignored, whole
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/display/message_box_model.h"

namespace platform {

enum class DecodeStatus {
  kKey,       // `key` was read from the first `used` bytes
  kMouse,     // `mouse` was read from the first `used` bytes
  kIgnored,   // the first `used` bytes are a key nothing here uses
  kNeedMore,  // the bytes so far begin a longer sequence
};

// A mouse report in SGR form: the button (0 left, 1 middle, 2 right, 64/65 wheel up/down,
// +32 while moving), pressed or released, at a 1-based cell.
struct TerminalMouse {
  int button = 0;
  bool pressed = true;
  int column = 1;
  int row = 1;
};

struct DecodedKey {
  DecodeStatus status = DecodeStatus::kNeedMore;
  BoxKey key;
  TerminalMouse mouse;
  std::size_t used = 0;
};

// Decodes the first key of `bytes` (not empty). `more_may_follow` tells whether further
// bytes are still expected right away; without them a lone ESC is the Escape key and a
// cut-off sequence is dropped. Never reads past `bytes`; `used` is at least 1 unless the
// status is kNeedMore.
DecodedKey DecodeTerminalKey(std::string_view bytes, bool more_may_follow);

}  // namespace platform
