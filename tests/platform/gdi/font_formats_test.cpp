// Faces of every format FreeType reads load, not only TrueType: the formats beyond it are
// added to the library the first time a file needs them.
#include <gtest/gtest.h>

#include "platform/gdi/face_lookup.h"
#include "platform/gdi/font_face.h"
#include "tests/support/temp_dir.h"

namespace platform::gdi {
namespace {

// A bitmap font of one glyph, "A", in BDF: plain text, so the test can write it.
constexpr char kTinyBdf[] =
    "STARTFONT 2.1\n"
    "FONT -test-tiny-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
    "SIZE 8 75 75\n"
    "FONTBOUNDINGBOX 8 8 0 0\n"
    "STARTPROPERTIES 4\n"
    "FONT_ASCENT 8\n"
    "FONT_DESCENT 0\n"
    "CHARSET_REGISTRY \"ISO10646\"\n"
    "CHARSET_ENCODING \"1\"\n"
    "ENDPROPERTIES\n"
    "CHARS 1\n"
    "STARTCHAR A\n"
    "ENCODING 65\n"
    "SWIDTH 1000 0\n"
    "DWIDTH 8 0\n"
    "BBX 8 8 0 0\n"
    "BITMAP\n"
    "FF\n81\n81\n81\n81\n81\n81\nFF\n"
    "ENDCHAR\n"
    "ENDFONT\n";

TEST(FontFormats, TrueTypeAndOtherFormatsLoadButNotJunk) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "tiny.bdf", kTinyBdf);
  testing_support::WriteBytes(dir / "junk.ttf", "not a font at all");

  FaceFile truetype = ResolveFaceFile(u"Liberation Sans", false, false, 0);
  ASSERT_FALSE(truetype.path.empty());
  std::shared_ptr<FontFace> scalable = LoadFace(truetype);
  ASSERT_NE(scalable, nullptr);
  EXPECT_TRUE(FT_IS_SCALABLE(scalable->ft()));

  std::shared_ptr<FontFace> bitmap = LoadFace(FaceFile{dir / "tiny.bdf"});
  ASSERT_NE(bitmap, nullptr);
  EXPECT_FALSE(FT_IS_SCALABLE(bitmap->ft()));
  EXPECT_NE(FT_Get_Char_Index(bitmap->ft(), 'A'), 0u);

  EXPECT_EQ(LoadFace(FaceFile{dir / "junk.ttf"}), nullptr);
  // TrueType faces still load after the other formats joined.
  EXPECT_NE(LoadFace(ResolveFaceFile(u"Liberation Mono", false, false, 0)), nullptr);
}

}  // namespace
}  // namespace platform::gdi
