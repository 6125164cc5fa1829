// Glyphs drawn with a face's kept sizes against the slow, obviously right way: a face of
// its own, sized afresh before every glyph.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/gdi/face_lookup.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/glyph_render.h"

namespace platform::gdi {
namespace {

Glyph FreshlySizedGlyph(const FaceFile& file, const GlyphKey& key) {
  Glyph glyph;
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0) return glyph;
  if (FT_New_Face(library, file.path.c_str(), file.index, &face) == 0) {
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    const bool mono = (key.flags & kGlyphMono) != 0;
    FT_Set_Pixel_Sizes(face, key.ppem_x, key.ppem_y);
    if (FT_Load_Glyph(face, FT_Get_Char_Index(face, key.character),
                      FT_LOAD_NO_BITMAP | (mono ? FT_LOAD_TARGET_MONO : kTextHinting)) == 0 &&
        FT_Render_Glyph(face->glyph, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) == 0) {
      const FT_Bitmap& bitmap = face->glyph->bitmap;
      glyph.left = face->glyph->bitmap_left;
      glyph.top = face->glyph->bitmap_top;
      glyph.width = static_cast<int>(bitmap.width);
      glyph.height = static_cast<int>(bitmap.rows);
      glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
      for (unsigned y = 0; y < bitmap.rows; ++y) {
        for (unsigned x = 0; x < bitmap.width; ++x) {
          const unsigned char* row = bitmap.buffer + static_cast<int>(y) * bitmap.pitch;
          glyph.coverage.push_back(mono ? ((row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0) : row[x]);
        }
      }
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return glyph;
}

// Sizes come and go in a random order, more of them than a face keeps, both renderings
// (grey and monochrome) mixed, as a program's fonts would ask.
TEST(KeptSizes, GlyphsEqualThoseOfAFreshlySizedFace) {
  for (bool bold : {false, true}) {
    const FaceFile file = ResolveFaceFile(u"MS Sans Serif", bold, false, VARIABLE_PITCH);
    const std::shared_ptr<FontFace> face = LoadFace(file);
    ASSERT_NE(face, nullptr);
    std::mt19937 random(bold ? 7 : 11);
    for (int i = 0; i < 300; ++i) {
      GlyphKey key;
      key.face_id = face->id();
      key.ppem_y = static_cast<std::uint16_t>(7 + random() % 14);
      key.ppem_x = random() % 4 == 0 ? static_cast<std::uint16_t>(7 + random() % 14) : key.ppem_y;
      key.flags = random() % 4 == 0 ? kGlyphMono : 0;
      key.character = static_cast<char32_t>(0x21 + random() % 0xDE);
      const Glyph kept = RenderGlyph(*face, key);
      const Glyph fresh = FreshlySizedGlyph(file, key);
      EXPECT_EQ(kept.coverage, fresh.coverage)
          << "U+" << std::hex << static_cast<int>(key.character) << std::dec << " at "
          << key.ppem_x << "x" << key.ppem_y << (key.flags ? " mono" : "");
      EXPECT_EQ(kept.left, fresh.left);
      EXPECT_EQ(kept.top, fresh.top);
      EXPECT_EQ(kept.width, fresh.width);
      EXPECT_EQ(kept.advance, fresh.advance);
    }
  }
}

}  // namespace
}  // namespace platform::gdi
