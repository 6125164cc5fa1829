// The text model of an edit control, apart from painting: the text, the selection (an
// anchor and the caret, which moves), word boundaries, and lines broken at CR LF and,
// when wrapping, at the last space that fits.
//
// Positions are UTF-16 indices into the text, 0..size(). A line break is "\r\n" (a lone
// '\n' or '\r' breaks too); the caret never rests between the CR and the LF.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::user::controls {

struct EditLine {
  int start = 0;   // index of its first character
  int length = 0;  // characters shown (without the line break)
  int end() const { return start + length; }
};

// The cumulative pixel widths of a run: extents[i] is the width of run[0..i].
using MeasureRun = std::function<std::vector<int>(std::u16string_view run)>;

class EditText {
 public:
  const std::u16string& text() const { return text_; }
  int size() const { return static_cast<int>(text_.size()); }
  int anchor() const { return anchor_; }
  int caret() const { return caret_; }
  int selection_start() const { return anchor_ < caret_ ? anchor_ : caret_; }
  int selection_end() const { return anchor_ < caret_ ? caret_ : anchor_; }
  bool has_selection() const { return anchor_ != caret_; }
  std::u16string_view selected() const;

  // Replaces everything; the caret goes to the start.
  void SetText(std::u16string_view text);
  // Clamps both ends into the text (and off the inside of a CR LF).
  void Select(int anchor, int caret);
  // Replaces the selection by `insert`; the caret lands after it, nothing selected.
  void ReplaceSelection(std::u16string_view insert);

  // One step left or right from `pos`, over a CR LF as a unit.
  int CharLeft(int pos) const;
  int CharRight(int pos) const;
  // The start of the word before / after `pos` (words are runs between spaces and breaks).
  int WordLeft(int pos) const;
  int WordRight(int pos) const;
  // The word at `pos` with the spaces that follow it (what a double click selects).
  std::pair<int, int> WordAt(int pos) const;

 private:
  int Clamp(int pos) const;
  std::u16string text_;
  int anchor_ = 0;
  int caret_ = 0;
};

// The lines of `text`. With `wrap`, a line longer than `width` pixels breaks after the last
// space that fits (a word wider than the line breaks where it overflows); spaces at a
// break stay on the line they end. Always at least one line.
std::vector<EditLine> BreakLines(std::u16string_view text, bool wrap, int width,
                                 const MeasureRun& measure);

// The line that holds `pos`: the last line starting at or before it.
int LineOfPosition(const std::vector<EditLine>& lines, int pos);

}  // namespace platform::user::controls
