// A LOGFONT made real: a face at a pixel size with its synthesis, metrics and glyphs
// (platform-internal).
//
// Metrics follow GDI's TrueType rules: lfHeight < 0 asks for a character (em) height of
// -lfHeight pixels, lfHeight > 0 for a cell height (ascent + descent) of at most lfHeight,
// 0 for the default 12-pixel cell. The ascent and descent are the face's Windows ascent
// and descent (OS/2 usWinAscent / usWinDescent) scaled and rounded up, so a face that is
// metric-compatible with a Windows face gets that face's line height.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/glyph_cache.h"
#include "platform/win32.h"

namespace platform::gdi {

class FontFace;

// Pixels below (underline) or above (strike-out) the baseline where a line's first row
// lies, and its thickness.
struct TextLine {
  int offset = 0;
  int thickness = 1;
};

class RealizedFont {
 public:
  explicit RealizedFont(const LOGFONTW& logfont);

  const TEXTMETRICW& metrics() const { return metrics_; }
  const LOGFONTW& logfont() const { return logfont_; }
  // The angle of the baseline, tenths of a degree counter-clockwise, 0..3599.
  int angle() const { return angle_; }
  TextLine underline() const { return underline_; }
  TextLine strikeout() const { return strikeout_; }
  const FontFace* face() const { return face_.get(); }

  // The upright glyph (for measuring and horizontal text); never null.
  GlyphPtr GlyphOf(char32_t character) const;
  // The glyph turned by angle(); equals GlyphOf when the angle is 0.
  GlyphPtr TurnedGlyphOf(char32_t character) const;

  // Whole-pixel advance of each UTF-16 unit of `text` (the second unit of a surrogate
  // pair advances 0: the pair's glyph is counted on its first unit).
  std::vector<int> Advances(std::u16string_view text) const;
  // The advance of one character: GlyphOf(character)->advance.
  int AdvanceOf(char32_t character) const;
  int Width(std::u16string_view text) const;

 private:
  GlyphKey KeyOf(char32_t character, int angle) const;

  LOGFONTW logfont_;
  std::shared_ptr<FontFace> face_;
  int ppem_x_ = 0;
  int ppem_y_ = 0;
  std::uint8_t flags_ = 0;
  int angle_ = 0;
  TEXTMETRICW metrics_{};
  TextLine underline_;
  TextLine strikeout_;
};

// The character starting at text[i] (a surrogate pair joined); `units` receives 1 or 2.
char32_t CharacterAt(std::u16string_view text, std::size_t i, std::size_t* units);

}  // namespace platform::gdi
