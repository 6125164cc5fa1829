#include "platform/gdi/realized_font.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/face_lookup.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/glyph_render.h"

namespace platform::gdi {
namespace {

// Larger requests are drawn at this size: GDI accepts them, but a glyph bitmap of
// millions of pixels helps nobody and a hostile LOGFONT must not exhaust memory.
constexpr int kMaxPixelsPerEm = 2048;
constexpr int kDefaultCellHeight = 12;

std::int64_t ScaleUp(std::int64_t units, int ppem, int units_per_em) {
  return (units * ppem + units_per_em - 1) / units_per_em;
}

std::int64_t ScaleRound(std::int64_t units, int ppem, int units_per_em) {
  const std::int64_t scaled = units * ppem;
  return scaled >= 0 ? (scaled + units_per_em / 2) / units_per_em
                     : -((-scaled + units_per_em / 2) / units_per_em);
}

int CellHeight(const FaceDesign& design, int ppem) {
  return static_cast<int>(ScaleUp(design.win_ascent, ppem, design.units_per_em) +
                          ScaleUp(design.win_descent, ppem, design.units_per_em));
}

int PixelsPerEm(const FaceDesign& design, LONG height) {
  std::int64_t wanted = height == 0 ? kDefaultCellHeight : height;
  if (wanted < 0) return static_cast<int>(std::min<std::int64_t>(-wanted, kMaxPixelsPerEm));
  wanted = std::min<std::int64_t>(wanted, kMaxPixelsPerEm * 2);
  const std::int64_t cell_units = design.win_ascent + design.win_descent;
  int ppem = static_cast<int>(
      std::clamp<std::int64_t>((wanted * design.units_per_em + cell_units / 2) / cell_units, 1,
                               kMaxPixelsPerEm));
  while (ppem > 1 && CellHeight(design, ppem) > wanted) --ppem;
  return ppem;
}

std::u16string_view FaceName(const LOGFONTW& logfont) {
  std::size_t length = 0;
  while (length < LF_FACESIZE && logfont.lfFaceName[length] != 0) ++length;
  return {logfont.lfFaceName, length};
}

BYTE FamilyBits(GenericFamily family) {
  switch (family) {
    case GenericFamily::kMono:
      return FF_MODERN;
    case GenericFamily::kSerif:
      return FF_ROMAN;
    case GenericFamily::kSans:
      break;
  }
  return FF_SWISS;
}

}  // namespace

char32_t CharacterAt(std::u16string_view text, std::size_t i, std::size_t* units) {
  const char16_t unit = text[i];
  *units = 1;
  if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
      text[i + 1] < 0xE000) {
    *units = 2;
    return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
  }
  return unit;
}

