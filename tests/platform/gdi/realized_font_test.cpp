// Fonts made real without a DC: face choice, the height rules, the metrics the dialog
// manager relies on.
#include "platform/gdi/realized_font.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/face_lookup.h"
#include "platform/gdi/font_face.h"

namespace platform::gdi {
namespace {

LOGFONTW LogFont(std::u16string_view face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONTW logfont{};
  logfont.lfHeight = height;
  logfont.lfWeight = weight;
  for (std::size_t i = 0; i < face.size() && i < LF_FACESIZE - 1; ++i) {
    logfont.lfFaceName[i] = face[i];
  }
  return logfont;
}

SIZE BaseUnits(const RealizedFont& font) {
  const int sum = font.Width(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(sum / 26 + 1) / 2, font.metrics().tmHeight};
}

TEST(RealizedFont, EightPointDialogFontsGiveSixByThirteenBaseUnits) {
  for (std::u16string_view face : {u"MS Sans Serif", u"MS Shell Dlg", u"MS Shell Dlg 2",
                                   u"Microsoft Sans Serif", u"Tahoma", u"Arial"}) {
    const SIZE first = BaseUnits(RealizedFont(LogFont(face, -11)));
    const SIZE second = BaseUnits(RealizedFont(LogFont(face, -11)));
    EXPECT_NEAR(first.cx, 6, 1) << std::string(face.begin(), face.end());
    EXPECT_NEAR(first.cy, 13, 1) << std::string(face.begin(), face.end());
    EXPECT_EQ(first.cx, second.cx);
    EXPECT_EQ(first.cy, second.cy);
  }
}

TEST(RealizedFont, HeightSignRules) {
  struct Row {
    LONG height;
    bool em;  // true: -height is the em, else height bounds the cell
  };
  for (const Row& row : {Row{-8, true}, Row{-11, true}, Row{-13, true}, Row{-24, true},
                         Row{-72, true}, Row{10, false}, Row{13, false}, Row{16, false},
                         Row{30, false}, Row{100, false}}) {
    const TEXTMETRICW tm = RealizedFont(LogFont(u"MS Sans Serif", row.height)).metrics();
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    if (row.em) {
      EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -row.height) << row.height;
    } else {
      EXPECT_LE(tm.tmHeight, row.height) << row.height;
      EXPECT_GE(tm.tmHeight, row.height - 1) << row.height;
    }
  }
  const TEXTMETRICW zero = RealizedFont(LogFont(u"MS Sans Serif", 0)).metrics();
  EXPECT_GE(zero.tmHeight, 10);
  EXPECT_LE(zero.tmHeight, 12);
}

TEST(RealizedFont, HugeAndHostileRequestsStayBounded) {
  for (LONG height : {LONG{-2147483647 - 1}, LONG{2147483647}, LONG{-100000}}) {
    LOGFONTW logfont = LogFont(u"Arial", height);
    logfont.lfWidth = -2147483647 - 1;
    logfont.lfEscapement = -2147483647 - 1;
    const RealizedFont font(logfont);
    EXPECT_GT(font.metrics().tmHeight, 0);
    EXPECT_GE(font.angle(), 0);
    EXPECT_LT(font.angle(), 3600);
  }
}

TEST(RealizedFont, WeightItalicAndPitchShowInTheMetrics) {
  LOGFONTW bold = LogFont(u"MS Sans Serif", -11, FW_BOLD);
  bold.lfItalic = 1;
  const TEXTMETRICW tm = RealizedFont(bold).metrics();
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
  EXPECT_EQ(tm.tmItalic, 1);
  EXPECT_NE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "variable pitch";
  EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, FF_SWISS);

