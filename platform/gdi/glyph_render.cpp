#include "platform/gdi/glyph_render.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/gdi/font_face.h"

namespace platform::gdi {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Copies a rendered FreeType bitmap (gray or 1-bit, either row order) into coverage.
void CopyBitmap(const FT_Bitmap& bitmap, Glyph* glyph) {
  glyph->width = static_cast<std::int32_t>(bitmap.width);
  glyph->height = static_cast<std::int32_t>(bitmap.rows);
  glyph->coverage.assign(static_cast<std::size_t>(glyph->width) * glyph->height, 0);
  for (std::int32_t y = 0; y < glyph->height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    std::uint8_t* out = glyph->coverage.data() + static_cast<std::size_t>(y) * glyph->width;
    for (std::int32_t x = 0; x < glyph->width; ++x) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      } else {
        out[x] = row[x];
      }
    }
  }
}

// Loads the glyph of `key` into the face's slot (FreeTypeLock held) and gives its advance
// before synthesis; false when FreeType cannot, `*advance` then being the stand-in.
bool LoadGlyph(const FontFace& face, const GlyphKey& key, std::int32_t* advance) {
  FT_Face ft = face.ft();
  *advance = std::max(1, key.ppem_x / 2);
  const bool mono = (key.flags & kGlyphMono) != 0;
  FT_Int32 load = FT_LOAD_NO_BITMAP | (mono ? FT_LOAD_TARGET_MONO : kTextHinting);
  // Rotated glyphs are placed at fractional positions along the baseline, where grid
  // fitting only hurts.
  if (key.angle != 0) load |= FT_LOAD_NO_HINTING;
  const bool sized = mono ? face.ActivateFreshSize(key.ppem_x, key.ppem_y)
                          : face.ActivateKeptSize(key.ppem_x, key.ppem_y);
  if (!sized) return false;
  FT_UInt index = FT_Get_Char_Index(ft, key.character);
  if (FT_Load_Glyph(ft, index, load) != 0 && (index == 0 || FT_Load_Glyph(ft, 0, load) != 0)) {
    return false;
  }
  *advance = static_cast<std::int32_t>((ft->glyph->advance.x + 32) >> 6);
  return true;
}

// GDI's synthetic bold smears each glyph sideways: one pixel at dialog sizes.
int EmboldenPixels(const GlyphKey& key) { return std::max(1, key.ppem_y / 24); }

}  // namespace

int GlyphAdvance(const FontFace& face, const GlyphKey& key) {
  std::lock_guard guard(FreeTypeLock());
  std::int32_t advance = 0;
  if (!LoadGlyph(face, key, &advance)) return advance;
  const bool outline = face.ft()->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
  return advance + (outline && (key.flags & kGlyphEmbolden) ? EmboldenPixels(key) : 0);
}

Glyph RenderGlyph(const FontFace& face, const GlyphKey& key) {
  Glyph glyph;
  std::lock_guard guard(FreeTypeLock());
  FT_Face ft = face.ft();
  if (!LoadGlyph(face, key, &glyph.advance)) return glyph;
  const bool mono = (key.flags & kGlyphMono) != 0;
  FT_GlyphSlot slot = ft->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (key.flags & kGlyphEmbolden) {
      const int pixels = EmboldenPixels(key);
      FT_Outline_EmboldenXY(&slot->outline, pixels * 64, 0);
      glyph.advance += pixels;
    }
    if (key.flags & kGlyphOblique) {
      FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // x += 0.21 y: about 12 degrees
      FT_Outline_Transform(&slot->outline, &shear);
    }
    if (key.angle != 0) {
      const double radians = key.angle * kPi / 1800.0;
      const auto c = static_cast<FT_Fixed>(std::lround(std::cos(radians) * 65536.0));
      const auto s = static_cast<FT_Fixed>(std::lround(std::sin(radians) * 65536.0));
      FT_Matrix rotation{c, -s, s, c};
      FT_Outline_Transform(&slot->outline, &rotation);
    }
  }
  if (FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) {
    return glyph;
  }
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  CopyBitmap(slot->bitmap, &glyph);
  return glyph;
}

}  // namespace platform::gdi
