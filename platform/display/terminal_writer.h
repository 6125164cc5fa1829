// Cells to the bytes a terminal draws them with: SGR styles (16 colours, a classic grey
// dialog on a teal desktop, or plain attributes without colour), UTF-8 or ASCII, and
// only the rows that changed since the last frame.
#pragma once

#include <string>
#include <vector>

#include "platform/display/cell_canvas.h"
#include "platform/display/window_painter.h"

namespace platform {

struct TerminalTraits {
  bool colour = true;
  bool utf8 = true;
};
// From TERM, COLORTERM, NO_COLOR and the locale variables (LC_ALL, LC_CTYPE, LANG).
TerminalTraits TraitsFromEnvironment();

class TerminalWriter {
 public:
  explicit TerminalWriter(TerminalTraits traits) : traits_(traits) {}
  // The next frame is written whole.
  void Invalidate() { previous_.clear(); }
  std::string Frame(const CellCanvas& canvas, const PaintedCursor& cursor);
  const TerminalTraits& traits() const { return traits_; }

 private:
  TerminalTraits traits_;
  int columns_ = 0;
  std::vector<Cell> previous_;
};

std::string StyleSequence(CellStyle style, bool colour);

}  // namespace platform
