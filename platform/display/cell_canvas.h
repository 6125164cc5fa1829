// A screen of character cells, each a character and a style: what the terminal display
// draws windows into before it writes them out. Text is UTF-8 or UTF-16 in, one cell per
// character (the dialogs' texts are Latin script: no double-width cells).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display/utf8_append.h"

namespace platform {

// What a cell looks like; the terminal's colours for each are the writer's business.
enum class CellStyle : std::uint8_t {
  kDesktop,  // outside every window
  kFace,     // a window's face and its labels
  kFrame,    // a window's border
  kCaption,  // the active window's title bar
  kCaptionInactive,
  kField,     // inside an edit field, list or date
  kFocus,     // the control or item with the keyboard focus
  kSelected,  // a selected item or field without the focus
  kDisabled,  // a disabled control's text
  kToday,     // today's date in a calendar
};

struct CellRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom excluded
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool Contains(int column, int row) const {
    return column >= left && column < right && row >= top && row < bottom;
  }
  bool Intersects(const CellRect& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
  bool operator==(const CellRect&) const = default;
};

// The characters boxes and marks are drawn with: box drawing where the terminal speaks
// UTF-8, ASCII otherwise.
struct CellGlyphs {
  char32_t horizontal, vertical, top_left, top_right, bottom_left, bottom_right;
  char32_t down_arrow, left_arrow, right_arrow, shade;
  bool ascii;
  static const CellGlyphs& Unicode();
  static const CellGlyphs& Ascii();
};

struct Cell {
  char32_t character = U' ';
  CellStyle style = CellStyle::kDesktop;
  bool operator==(const Cell&) const = default;
};

class CellCanvas {
 public:
  CellCanvas(int columns, int rows, const CellGlyphs& glyphs);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  const CellGlyphs& glyphs() const { return *glyphs_; }
  const Cell& at(int column, int row) const;

  // Drawing is clipped to the screen and to the clip rectangle (the whole screen unless
  // set); characters that are not printable become blanks.
  void SetClip(const CellRect& clip);
  void ClearClip();
  void Put(int column, int row, char32_t character, CellStyle style);
  void Fill(const CellRect& rect, CellStyle style, char32_t character = U' ');
  // Writes up to `limit` characters (no limit: -1); answers how many it wrote.
  int Text(int column, int row, std::u32string_view text, CellStyle style, int limit = -1);
  void Box(const CellRect& rect, CellStyle style);
  void Restyle(const CellRect& rect, CellStyle style);

  // The screen as plain text: one line per row, trailing blanks kept, UTF-8.
  std::string PlainText() const;

 private:
  bool Visible(int column, int row) const;

  int columns_;
  int rows_;
  const CellGlyphs* glyphs_;
  CellRect clip_;
  std::vector<Cell> cells_;
};

std::u32string Utf32FromUtf8(std::string_view utf8);
std::u32string Utf32FromUtf16(std::u16string_view utf16);
// The character as plain ASCII for a terminal without UTF-8: accents dropped ("í" -> "i"),
// others '?'.
char AsciiFallback(char32_t character);

}  // namespace platform
