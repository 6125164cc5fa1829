#include "platform/display/cell_canvas.h"

#include <algorithm>

namespace platform {

const CellGlyphs& CellGlyphs::Unicode() {
  static const CellGlyphs glyphs{U'─', U'│', U'┌', U'┐', U'└', U'┘', U'▼', U'◄', U'►', U'░', false};
  return glyphs;
}

const CellGlyphs& CellGlyphs::Ascii() {
  static const CellGlyphs glyphs{U'-', U'|', U'+', U'+', U'+', U'+', U'v', U'<', U'>', U' ', true};
  return glyphs;
}

CellCanvas::CellCanvas(int columns, int rows, const CellGlyphs& glyphs)
    : columns_(std::max(0, columns)),
      rows_(std::max(0, rows)),
      glyphs_(&glyphs),
      clip_{0, 0, columns_, rows_},
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)) {}

const Cell& CellCanvas::at(int column, int row) const {
  static const Cell outside;
  if (column < 0 || row < 0 || column >= columns_ || row >= rows_) return outside;
  return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                static_cast<std::size_t>(column)];
}

void CellCanvas::SetClip(const CellRect& clip) {
  clip_ = CellRect{std::max(0, clip.left), std::max(0, clip.top), std::min(columns_, clip.right),
                   std::min(rows_, clip.bottom)};
}

void CellCanvas::ClearClip() {
  clip_ = CellRect{0, 0, columns_, rows_};
}

bool CellCanvas::Visible(int column, int row) const {
  return clip_.Contains(column, row);
}

void CellCanvas::Put(int column, int row, char32_t character, CellStyle style) {
  if (!Visible(column, row)) return;
  bool printable = character >= 0x20 && character != 0x7F &&
                   !(character >= 0x80 && character < 0xA0) && character <= 0x10FFFF;
  Cell& cell = cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                      static_cast<std::size_t>(column)];
  cell.character = printable ? character : U' ';
  cell.style = style;
}

void CellCanvas::Fill(const CellRect& rect, CellStyle style, char32_t character) {
  for (int row = rect.top; row < rect.bottom; ++row) {
    for (int column = rect.left; column < rect.right; ++column) Put(column, row, character, style);
  }
}

int CellCanvas::Text(int column, int row, std::u32string_view text, CellStyle style, int limit) {
  int written = 0;
  for (char32_t c : text) {
    if (limit >= 0 && written >= limit) break;
    Put(column + written, row, c, style);
    ++written;
  }
  return written;
}

void CellCanvas::Box(const CellRect& rect, CellStyle style) {
  if (rect.width() < 2 || rect.height() < 2) return;
  const CellGlyphs& g = *glyphs_;
  int right = rect.right - 1, bottom = rect.bottom - 1;
  for (int column = rect.left + 1; column < right; ++column) {
    Put(column, rect.top, g.horizontal, style);
    Put(column, bottom, g.horizontal, style);
  }
  for (int row = rect.top + 1; row < bottom; ++row) {
    Put(rect.left, row, g.vertical, style);
    Put(right, row, g.vertical, style);
  }
  Put(rect.left, rect.top, g.top_left, style);
  Put(right, rect.top, g.top_right, style);
  Put(rect.left, bottom, g.bottom_left, style);
  Put(right, bottom, g.bottom_right, style);
}

void CellCanvas::Restyle(const CellRect& rect, CellStyle style) {
  for (int row = rect.top; row < rect.bottom; ++row) {
    for (int column = rect.left; column < rect.right; ++column) {
      if (Visible(column, row)) {
        cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column)]
            .style = style;
      }
    }
  }
}

std::string CellCanvas::PlainText() const {
  std::string out;
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < columns_; ++column) AppendUtf8(out, at(column, row).character);
    out += '\n';
  }
  return out;
}

std::u32string Utf32FromUtf8(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
      out += U'?';
      ++i;
      continue;
    }
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k)
      value = (value << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out += value;
    i += static_cast<std::size_t>(length);
  }
  return out;
}

std::u32string Utf32FromUtf16(std::u16string_view utf16) {
  std::u32string out;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = U'?';
    }
    out += c;
  }
  return out;
}

char AsciiFallback(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  // Latin-1 letters with their marks, 0xC0..0xFF, as the bare letter.
  static constexpr char kLatin1[] =
      "AAAAAAACEEEEIIII"
      "DNOOOOOxOUUUUYTs"
      "aaaaaaaceeeeiiii"
      "dnooooo/ouuuuyty";
  if (c >= 0xC0 && c <= 0xFF) return kLatin1[c - 0xC0];
  if (c == 0xBF) return '?';  // inverted question mark
  if (c == 0xA1) return '!';
  return '?';
}

}  // namespace platform