  const RealizedFont mono(LogFont(u"Lucida Console", -11));
  EXPECT_EQ(mono.metrics().tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "fixed pitch";
  EXPECT_EQ(mono.Width(u"iiii"), mono.Width(u"WWWW"));
  EXPECT_GT(RealizedFont(bold).Width(u"Aceptar"),
            RealizedFont(LogFont(u"MS Sans Serif", -11)).Width(u"Aceptar"));
}

TEST(RealizedFont, WidthAsksForTheAverageCharacterWidth) {
  LOGFONTW wide = LogFont(u"Arial", -11);
  wide.lfWidth = 12;
  const RealizedFont font(wide);
  EXPECT_NEAR(font.metrics().tmAveCharWidth, 12, 1);
  EXPECT_EQ(font.metrics().tmHeight, RealizedFont(LogFont(u"Arial", -11)).metrics().tmHeight);
}

TEST(RealizedFont, AdvancesCountASurrogatePairOnce) {
  const RealizedFont font(LogFont(u"Arial", -11));
  const std::u16string text = u"a\U0001F600b";
  const std::vector<int> advances = font.Advances(text);
  ASSERT_EQ(advances.size(), 4u);
  EXPECT_EQ(advances[2], 0);
  EXPECT_EQ(advances[0] + advances[1] + advances[3], font.Width(text));
}

// Large sizes are measured without rendering: the advances must be the rendered glyphs'
// own, synthetic bold and oblique included, whether or not the glyph is already held.
TEST(RealizedFont, MeasuredAdvancesEqualTheRenderedGlyphs) {
  for (LONG height : {LONG{-11}, LONG{-97}, LONG{-300}, LONG{-2000}}) {
    for (bool synthetic : {false, true}) {
      LOGFONTW logfont = LogFont(u"Arial", height, synthetic ? FW_HEAVY : FW_NORMAL);
      logfont.lfItalic = synthetic ? 1 : 0;
      const RealizedFont font(logfont);
      for (char32_t c : {U'x', U'W', U'i', U' ', U'\U0001F600'}) {
        const int measured = font.AdvanceOf(c);
        EXPECT_EQ(measured, font.GlyphOf(c)->advance) << height << " " << synthetic << " " << static_cast<std::uint32_t>(c);
        EXPECT_EQ(font.AdvanceOf(c), measured) << "held glyph";
      }
    }
  }
}

TEST(FaceLookup, WindowsNamesMapToTheirGenericFamilies) {
  struct Row {
    std::u16string_view name;
    GenericFamily family;
  };
  for (const Row& row : {Row{u"MS Sans Serif", GenericFamily::kSans},
                         Row{u"ms shell dlg 2", GenericFamily::kSans},
                         Row{u"Lucida Console", GenericFamily::kMono},
                         Row{u"Courier New", GenericFamily::kMono},
                         Row{u"Courier", GenericFamily::kMono},
                         Row{u"Times New Roman", GenericFamily::kSerif}}) {
    ASSERT_TRUE(AliasedFamily(row.name).has_value());
    EXPECT_EQ(*AliasedFamily(row.name), row.family);
    const FaceFile file = ResolveFaceFile(row.name, false, false, 0);
    EXPECT_EQ(file.family, row.family);
    EXPECT_FALSE(file.path.empty());
  }
}

TEST(FaceLookup, KnownPathsServeTheDefaultFacesAndTheirStyles) {
  const std::optional<FaceFile> regular = KnownFaceFile(GenericFamily::kSans, false, false);
  const std::optional<FaceFile> bold = KnownFaceFile(GenericFamily::kSans, true, false);
  const std::optional<FaceFile> italic = KnownFaceFile(GenericFamily::kMono, false, true);
  ASSERT_TRUE(regular && bold && italic);
  EXPECT_NE(regular->path.find("/usr/share/fonts/truetype/"), std::string::npos);
  EXPECT_TRUE(bold->bold);
  EXPECT_TRUE(italic->italic);
  EXPECT_NE(regular->path, bold->path);
}

TEST(FaceLookup, UnknownOrGarbageNamesFallBackToSans) {
  std::u16string garbage;
  for (int i = 0; i < 500; ++i) garbage.push_back(static_cast<char16_t>(0xD800 + i * 37 % 0x2800));
  for (std::u16string_view name :
       {std::u16string_view(u"No Such Face Anywhere"), std::u16string_view(garbage)}) {
    const FaceFile file = ResolveFaceFile(name, false, false, 0);
    EXPECT_EQ(file.path, ResolveFaceFile(u"MS Sans Serif", false, false, 0).path);
  }
  EXPECT_EQ(ResolveFaceFile(u"", false, false, FIXED_PITCH).family, GenericFamily::kMono);
  EXPECT_EQ(ResolveFaceFile(u"", false, false, FF_ROMAN).family, GenericFamily::kSerif);
}

TEST(FaceLookup, FacesAreLoadedOncePerFile) {
  const FaceFile file = ResolveFaceFile(u"Arial", false, false, 0);
  EXPECT_EQ(LoadFace(file), LoadFace(file));
  EXPECT_EQ(LoadFace(FaceFile{}), nullptr);
}

}  // namespace
}  // namespace platform::gdi