RealizedFont::RealizedFont(const LOGFONTW& logfont) : logfont_(logfont) {
  const bool bold = logfont.lfWeight >= FW_SEMIBOLD;
  const bool italic = logfont.lfItalic != 0;
  const FaceFile file =
      ResolveFaceFile(FaceName(logfont), bold, italic, logfont.lfPitchAndFamily);
  face_ = LoadFace(file);
  const FaceDesign design = face_ ? face_->design() : FaceDesign{2048, 1854, 434};
  const int upem = design.units_per_em;

  ppem_y_ = PixelsPerEm(design, logfont.lfHeight);
  ppem_x_ = ppem_y_;
  if (bold && !file.bold) flags_ |= kGlyphEmbolden;
  if (italic && !file.italic) flags_ |= kGlyphOblique;
  if (logfont.lfQuality == NONANTIALIASED_QUALITY) flags_ |= kGlyphMono;
  angle_ = static_cast<int>(((static_cast<std::int64_t>(logfont.lfEscapement) % 3600) + 3600) % 3600);

  TEXTMETRICW& tm = metrics_;
  tm.tmAscent = static_cast<LONG>(ScaleUp(design.win_ascent, ppem_y_, upem));
  tm.tmDescent = static_cast<LONG>(ScaleUp(design.win_descent, ppem_y_, upem));
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - ppem_y_);
  tm.tmExternalLeading = static_cast<LONG>(std::max<std::int64_t>(
      0, ScaleRound(design.line_height - design.win_ascent - design.win_descent, ppem_y_, upem)));

  // The average width is the advance of 'x', which is what GDI reports for the Windows
  // faces these replace (OS/2 xAvgCharWidth of newer faces averages every glyph and
  // comes out a pixel wider). lfWidth asks for that average, so the face is stretched
  // horizontally until 'x' is that wide.
  const int natural_x = AdvanceOf(U'x');
  if (logfont.lfWidth != 0 && natural_x > 0) {
    const std::int64_t wanted = std::min<std::int64_t>(
        std::abs(static_cast<std::int64_t>(logfont.lfWidth)), kMaxPixelsPerEm);
    ppem_x_ = static_cast<int>(std::clamp<std::int64_t>(
        (static_cast<std::int64_t>(ppem_y_) * wanted + natural_x / 2) / natural_x, 1,
        kMaxPixelsPerEm));
  }
  const int bold_extra = (flags_ & kGlyphEmbolden) ? std::max(1, ppem_y_ / 24) : 0;
  tm.tmAveCharWidth = AdvanceOf(U'x');
  tm.tmMaxCharWidth =
      std::max<LONG>(static_cast<LONG>(ScaleRound(design.max_advance, ppem_x_, upem)) + bold_extra,
                     tm.tmAveCharWidth);
  tm.tmWeight = logfont.lfWeight == 0 ? FW_NORMAL : std::clamp<LONG>(logfont.lfWeight, 1, 1000);
  tm.tmOverhang = 0;
  tm.tmDigitizedAspectX = 96;
  tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFFFC;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmItalic = italic ? 1 : 0;
  tm.tmUnderlined = logfont.lfUnderline ? 1 : 0;
  tm.tmStruckOut = logfont.lfStrikeOut ? 1 : 0;
  // TMPF_FIXED_PITCH set means a variable-pitch face, as GDI has it.
  tm.tmPitchAndFamily = static_cast<BYTE>(TMPF_TRUETYPE | TMPF_VECTOR |
                                          (file.fixed_pitch ? 0 : TMPF_FIXED_PITCH) |
                                          FamilyBits(file.family));
  tm.tmCharSet = logfont.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : logfont.lfCharSet;

  const int thickness = static_cast<int>(
      std::max<std::int64_t>(1, ScaleRound(design.underline_thickness, ppem_y_, upem)));
  underline_.thickness = thickness;
  underline_.offset = static_cast<int>(std::clamp<std::int64_t>(
      ScaleRound(-design.underline_position, ppem_y_, upem) - thickness / 2, 1,
      std::max<LONG>(1, tm.tmDescent - thickness)));
  strikeout_.thickness = static_cast<int>(
      std::max<std::int64_t>(1, ScaleRound(design.strikeout_thickness, ppem_y_, upem)));
  strikeout_.offset = static_cast<int>(std::clamp<std::int64_t>(
      ScaleRound(design.strikeout_position, ppem_y_, upem), 1, std::max<LONG>(1, tm.tmAscent)));
}

GlyphKey RealizedFont::KeyOf(char32_t character, int angle) const {
  GlyphKey key;
  key.face_id = face_ ? face_->id() : 0;
  key.ppem_x = static_cast<std::uint16_t>(ppem_x_);
  key.ppem_y = static_cast<std::uint16_t>(ppem_y_);
  key.flags = flags_;
  key.angle = static_cast<std::int16_t>(angle);
  key.character = character;
  return key;
}

GlyphPtr RealizedFont::GlyphOf(char32_t character) const {
  const GlyphKey key = KeyOf(character, 0);
  if (!face_) {
    static const GlyphPtr blank = std::make_shared<const Glyph>();
    return blank;
  }
  return SharedGlyphCache().Get(key, [&] { return RenderGlyph(*face_, key); });
}

GlyphPtr RealizedFont::TurnedGlyphOf(char32_t character) const {
  if (angle_ == 0 || !face_) return GlyphOf(character);
  const GlyphKey key = KeyOf(character, angle_);
  return SharedGlyphCache().Get(key, [&] { return RenderGlyph(*face_, key); });
}

int RealizedFont::AdvanceOf(char32_t character) const {
  if (!face_) return 0;
  // Small glyphs are rendered and kept (they are usually drawn next); large ones are only
  // measured unless already held, since their coverage would cost more than it saves.
  constexpr int kRenderedForMeasuringPpem = 96;
  if (ppem_x_ <= kRenderedForMeasuringPpem && ppem_y_ <= kRenderedForMeasuringPpem) {
    return GlyphOf(character)->advance;
  }
  const GlyphKey key = KeyOf(character, 0);
  if (GlyphPtr held = SharedGlyphCache().Find(key)) return held->advance;
  return GlyphAdvance(*face_, key);
}

std::vector<int> RealizedFont::Advances(std::u16string_view text) const {
  std::vector<int> advances(text.size(), 0);
  for (std::size_t i = 0; i < text.size();) {
    std::size_t units = 1;
    advances[i] = AdvanceOf(CharacterAt(text, i, &units));
    i += units;
  }
  return advances;
}

int RealizedFont::Width(std::u16string_view text) const {
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t units = 1;
    width += AdvanceOf(CharacterAt(text, i, &units));
    i += units;
  }
  return width;
}

}  // namespace platform::gdi
