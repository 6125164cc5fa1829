// The state of one edit control and its geometry (platform-internal). The model
// (edit_text.h) holds text and selection; this adds what the window shows: lines, the
// scroll position, the font, margins, and the flags the EM_ messages set.
#pragma once

#include <string>
#include <vector>

#include "platform/user/controls/edit_text.h"
#include "platform/win32.h"

namespace platform::user::controls {

struct EditState {
  HWND window = nullptr;
  EditText model;
  std::vector<EditLine> lines{EditLine{}};
  HFONT font = nullptr;
  int line_height = 13;
  int x_offset = 0;     // pixels scrolled off on the left
  int first_line = 0;   // the top visible line (multi-line)
  UINT limit = 30000;   // characters the user may enter
  bool modified = false;
  WCHAR password_char = u'*';
  int left_margin = 1;
  int right_margin = 1;
  bool focused = false;
  bool tracking = false;  // a mouse drag holds the capture
  int desired_x = -1;     // Up/Down keep to this column (pixels), -1 when unset
  // Created with WS_VSCROLL / WS_HSCROLL: the window's bars stay in sight (disabled when
  // there is nothing to scroll) and follow the view.
  bool vertical_bar = false;
  bool horizontal_bar = false;

  bool can_undo = false;
  std::u16string undo_text;
  int undo_anchor = 0;
  int undo_caret = 0;

  DWORD style() const { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }
  bool multiline() const { return (style() & ES_MULTILINE) != 0; }
  bool password() const { return !multiline() && (style() & ES_PASSWORD) && password_char != 0; }
  bool read_only() const { return (style() & ES_READONLY) != 0; }
  bool wraps() const { return multiline() && !(style() & ES_AUTOHSCROLL); }

  // What is drawn: the text, or one password character per character.
  std::u16string DisplayText() const;
  // The rectangle text is laid out in (client coordinates): the client area less margins;
  // a single line is centred vertically.
  RECT FormatRect() const;
  int VisibleLines() const;

  // Breaks the lines again (after the text, font, size or style changed).
  void Relayout();
  // Cumulative widths of the line's characters as displayed.
  std::vector<int> LineExtents(const EditLine& line) const;
  int LineWidth(const EditLine& line) const;
  int LongestLineWidth() const;
  // Where the text of a line starts, before scrolling (alignment within the format rect).
  int LineIndent(const EditLine& line) const;
  // The client point where a caret at `pos` stands (its top).
  POINT PositionPoint(int pos) const;
  // The position nearest a client point.
  int PositionFromPoint(POINT point) const;
  // The position in `line` nearest the unscrolled x (relative to the format rect).
  int PositionInLine(int line, int x) const;
  // Scrolls so the caret is visible; bit 0: scrolled horizontally, bit 1: vertically.
  int ScrollToCaret();
  // True when the text fits where it must: a single line without ES_AUTOHSCROLL within the
  // width, a multi-line text without ES_AUTOVSCROLL within the height.
  bool TextFits() const;
};

}  // namespace platform::user::controls
